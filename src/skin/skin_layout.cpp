// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "skin/skin_layout.h"

#include <algorithm>

#include "config/settings_page_rules.h"
#include "lighting/colours.h"
#include "lighting/lighting_params.h"

namespace z408::skin {

namespace {

Control c(std::string name, Look look, Rect r, std::string caption = {}) {
    Control out;
    out.name = std::move(name);
    out.look = look;
    out.rect = r;
    out.caption = std::move(caption);
    return out;
}

// A control whose text the program draws in the current language.
Control c(std::string name, Look look, Rect r, ProgramText text) {
    Control out = c(std::move(name), look, r);
    out.text = text;
    return out;
}

// A slider's groove, with the values its thumb stops at for the tick marks.
Control track(std::string name, Rect r, int firstStop, int lastStop) {
    Control out = c(std::move(name), Look::Track, r);
    out.firstStop = firstStop;
    out.lastStop = lastStop;
    return out;
}

Control quad(std::string name, std::array<Point, 4> q, ProgramText text,
             std::string textArgument = {}) {
    Control out;
    out.name = std::move(name);
    out.look = Look::QuadTab;
    out.quad = q;
    out.text = text;
    out.textArgument = std::move(textArgument);
    Rect b{q[0].x, q[0].y, q[0].x, q[0].y};
    for (const Point& p : q) {
        b.left = std::min(b.left, p.x);
        b.top = std::min(b.top, p.y);
        b.right = std::max(b.right, p.x);
        b.bottom = std::max(b.bottom, p.y);
    }
    out.rect = b;
    return out;
}

// Picks the English or the Chinese variant of a text or rectangle.
struct Pick {
    bool zh;
    std::string operator()(const char* en, const char* cn) const { return zh ? cn : en; }
    Rect operator()(Rect en, Rect cn) const { return zh ? cn : en; }
};

PageSkin mainWindow(Pick) {
    PageSkin p{
        "main", {"Main_Normal.bmp", "Main_Down.bmp", "Main_Over.bmp"}, kMainWidth, kMainHeight, {}};
    auto& v = p.controls;
    v.push_back(c("logo", Look::Logo, {22, 6, 520, 46}, ProgramText::CaptionAppName));
    v.push_back(c("minimise", Look::Glyph, {887, 2, 921, 33}, "min"));
    v.push_back(c("close", Look::Glyph, {922, 2, 956, 33}, "close"));
    const ProgramText tabTexts[] = {ProgramText::CaptionTabSettings,
                                    ProgramText::CaptionTabLighting, ProgramText::CaptionTabMacros,
                                    ProgramText::CaptionTabStatistics,
                                    ProgramText::CaptionTabSupport};
    const std::array<std::array<Point, 4>, 5> tabs = {{
        {{{30, 85}, {189, 85}, {210, 121}, {30, 121}}},
        {{{193, 85}, {375, 85}, {396, 121}, {214, 121}}},
        {{{377, 85}, {559, 85}, {579, 121}, {399, 121}}},
        {{{562, 85}, {743, 85}, {764, 121}, {583, 121}}},
        {{{747, 85}, {928, 85}, {928, 121}, {768, 121}}},
    }};
    for (int i = 0; i < 5; ++i)
        v.push_back(quad("tab" + std::to_string(i + 1), tabs[static_cast<size_t>(i)], tabTexts[i]));
    v.push_back(c("pages", Look::Panel, {15, 128, 940, 580}));
    v.push_back(c("flag", Look::Field, {17, 590, 57, 617}));
    v.push_back(c("language", Look::Button, {15, 617, 57, 635}, ProgramText::CaptionLanguage));
    v.push_back(c("hint", Look::Field, {64, 596, 303, 630}));
    const std::array<std::array<Point, 4>, 5> profiles = {{
        {{{342, 608}, {435, 608}, {414, 635}, {321, 635}}},
        {{{439, 608}, {533, 608}, {512, 635}, {417, 635}}},
        {{{536, 608}, {628, 608}, {605, 635}, {513, 635}}},
        {{{630, 608}, {723, 608}, {700, 635}, {607, 635}}},
        {{{725, 608}, {818, 608}, {795, 635}, {703, 635}}},
    }};
    for (int i = 0; i < 5; ++i) {
        std::string n = std::to_string(i + 1);
        v.push_back(
            quad("profile" + n, profiles[static_cast<size_t>(i)], ProgramText::CaptionProfile, n));
    }
    v.push_back(quad("apply", {{{841, 591}, {940, 591}, {940, 632}, {806, 632}}},
                     ProgramText::CaptionApply));
    return p;
}

PageSkin mainSettings(Pick t) {
    PageSkin p{"settings",
               {"Z408_Main_Normal.bmp", "Z408_Main_Down.bmp", "Z408_Main_Over.bmp"},
               kPageWidth,
               kPageHeight,
               {}};
    auto& v = p.controls;
    v.push_back(c("panelDpi", Look::Panel, {16, 18, 566, 114}));
    v.push_back(c("panelSpeed", Look::Panel, {16, 120, 356, 250}));
    v.push_back(c("panelSensor", Look::Panel, {362, 120, 690, 250}));
    v.push_back(c("panelRate", Look::Panel, {16, 256, 356, 356}));
    v.push_back(c("panelWheel", Look::Panel, {362, 256, 690, 402}));
    v.push_back(c("panelMouse", Look::Panel, {700, 18, 910, 402}));
    v.push_back(c("mousePicture", Look::MouseBody, {712, 92, 902, 340}));
    v.push_back(c("mouseTitle", Look::Label, {712, 26, 900, 48}, ProgramText::CaptionButtonMap));
    const Rect dpi[14] = {{69, 66, 109, 78},   {140, 66, 184, 78},  {206, 66, 251, 79},
                          {277, 66, 321, 78},  {347, 66, 394, 78},  {415, 66, 464, 80},
                          {486, 66, 534, 80},  {68, 90, 116, 103},  {139, 91, 186, 104},
                          {205, 91, 254, 103}, {276, 91, 323, 104}, {346, 91, 393, 103},
                          {415, 90, 461, 104}, {485, 90, 530, 104}};
    const char* dpiText[14] = {"500",  "750",  "1000", "1250", "1500", "2000", "2500",
                               "3000", "3250", "3500", "4000", "5000", "6000", "7000"};
    for (int i = 0; i < 14; ++i)
        v.push_back(c("dpi" + std::to_string(i), Look::Chip, dpi[i], dpiText[i]));
    v.push_back(track("speedSlider", {104, 167, 293, 179}, kPointerSpeedMin, kPointerSpeedMax));
    v.push_back(c("speedSlow", Look::Text, {22, 164, 100, 182}, ProgramText::CaptionSlow));
    v.push_back(c("speedFast", Look::Text, {298, 164, 350, 182}, ProgramText::CaptionFast));
    v.push_back(c("precision", Look::Check, {68, 203, 178, 219}, ProgramText::CaptionPrecision));
    v.push_back(track("heightSlider", {422, 167, 624, 179}, kHeightSliderMin, kHeightSliderMax));
    v.push_back(c("heightLow", Look::Text, {366, 164, 418, 182}, ProgramText::CaptionLow));
    v.push_back(c("heightHigh", Look::Text, {629, 164, 686, 182}, ProgramText::CaptionHigh));
    const Rect rate[4] = {
        {67, 303, 120, 317}, {134, 303, 190, 317}, {201, 303, 261, 317}, {271, 303, 331, 317}};
    const char* rateText[4] = {"125", "250", "500", "1000"};
    for (int i = 0; i < 4; ++i)
        v.push_back(c("rate" + std::to_string(i), Look::Chip, rate[i], rateText[i]));
    v.push_back(
        c("rateUnit", Look::Text, {30, 322, 200, 340}, ProgramText::CaptionReportsPerSecond));
    v.push_back(c("scrollLines", Look::Radio, t(Rect{406, 331, 669, 347}, Rect{406, 331, 558, 345}),
                  ProgramText::CaptionScrollLines));
    if (!t.zh)
        v.push_back(c("lineCountLabel", Look::Text, {424, 357, 544, 375},
                      ProgramText::CaptionLinesPerNotch));
    v.push_back(c("lineCount", Look::Field, t(Rect{550, 355, 573, 377}, Rect{574, 333, 590, 358})));
    v.push_back(
        c("lineUp", Look::Arrow, t(Rect{573, 350, 588, 361}, Rect{594, 330, 607, 340}), "up"));
    v.push_back(
        c("lineDown", Look::Arrow, t(Rect{573, 361, 588, 372}, Rect{594, 341, 607, 350}), "down"));
    v.push_back(c("scrollScreen", Look::Radio,
                  t(Rect{406, 375, 672, 393}, Rect{406, 361, 527, 375}),
                  ProgramText::CaptionScrollScreen));
    const Rect markers[7] = {{761, 144, 784, 169}, {793, 155, 821, 179}, {827, 145, 854, 170},
                             {722, 205, 747, 229}, {728, 241, 753, 262}, {794, 125, 820, 152},
                             {794, 181, 820, 206}};
    for (int i = 0; i < 7; ++i)
        v.push_back(c("marker" + std::to_string(i), Look::Marker, markers[i]));
    const Rect labels[6] = {{40, 27, 176, 49},   {29, 127, 288, 157},  {372, 129, 568, 154},
                            {30, 262, 208, 287}, {374, 263, 661, 287}, {29, 366, 205, 395}};
    const ProgramText labelTexts[6] = {
        ProgramText::CaptionDpiLevels,      ProgramText::CaptionPointerSpeed,
        ProgramText::CaptionLiftOff,        ProgramText::CaptionReportRate,
        ProgramText::CaptionWheelScrolling, ProgramText::CaptionButtons};
    for (int i = 0; i < 6; ++i)
        v.push_back(c("label" + std::to_string(i + 1), Look::Label, labels[i], labelTexts[i]));
    const std::array<std::array<Point, 4>, 7> tabs = {{
        {{{19, 408}, {127, 408}, {95, 441}, {19, 441}}},
        {{{130, 408}, {214, 408}, {182, 441}, {98, 441}}},
        {{{218, 408}, {302, 408}, {270, 441}, {186, 441}}},
        {{{306, 408}, {389, 408}, {357, 441}, {274, 441}}},
        {{{393, 408}, {476, 408}, {444, 441}, {361, 441}}},
        {{{481, 408}, {581, 408}, {549, 441}, {449, 441}}},
        {{{586, 408}, {692, 408}, {660, 441}, {554, 441}}},
    }};
    const ProgramText names[7] = {ProgramText::CaptionLeft,       ProgramText::CaptionMiddle,
                                  ProgramText::CaptionRight,      ProgramText::CaptionButtonForward,
                                  ProgramText::CaptionButtonBack, ProgramText::CaptionWheelUp,
                                  ProgramText::CaptionWheelDown};
    for (int i = 0; i < 7; ++i)
        v.push_back(quad("button" + std::to_string(i), tabs[static_cast<size_t>(i)], names[i]));
    return p;
}

PageSkin lighting(Pick t) {
    PageSkin p{"lighting",
               {"Light/LedSet_normal.bmp", "Light/LedSet_down.bmp", "Light/LedSet_over.bmp"},
               kPageWidth,
               kPageHeight,
               {}};
    auto& v = p.controls;
    v.push_back(c("panelModes", Look::Panel, {16, 10, 700, 214}));
    v.push_back(c("panelProximity", Look::Panel, {708, 10, 910, 106}));
    v.push_back(c("panelCurrent", Look::Panel, {708, 114, 910, 214}));
    v.push_back(c("panelColour", Look::Panel, {16, 222, 910, 446}));
    v.push_back(c("labelBacklight", Look::Label, {28, 16, 300, 40}, ProgramText::CaptionBacklight));
    // Mode buttons carry their language text as widget captions.
    v.push_back(c("mode4", Look::Toggle, {36, 52, 226, 78}));
    v.push_back(c("mode3", Look::Toggle, {36, 90, 226, 116}));
    v.push_back(c("mode6", Look::Toggle, {36, 128, 226, 154}));
    v.push_back(c("mode2", Look::Toggle, {244, 52, 434, 78}));
    v.push_back(track("mode2Slider", {456, 59, 676, 71}, kMode2SpeedMin, kMode2SpeedMax));
    v.push_back(c("mode1", Look::Toggle, {244, 90, 434, 116}));
    v.push_back(track("mode1Slider", {456, 97, 676, 109}, kMode1LevelMin, kMode1LevelMax));
    v.push_back(c("mode5", Look::Toggle, {244, 128, 434, 154}));
    v.push_back(track("mode5Slider", {456, 135, 676, 147}, kMode5SpeedMin, kMode5SpeedMax));
    v.push_back(
        c("multicolour", Look::Check, {244, 170, 434, 190}, ProgramText::CaptionMulticolour));
    v.push_back(c("multicolour1", Look::ColourWell, {456, 166, 492, 194}));
    v.push_back(c("multicolour2", Look::ColourWell, {500, 166, 536, 194}));
    v.push_back(c("multicolour3", Look::ColourWell, {544, 166, 580, 194}));
    // The single colour of modes 1 and 2; the page writes its language caption beside it.
    v.push_back(c("singleColour", Look::ColourWell, {36, 166, 72, 194}));
    v.push_back(
        c("labelProximity", Look::Label, {720, 16, 900, 40}, ProgramText::CaptionProximity));
    v.push_back(c("proximityOn", Look::Toggle, {720, 58, 808, 84}));
    v.push_back(c("proximityOff", Look::Toggle, {816, 58, 904, 84}));
    v.push_back(
        c("labelCurrent", Look::Label, {720, 120, 900, 144}, ProgramText::CaptionCurrentColour));
    // The colour being edited, drawn by the page.
    v.push_back(c("currentColour", Look::ColourWell, {722, 154, 896, 202}));
    v.push_back(c("labelColour", Look::Label, {28, 228, 168, 252}, ProgramText::CaptionColour));
    const int swLeft = t.zh ? 140 : 177;
    const int swTop = t.zh ? 256 : 258;
    const int swBottom = t.zh ? 289 : 290;
    v.push_back(c("labelPreset", Look::Text, {swLeft, 230, swLeft + 271, 250},
                  ProgramText::CaptionPresetColours));
    for (int k = 0; k < 26; ++k) {
        int col = k % 7, row = k / 7;
        int left = swLeft + 40 * col - (col > 4 ? 1 : 0);
        Control s = c("swatch" + std::to_string(k), Look::Swatch,
                      {left, swTop + 41 * row, left + 31, swBottom + 41 * row});
        const uint32_t preset = kPresetColourTable[static_cast<size_t>(k)];
        s.colour = unsigned{redOf(preset)} << 16 | unsigned{greenOf(preset)} << 8 | blueOf(preset);
        v.push_back(s);
    }
    v.push_back(
        c("labelCustom", Look::Text, {480, 230, 760, 250}, ProgramText::CaptionCustomColour));
    const char* chan[3] = {"R", "G", "B"};
    const char* names[3] = {"red", "green", "blue"};
    for (int i = 0; i < 3; ++i) {
        int y = 272 + 42 * i;
        v.push_back(
            c(std::string(names[i]) + "Name", Look::Text, {480, y - 4, 496, y + 16}, chan[i]));
        v.push_back(track(std::string(names[i]) + "Slider", {502, y, 700, y + 12},
                          kColourChannelMin, kColourChannelMax));
        v.push_back(c(std::string(names[i]) + "Value", Look::Field, {710, y - 4, 756, y + 16}));
    }
    v.push_back(c("colourWheel", Look::ColourWheel, {771, 264, 891, 383}));
    return p;
}

PageSkin macroPage(Pick t) {
    PageSkin p{"macro",
               {"Macro_normal.bmp", "Macro_down.bmp", "Macro_over.bmp"},
               kPageWidth,
               kPageHeight,
               {}};
    auto& v = p.controls;
    v.push_back(c("panelMacros", Look::Panel, {14, 10, 336, 446}));
    v.push_back(c("panelEvents", Look::Panel, {334 + 4, 10, 634, 446}));
    v.push_back(c("panelTools", Look::Panel, {640, 10, 910, 446}));
    v.push_back(c("presetLabel", Look::Label, {24, 19, 220, 40}, ProgramText::CaptionGame));
    v.push_back(c("presetButton", Look::Button, {25, 48, 327, 71}, "dropdown"));
    v.push_back(c("macroFrame", Look::ListFrame, {26, 87, 326, 407}));
    v.push_back(c("newMacro", Look::Button, {26, 412, 67, 441}));
    v.push_back(c("deleteMacro", Look::Button, {77, 412, 139, 441}));
    v.push_back(c("eventLabel", Look::Label, {346, 19, 620, 39}, ProgramText::CaptionEvents));
    v.push_back(c("eventFrame", Look::ListFrame, {342, 49, 626, 407}));
    v.push_back(c("insert", Look::Button, t(Rect{343, 412, 373, 440}, Rect{361, 412, 391, 441})));
    v.push_back(
        c("deleteEvent", Look::Button, t(Rect{376, 412, 406, 440}, Rect{394, 412, 424, 441})));
    v.push_back(c("modify", Look::Button, t(Rect{409, 412, 439, 440}, Rect{427, 412, 457, 441})));
    v.push_back(c("record", Look::Button, {783, 22, 899, 53}, "record"));
    v.push_back(c("ignoreDelays", Look::Toggle, {646, 58, 834, 76}));
    v.push_back(c("loopLabel", Look::Text, {648, 85, 846, 104}, ProgramText::CaptionLoopCount));
    v.push_back(c("loopCount", Look::Field, {852, 87, 892, 102}));
    v.push_back(c("mousePicture", Look::MouseBody, {700, 140, 840, 300}));
    // The three buttons sit on the picture's buttons, above the line where they meet the palm
    // (y 220); the Chinese ones are taller, as their layout had them.
    v.push_back(c("mouseLeft", Look::Chip, t(Rect{715, 185, 740, 207}, Rect{718, 172, 745, 216})));
    v.push_back(
        c("mouseMiddle", Look::Chip, t(Rect{756, 166, 780, 189}, Rect{754, 165, 782, 216})));
    v.push_back(c("mouseRight", Look::Chip, t(Rect{802, 186, 825, 209}, Rect{791, 172, 823, 216})));
    // The event editor's controls are hidden until used: the normal image shows only their place.
    v.push_back(
        c("editorTitle", Look::Text, {646, 292, 904, 312}, ProgramText::CaptionEventEditor));
    const size_t firstEditor = v.size();
    v.push_back(c("keyChoice", Look::Radio, t(Rect{644, 316, 779, 335}, Rect{644, 340, 757, 357}),
                  ProgramText::CaptionKey));
    // The OK buttons carry the key/delay caption of the language: room for the longest one
    // ("Задержка"), taken from the boxes, which hold one character or four digits.
    v.push_back(c("keyBox", Look::Field, t(Rect{664, 340, 810, 358}, Rect{666, 365, 808, 379})));
    v.push_back(c("keyOk", Look::Button, t(Rect{818, 340, 892, 358}, Rect{818, 362, 892, 383})));
    v.push_back(c("delayChoice", Look::Radio, t(Rect{644, 364, 790, 382}, Rect{644, 389, 768, 405}),
                  ProgramText::CaptionDelay));
    v.push_back(c("delayBox", Look::Field, t(Rect{664, 389, 810, 407}, Rect{666, 415, 808, 428})));
    v.push_back(c("delayOk", Look::Button, t(Rect{818, 389, 892, 407}, Rect{818, 412, 892, 434})));
    for (size_t i = firstEditor; i < v.size(); ++i) v[i].hiddenUntilUsed = true;
    return p;
}

PageSkin statistics(Pick t) {
    PageSkin p{
        "stats", {"Sts_Normal.bmp", "Sts_Down.bmp", "Sts_Over.bmp"}, kPageWidth, kPageHeight, {}};
    auto& v = p.controls;
    v.push_back(c("panelCounters", Look::Panel, {14, 10, 300, 446}));
    v.push_back(c("panelLevel", Look::Panel, {616, 10, 910, 446}));
    v.push_back(c("title", Look::Label, {28, 18, 290, 42}, ProgramText::CaptionStatistics));
    const int labelRight = t.zh ? 164 : 150;
    const int valueRight = t.zh ? 242 : 227;
    v.push_back(c("headClicks", Look::Text, {28, 58, 290, 80}, ProgramText::CaptionClicks));
    const ProgramText rows[8] = {ProgramText::CaptionLeft,    ProgramText::CaptionMiddle,
                                 ProgramText::CaptionRight,   ProgramText::CaptionTotal,
                                 ProgramText::CaptionForward, ProgramText::CaptionBackward,
                                 ProgramText::CaptionTotal,   ProgramText::CaptionDistance};
    const int tops[8] = {85, 119, 152, 183, 250, 284, 319, 384};
    for (int i = 0; i < 8; ++i) {
        int right = (i == 7 && t.zh) ? 184 : labelRight;
        v.push_back(
            c("row" + std::to_string(i), Look::Text, {28, tops[i], right, tops[i] + 20}, rows[i]));
        // In the Chinese layout the distance sits further right, under its longer name, leaving
        // its unit the room a Latin "10k px" needs.
        int vl = (i == 7 && t.zh) ? 179 : valueRight - 75;
        int vr = (i == 7 && t.zh) ? 254 : valueRight;
        v.push_back(c("value" + std::to_string(i), Look::Field,
                      {vl - 4, tops[i] - 1, vr + 4, tops[i] + 21}));
    }
    v.push_back(c("headWheel", Look::Text, {28, 224, 290, 246}, ProgramText::CaptionWheel));
    v.push_back(c("headTravel", Look::Text, {28, 358, 290, 380}, ProgramText::CaptionPointer));
    v.push_back(c("travelUnit", Look::Text, {t.zh ? 260 : 233, 384, 298, 404},
                  ProgramText::CaptionTravelUnit));
    v.push_back(c("trophy", Look::TrophyStage, {309, 0, 607, 451}));
    v.push_back(c("levelTitle", Look::Label, {630, 18, 900, 42}, ProgramText::CaptionTrophyLevel));
    v.push_back(c("levelBar", Look::LevelBar, {631, 62, 904, 77}));
    for (int i = 0; i < 13; ++i) {
        int left = 647 + 50 * (i % 5), top = 132 + 58 * (i / 5);
        v.push_back(c("trophy" + std::to_string(i), Look::Trophy, {left, top, left + 43, top + 50},
                      std::to_string(i + 1)));
    }
    v.push_back(c("reset", Look::Button, {703, 379, 832, 410}));
    return p;
}

PageSkin support(Pick) {
    PageSkin p{"support",
               {"support_normal.bmp", "support_down.bmp", "support_over.bmp"},
               kPageWidth,
               kPageHeight,
               {}};
    auto& v = p.controls;
    v.push_back(c("panelVersions", Look::Panel, {16, 14, 910, 222}));
    v.push_back(c("panelOnline", Look::Panel, {16, 230, 910, 330}));
    v.push_back(c("panelProfile", Look::Panel, {16, 338, 500, 446}));
    v.push_back(c("panelReset", Look::Panel, {508, 338, 910, 446}));
    v.push_back(c("labelVersions", Look::Label, {30, 22, 400, 46}, ProgramText::CaptionAbout));
    v.push_back(c("product", Look::Text, {30, 52, 880, 96}, ProgramText::CaptionProduct));
    v.push_back(
        c("driverVersion", Look::Label, {77, 110, 274, 141}, ProgramText::CaptionDriverVersion));
    v.push_back(c("firmwareVersion", Look::Label, {380, 113, 559, 140},
                  ProgramText::CaptionFirmwareVersion));
    v.push_back(c("labelOnline", Look::Label, {30, 238, 400, 262}, ProgramText::CaptionOnline));
    v.push_back(
        c("updateText", Look::Text, {30, 268, 398, 290}, ProgramText::CaptionCheckFirmware));
    v.push_back(c("update", Look::Button, {405, 264, 520, 293}, ProgramText::CaptionUpdate));
    v.push_back(c("webText", Look::Text, {540, 268, 704, 290}, ProgramText::CaptionVisitWebsite));
    v.push_back(c("web", Look::Button, {711, 264, 826, 293}, ProgramText::CaptionWebsite));
    v.push_back(
        c("labelProfile", Look::Label, {30, 346, 480, 370}, ProgramText::CaptionProfileFile));
    v.push_back(c("import", Look::Button, {134, 389, 224, 420}, ProgramText::CaptionImport));
    v.push_back(c("export", Look::Button, {234, 389, 324, 420}, ProgramText::CaptionExport));
    v.push_back(
        c("labelReset", Look::Label, {522, 346, 900, 370}, ProgramText::CaptionFactorySettings));
    v.push_back(
        c("resetText", Look::Text, {522, 392, 778, 414}, ProgramText::CaptionRestoreDefaults));
    v.push_back(c("restore", Look::Button, {785, 388, 873, 417}, ProgramText::CaptionRestore));
    return p;
}

PageSkin picker(Pick t) {
    PageSkin p{
        "picker",
        {"setting/Setting_Normal.bmp", "setting/Setting_Down.bmp", "setting/Setting_Over.bmp"},
        kPickerWidth,
        kPickerHeight,
        {}};
    auto& v = p.controls;
    v.push_back(c("close", Look::Glyph, {383, 1, 411, 24}, "close"));
    v.push_back(c("tabCombo", Look::Tab, {0, 37, 110, 64}));
    v.push_back(c("tabMacro", Look::Tab, {111, 37, 207, 64}));
    v.push_back(c("tabBasic", Look::Tab, {208, 37, 303, 64}));
    v.push_back(c("tabAdvanced", Look::Tab, {304, 37, 412, 64}));
    v.push_back(c("pageArea", Look::Panel, {17, 70, 395, 247}));
    v.push_back(c("disable", Look::Check, {23, 258, 42, 277}));
    v.push_back(c("default", Look::Button, {238, 254, 315, 289}));
    v.push_back(c("ok", Look::Button, {316, 254, 393, 289}));
    (void)t;
    return p;
}

PageSkin pickerBase(Pick) {
    PageSkin p{"base",
               {"base/Base_Normal.bmp", "base/Base_Down.bmp", "base/Base_Over.bmp"},
               kPickerPageWidth,
               kPickerPageHeight,
               {}};
    p.controls.push_back(c("list", Look::ListFrame, {0, 0, 370, 169}));
    return p;
}

PageSkin pickerAdvanced(Pick) {
    PageSkin p{"advanced",
               {"advanced/Advanced_Normal.bmp", "advanced/Advanced_Down.bmp",
                "advanced/Advanced_Over.bmp"},
               kPickerPageWidth,
               kPickerPageHeight,
               {}};
    auto& v = p.controls;
    v.push_back(c("title", Look::Text, {10, 6, 360, 28}, ProgramText::CaptionRunOnComputer));
    const Rect choice[4] = {
        {21, 37, 38, 54}, {21, 63, 38, 80}, {21, 88, 38, 105}, {21, 114, 38, 131}};
    const Rect path[4] = {
        {124, 36, 263, 52}, {124, 63, 262, 79}, {124, 89, 262, 105}, {124, 116, 262, 132}};
    const Rect browse[4] = {
        {273, 33, 349, 55}, {273, 59, 349, 81}, {273, 86, 349, 108}, {273, 113, 349, 135}};
    for (int k = 0; k < 4; ++k) {
        std::string n = std::to_string(k);
        v.push_back(c("choice" + n, Look::Radio, choice[k]));
        v.push_back(c("path" + n, Look::Field, path[k]));
        v.push_back(c("browse" + n, Look::Button, browse[k]));
    }
    return p;
}

PageSkin pickerMacro(Pick) {
    PageSkin p{"pmacro",
               {"macro/Macro_Normal.bmp", "macro/Macro_Down.bmp", "macro/Macro_Over.bmp"},
               kPickerPageWidth,
               kPickerPageHeight,
               {}};
    p.controls.push_back(c("games", Look::ListFrame, {1, 1, 192, 168}));
    p.controls.push_back(c("macros", Look::ListFrame, {196, 1, 369, 168}));
    return p;
}

PageSkin pickerCombo(Pick) {
    PageSkin p{"combo",
               {"combo/Combo_Normal.bmp", "combo/Combo_Down.bmp", "combo/Combo_Over.bmp"},
               kPickerPageWidth,
               kPickerPageHeight,
               {}};
    auto& v = p.controls;
    v.push_back(c("modifiers", Look::Label, {20, 12, 150, 34}, ProgramText::CaptionModifiers));
    const Rect boxes[4] = {
        {59, 45, 72, 58}, {59, 70, 72, 83}, {59, 94, 72, 108}, {58, 119, 72, 133}};
    const char* names[4] = {"Ctrl", "Alt", "Shift", "Win"};
    const char* ids[4] = {"ctrl", "alt", "shift", "win"};
    for (int i = 0; i < 4; ++i) {
        v.push_back(c(ids[i], Look::Check, boxes[i]));
        Rect r = boxes[i];
        v.push_back(c(std::string(ids[i]) + "Name", Look::Text,
                      {r.right + 8, r.top - 3, r.right + 80, r.bottom + 3}, names[i]));
    }
    v.push_back(c("keyTitle", Look::Label, {168, 12, 350, 34}, ProgramText::CaptionKey));
    v.push_back(c("keyHint", Look::Text, {168, 50, 360, 72}, ProgramText::CaptionPressAKey));
    v.push_back(c("key", Look::Field, {166, 76, 328, 101}));
    return p;
}

PageSkin infoBox(Pick t, bool twoButtons) {
    PageSkin p;
    p.id = twoButtons ? "info2" : "info1";
    p.files = twoButtons ? std::array<std::string, 3>{"1006", "1008", "1004"}
                         : std::array<std::string, 3>{"1007", "1009", "1005"};
    p.width = kInfoWidth;
    p.light = true;
    p.height = kInfoHeight;
    auto& v = p.controls;
    v.push_back(c("close", Look::Glyph, {300, 0, 329, 29}, "close"));
    v.push_back(c("icon", Look::Marker, {34, 60, 74, 100}, "i"));
    if (twoButtons) {
        v.push_back(c("ok", Look::Button, {178, 127, 244, 159}));
        v.push_back(c("cancel", Look::Button, {245, 127, 311, 159}));
    } else {
        v.push_back(c("ok", Look::Button, {240, 127, 306, 159}));
    }
    (void)t;
    return p;
}

PageSkin progress(Pick) {
    PageSkin p{"progress",
               {"ProgressBar/Progress_Normal.png", "ProgressBar/Progress_Over.png", ""},
               kProgressWidth,
               kProgressHeight,
               {}};
    p.controls.push_back(c("bar", Look::LevelBar, {35, 47, 295, 56}));
    return p;
}

}  // namespace

std::vector<PageSkin> pageSkins(Layout layout) {
    std::vector<PageSkin> out;
    for (const char* id : {"main", "settings", "lighting", "macro", "stats", "support", "picker",
                           "base", "advanced", "pmacro", "combo", "info1", "info2", "progress"})
        out.push_back(pageSkin(id, layout));
    return out;
}

PageSkin pageSkin(std::string_view id, Layout layout) {
    Pick t{layout == Layout::Chinese};
    if (id == "main") return mainWindow(t);
    if (id == "settings") return mainSettings(t);
    if (id == "lighting") return lighting(t);
    if (id == "macro") return macroPage(t);
    if (id == "stats") return statistics(t);
    if (id == "support") return support(t);
    if (id == "picker") return picker(t);
    if (id == "base") return pickerBase(t);
    if (id == "advanced") return pickerAdvanced(t);
    if (id == "pmacro") return pickerMacro(t);
    if (id == "combo") return pickerCombo(t);
    if (id == "info1") return infoBox(t, false);
    if (id == "info2") return infoBox(t, true);
    if (id == "progress") return progress(t);
    return {};
}

std::vector<TrackTick> trackTicks(const Control& track) {
    std::vector<TrackTick> ticks;
    const int span = track.lastStop - track.firstStop;
    const int room = track.rect.width() - kSliderThumbWidth;
    if (track.look != Look::Track || span <= 0 || room <= 0) return ticks;
    auto xOf = [&](int value) {
        return track.rect.left + room * (value - track.firstStop) / span + kSliderThumbWidth / 2;
    };
    int step = 1;
    for (int k : {1, 2, 5, 10, 20, 25, 50, 100, 200, 250, 500}) {
        step = k;
        if (room * k >= kMinTickGap * span) break;
    }
    for (int value = track.firstStop; value < track.lastStop; value += step) {
        // A stop just short of the last one would crowd its mark.
        if (value != track.firstStop && xOf(track.lastStop) - xOf(value) < kMinTickGap) break;
        ticks.push_back({xOf(value), value, value == track.firstStop});
    }
    ticks.push_back({xOf(track.lastStop), track.lastStop, true});
    return ticks;
}

const Control* findControl(const PageSkin& page, std::string_view name) {
    for (const Control& ctl : page.controls)
        if (ctl.name == name) return &ctl;
    return nullptr;
}

}  // namespace z408::skin
