// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

// What arrives on the running window's local socket: the bytes as sent, cut into lines the way
// the window reads them, every line also cut short at each length (a sender that stops or a read
// that ends early). Checks: a request is one of the four with its entry within 0..4, and what the
// sending side writes for it reads back as the same request.
#include <cstddef>
#include <cstdint>

#include "common/instance_link.h"
#include "fuzz_support.h"

using namespace z408;

namespace {

void checkLine(std::string_view line) {
    const auto r = parseInstanceRequest(line);
    if (!r) return;
    FUZZ_CHECK(r->entry >= 0 && r->entry <= 4);
    const bool hasEntry = r->kind == InstanceRequestKind::UnsavedEdits ||
                          r->kind == InstanceRequestKind::ProfilesChanged;
    FUZZ_CHECK(hasEntry || r->entry == 0);
    const std::string sent = formatInstanceRequest(*r);
    FUZZ_CHECK(!sent.empty() && sent.back() == '\n' && sent.find('\n') == sent.size() - 1);
    FUZZ_CHECK(parseInstanceRequest(std::string_view(sent).substr(0, sent.size() - 1)) == r);
    // A line is at most the longest request and its carriage return.
    FUZZ_CHECK(line.size() <= sent.size());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes = fuzz::asText({data, size});
    checkLine(bytes);
    for (size_t p = 0; p <= bytes.size();) {
        size_t end = bytes.find('\n', p);
        if (end == std::string_view::npos) end = bytes.size();
        const std::string_view line = bytes.substr(p, end - p);
        for (size_t cut = 0; cut <= line.size(); ++cut) checkLine(line.substr(0, cut));
        p = end + 1;
    }
    return 0;
}
