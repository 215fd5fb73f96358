#pragma once
// Whether a macro may be deleted: a macro is in use while any profile refers to it.
#include <cstdint>

#include "config/profile_settings.h"
#include "config/profile_table.h"

namespace z408 {

// True when the id is in the stored macro ids of any of the five profile entries, or when a button
// of the active profile has the macro function with this id.
bool isMacroInUse(uint32_t id, const ProfileTable& table, const ProfileSettings& active);

}  // namespace z408
