#include "common/binary.h"
