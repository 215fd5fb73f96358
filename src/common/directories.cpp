#include "common/directories.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

namespace z408 {

std::filesystem::path programDirectory() {
    std::error_code ec;
    auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) return std::filesystem::current_path(ec);
    return exe.parent_path();
}

std::filesystem::path dataDirectory() {
    std::filesystem::path base;
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg == '/') {
        base = xdg;
    } else {
        const char* home = std::getenv("HOME");
        if (!home || !*home) {
            const passwd* pw = ::getpwuid(::getuid());
            home = pw ? pw->pw_dir : "/tmp";
        }
        base = std::filesystem::path(home) / ".local" / "share";
    }
    return base / "TARVO" / "Z408";
}

}  // namespace z408
