#include "macros/macro_usage.h"

namespace z408 {

bool isMacroInUse(uint32_t id, const ProfileTable& table, const ProfileSettings& active) {
    for (int entry = 0; entry < kProfileCount; ++entry)
        for (const uint32_t used : table.macroIds(entry))
            if (used == id) return true;
    for (int b = 0; b < kButtonCount; ++b) {
        const auto button = active.button(b);
        if (button.functionType() == fn::Macro && button.macroId() == id) return true;
    }
    return false;
}

}  // namespace z408
