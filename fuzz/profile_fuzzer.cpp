// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

// A profile file (Profile1.cfg … Profile5.cfg, or one being imported) loaded the way the program
// loads it, then shown by the pages' rules and encoded for the mouse. Checks: a file without the
// magic is refused with a message; a loaded profile is the file's bytes (a short file zero-filled);
// every text, level and page control stays within its field (no slider position wraps
// negative, the swatch is one of the table); what the program writes back (the
// export) imports again as the same profile.
#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "config/profile_settings.h"
#include "config/profile_store.h"
#include "config/settings_page_rules.h"
#include "device/profile_encoding.h"
#include "fuzz_support.h"
#include "lighting/colours.h"
#include "lighting/lighting_page_model.h"

using namespace z408;

namespace {

void checkLoaded(const ProfileSettings& p) {
    for (int b = 0; b < kButtonCount; ++b) {
        FUZZ_CHECK(p.button(b).path().size() < kPathUnits);
        FUZZ_CHECK(p.button(b).displayName().size() < kPathUnits);
    }
    std::array<uint32_t, kDpiLevelCount> levels{};
    for (int l = 0; l < kDpiLevelCount; ++l) levels[static_cast<size_t>(l)] = p.dpiLevel(l);
    (void)dpiSelectionFromLevels(levels);
    const DpiTableBytes dpi = buildDpiTable(p);
    FUZZ_CHECK(dpi.levelByte <= 3);
    const int rate = reportRateButton(p.reportRateCode());
    FUZZ_CHECK(rate >= -1 && rate < kReportRateChoiceCount);
    const uint32_t hz = reportRateHz(p.reportRateCode());
    FUZZ_CHECK(hz == 0 || hz == 125 || hz == 250 || hz == 500 || hz == 1000);
    (void)ledEffectBytes(p);
    (void)ledColoursPayload(p);

    // The lighting page shows any profile; its controls must stay within their ranges.
    ProfileSettings shown = p;
    LightingPageModel model;
    model.refresh(shown);
    const LightingPageView& v = model.view();
    // A stored speed beyond a slider's range shows as one the slider refuses, never negative.
    FUZZ_CHECK(v.mode1Position >= 0 && v.mode2Position >= 0 && v.mode5Position >= 0);
    FUZZ_CHECK(v.selectedSwatch >= -1 && v.selectedSwatch < kPresetColourCount);
    for (int c : v.rgb) FUZZ_CHECK(c >= 0 && c <= 255);
    FUZZ_CHECK(model.editSlot() >= 0 && model.editSlot() <= kNoEditSlot);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::span<const uint8_t> input(data, size);
    const auto dir = fuzz::scratchFolder() / "profile";
    const auto file = dir / "Profile1.cfg";
    fuzz::writeInput(file, input);

    RecordingNotices notices;
    ProfileStore store(dir, notices);
    const ProfileLoadResult r = store.loadProfileFile(file, true);
    const bool magic =
        size >= 4 && data[0] == 0x80 && data[1] == 0x02 && data[2] == 0x80 && data[3] == 0x80;
    if (!magic) {
        FUZZ_CHECK(r == ProfileLoadResult::Invalid);
        FUZZ_CHECK(notices.shown.size() == 1 && !notices.shown[0].text.empty());
        // Import refuses it the same way and keeps the profile in memory.
        const ProfileSettings before = store.active();
        FUZZ_CHECK(!store.importProfile(file));
        FUZZ_CHECK(store.active() == before);
        return 0;
    }
    FUZZ_CHECK(r == ProfileLoadResult::Loaded);
    FUZZ_CHECK(notices.shown.empty());
    const ProfileImage& image = store.active().image();
    const size_t n = std::min(size, kProfileSize);
    FUZZ_CHECK(std::equal(image.begin(), image.begin() + static_cast<ptrdiff_t>(n), data));
    FUZZ_CHECK(std::all_of(image.begin() + static_cast<ptrdiff_t>(n), image.end(),
                           [](uint8_t b) { return b == 0; }));
    checkLoaded(store.active());

    // Export, then import into a fresh store: the same profile.
    const auto exported = dir / "exported.cfg";
    FUZZ_CHECK(static_cast<bool>(store.exportProfile(exported)));
    ProfileStore again(dir, notices);
    FUZZ_CHECK(again.importProfile(exported));
    FUZZ_CHECK(again.active() == store.active());
    return 0;
}
