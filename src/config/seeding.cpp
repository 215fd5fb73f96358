#include "config/seeding.h"

#include "common/file_io.h"

namespace z408 {

bool seedDataDirectory(const std::filesystem::path& programDirectory,
                       const std::filesystem::path& dataDirectory) {
    std::error_code ec;
    if (std::filesystem::exists(dataDirectory, ec)) return false;
    std::filesystem::create_directories(dataDirectory / "Profile", ec);
    for (const char* rel : kSeedFiles) {
        // A missing seed or a failed copy is left to the loader of that file.
        (void)copyFileNoOverwrite(programDirectory / rel, dataDirectory / rel);
    }
    return true;
}

}  // namespace z408
