// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include <gtest/gtest.h>

#include "common/binary.h"
#include "common/text.h"
#include "config/profile_settings.h"

namespace z408 {
namespace {

// The default image written out field by field from the record's layout, independently of the
// accessors under test.
ProfileImage expectedDefaults(bool chinese) {
    ProfileImage img{};
    le::put32(img, 0, 0x80800280);
    const uint32_t functions[] = {1, 4, 2, 8, 16, 11, 22};
    const char16_t* en[] = {u"Click", u"Middle",    u"Menu",  u"Forward",
                            u"Back",  u"Scroll up", u"Scroll"};
    const char16_t* zh[] = {u"单击", u"中键", u"菜单", u"前进", u"后退", u"滚轮前滚", u"滚轮后滚"};
    for (size_t b = 0; b < 7; ++b) {
        const size_t base = 4 + 3148 * b;
        le::put32(img, base, functions[b]);
        const std::u16string_view name = chinese ? zh[b] : en[b];
        for (size_t i = 0; i < name.size(); ++i) le::put16(img, base + 548 + 2 * i, name[i]);
    }
    const uint32_t dpi[] = {750, 1250, 1500, 2000, 2500, 3500, 4000};
    for (size_t i = 0; i < 7; ++i) le::put32(img, 22040 + 4 * i, dpi[i]);
    le::put32(img, 22160, 15);
    le::put32(img, 22164, 1);
    le::put32(img, 22168, 5);
    for (size_t i = 0; i < 4; ++i) {
        le::put32(img, 22176 + 4 * i, 0x000000FF);
        le::put32(img, 22192 + 4 * i, 1);
    }
    le::put32(img, 22224, 1);
    le::put32(img, 22232, 10);
    le::put32(img, 22236, 5);
    le::put32(img, 22240, 3);
    le::put32(img, 22244, 4);
    le::put32(img, 22248, 3);
    return img;
}

TEST(ProfileSettings, DefaultImageIsByteExactInBothLanguages) {
    for (bool chinese : {false, true}) {
        const auto p = ProfileSettings::defaults(chinese);
        EXPECT_EQ(p.image(), expectedDefaults(chinese)) << "chinese=" << chinese;
        EXPECT_EQ(p.image().size(), 22252u);
        EXPECT_EQ(p.image()[0], 0x80);
        EXPECT_EQ(p.image()[1], 0x02);
        EXPECT_EQ(p.image()[2], 0x80);
        EXPECT_EQ(p.image()[3], 0x80);
    }
    EXPECT_EQ(utf16ToUtf8(ProfileSettings::defaults(false).button(6).displayName()), "Scroll");
}

TEST(ProfileSettings, FieldsLandAtTheirOffsets) {
    ProfileSettings p;
    p.setWheelLines(-1);
    p.setColour(3, 0x00112233);
    p.setPresetIndex(2, 25);
    p.setDpiLevel(6, 12000);
    auto b3 = p.button(3);
    b3.setFunctionType(19);
    b3.setSoftwareKind(0xD0);
    b3.setSoftwareValue(0x00D30006);
    b3.setBindingCode(0x00090100);
    b3.setMacroId(0x15123456);
    const auto& img = p.image();
    EXPECT_EQ(le::get32(img, 22248), 0xFFFFFFFFu);
    EXPECT_EQ(le::get32(img, 22188), 0x00112233u);
    EXPECT_EQ(le::get32(img, 22216), 25u);
    EXPECT_EQ(le::get32(img, 22064), 12000u);
    const size_t base = 4 + 3 * 3148;
    EXPECT_EQ(le::get32(img, base + 0), 19u);
    EXPECT_EQ(le::get32(img, base + 4), 0x15123456u);
    EXPECT_EQ(le::get32(img, base + 8), 0xD0u);
    EXPECT_EQ(le::get32(img, base + 16), 0x00090100u);
    EXPECT_EQ(le::get32(img, base + 20), 0x00D30006u);
    EXPECT_EQ(p.wheelLines(), -1);
}

TEST(ProfileSettings, PathOf259CharactersFitsWithItsTerminator) {
    ProfileSettings p;
    const std::u16string path259(259, u'x');
    EXPECT_TRUE(p.button(0).setPath(path259));
    EXPECT_EQ(p.button(0).path(), path259);
    EXPECT_EQ(le::get16(p.image(), 4 + 24 + 2 * 259), 0);
    // One more character is cut, never written over the next field.
    EXPECT_FALSE(p.button(0).setPath(path259 + u"y"));
    EXPECT_EQ(p.button(0).path(), path259);
    EXPECT_EQ(le::get32(p.image(), 4 + 544), 0u);
}

TEST(ProfileSettings, UnterminatedNameFromAFileIsBounded) {
    ProfileImage img{};
    img.fill(0x41);  // every field full of 'A' units, no terminator anywhere
    ProfileSettings p;
    p.assign(img);
    EXPECT_EQ(p.button(6).displayName().size(), 259u);
    EXPECT_EQ(p.button(6).path().size(), 259u);
}

TEST(ProfileSettings, ShortInputLeavesTailZeroAndLongInputIsCut) {
    ProfileSettings p = ProfileSettings::defaults(false);
    const std::vector<uint8_t> head = {0x80, 0x02, 0x80, 0x80, 9};
    p.assign(head);
    EXPECT_TRUE(p.hasMagic());
    EXPECT_EQ(p.button(0).functionType(), 9u);
    EXPECT_EQ(p.dpiLevel(0), 0u);
    std::vector<uint8_t> big(kProfileSize + 100, 0);
    p.assign(big);
    EXPECT_FALSE(p.hasMagic());
}

TEST(ProfileSettings, ReportRates) {
    EXPECT_EQ(reportRateHz(1), 1000u);
    EXPECT_EQ(reportRateHz(2), 500u);
    EXPECT_EQ(reportRateHz(4), 250u);
    EXPECT_EQ(reportRateHz(8), 125u);
    EXPECT_EQ(reportRateHz(3), 0u);
}

}  // namespace
}  // namespace z408
