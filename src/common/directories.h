#pragma once
#include <filesystem>

namespace z408 {

// The folder of the running executable: seed files, language files, skins and helper tools.
std::filesystem::path programDirectory();

// The per-user folder where every file the program writes lives:
// $XDG_DATA_HOME/TARVO/Z408, by default ~/.local/share/TARVO/Z408.
std::filesystem::path dataDirectory();

}  // namespace z408
