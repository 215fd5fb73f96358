// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include <gtest/gtest.h>

#include <unistd.h>

#include <fstream>
#include <vector>

#include "common/file_io.h"
#include "common/text.h"
#include "formats/xml_test_util.h"
#include "i18n/language_choice.h"
#include "i18n/language_context.h"
#include "i18n/language_file.h"
#include "i18n/languages.h"
#include "temp_dir.h"

namespace z408 {
namespace {

using test::bytesOf;
using test::utf8;

std::vector<uint8_t> readAll(const std::filesystem::path& p) {
    std::vector<uint8_t> out;
    readFilePrefix(p, 1024, out);
    return out;
}

void writeBytes(const std::filesystem::path& p, std::string_view bytes) {
    std::filesystem::create_directories(p.parent_path());
    std::ofstream(p, std::ios::binary) << bytes;
}

TEST(LanguageKeys, OrderAndSpelling) {
    EXPECT_EQ(kLanguageKeys[0], u"str_main");
    EXPECT_EQ(kLanguageKeys[10], u"str_ok");
    EXPECT_EQ(kLanguageKeys[81], u"str_msg2");
    EXPECT_EQ(kLanguageKeys[113], u"str_firmware_version");
    EXPECT_EQ(languageKeyIndex(u"str_led_changeClolor"), 54u);
    EXPECT_EQ(languageKeyIndex(u"str_marco_list"), 110u);
    EXPECT_EQ(languageKeyIndex(u"str_OK"), std::nullopt);  // keys compare with their case
    for (size_t i = 0; i < kLanguageKeyCount; ++i)
        EXPECT_EQ(languageKeyIndex(kLanguageKeys[i]), i) << "duplicate " << languageKeyName(i);
}

struct LookUpCase {
    const char* what;
    const char* xml;
    const char16_t* expected;  // text of str_ok
};

TEST(LookUpText, SectionRules) {
    const LookUpCase cases[] = {
        {"root of any name, config child",
         "<whatever><config><str_ok>OK</str_ok></config></whatever>", u"OK"},
        {"key directly under the root", "<r><str_ok>OK</str_ok></r>", u""},
        {"root itself named config", "<config><str_ok>OK</str_ok></config>", u""},
        {"key twice: the first wins",
         "<r><config><str_ok>1</str_ok><str_ok>2</str_ok></config></r>", u"1"},
        {"key with child elements", "<r><config><str_ok>x<b>y</b></str_ok></config></r>", u""},
        {"second sibling config is never searched",
         "<r><config><str_main>m</str_main></config><config><str_ok>OK</str_ok></config></r>", u""},
        {"config nested in config is searched",
         "<r><config><x/><config><str_ok>deep</str_ok></config></config></r>", u"deep"},
        {"key case differs", "<r><config><STR_OK>OK</STR_OK></config></r>", u""},
        {"white space and references kept", "<r><config><str_ok> &lt;OK&gt; </str_ok></config></r>",
         u" <OK> "},
        {"a recoverable error before the key",
         "<r><config><str_main>m</str_mian><str_ok>OK</str_ok></config></r>", u"OK"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        XmlDocument doc;
        doc.LoadBytes(bytesOf(c.xml));
        EXPECT_EQ(LookUpText(doc, u"config", u"str_ok"), c.expected);
    }
}

// Loading reads every key in one walk; each must come out as the search for that key finds it.
TEST(ReadLanguageTexts, GivesWhatLookUpTextFindsForEveryKey) {
    std::vector<std::string> docs = {
        "<r><config><str_main>a</str_main><config><str_ok>b</str_ok><str_main>c</str_main>"
        "<config><str_sts>d</str_sts></config></config><str_ok>e</str_ok></config></r>",
        "<r><config><str_ok/><str_ok>late</str_ok><config><str_ok>deep</str_ok></config>"
        "</config></r>",
        "<config><str_ok>root only</str_ok></config>",
        "",
    };
    const std::filesystem::path shipped = std::filesystem::path(Z408_SOURCE_DIR) / "data/Language";
    for (const auto& file : std::filesystem::directory_iterator(shipped)) {
        std::vector<uint8_t> bytes;
        readFilePrefix(file.path(), XmlDocument::kMaxDocumentBytes, bytes);
        docs.emplace_back(bytes.begin(), bytes.end());
    }
    for (const std::string& xml : docs) {
        SCOPED_TRACE(xml.substr(0, 60));
        XmlDocument doc;
        doc.LoadBytes(bytesOf(xml));
        LanguageStrings strings;
        strings.set(0, u"stale");
        ReadLanguageTexts(doc, strings);
        for (size_t i = 0; i < kLanguageKeyCount; ++i)
            EXPECT_EQ(strings.text(i), LookUpText(doc, u"config", kLanguageKeys[i])) << i;
    }
}

TEST(LookUpText, DeeplyNestedSectionsAreWalkedWithoutRecursion) {
    std::string xml = "<r>";
    for (int i = 0; i < 200'000; ++i) xml += "<config>";
    xml += "<str_ok>found</str_ok>";
    for (int i = 0; i < 200'000; ++i) xml += "</config>";
    xml += "</r>";
    XmlDocument doc;
    ASSERT_TRUE(doc.LoadBytes(bytesOf(xml)));
    EXPECT_EQ(LookUpText(doc, u"config", u"str_ok"), u"found");
}

TEST(LoadLanguage, FixturesInEveryEncoding) {
    const std::filesystem::path data = std::filesystem::path(Z408_TEST_DATA) / "i18n";
    for (const char* name : {"complete.xml", "complete_utf16le.xml"}) {
        SCOPED_TRACE(name);
        XmlDocument doc;
        LanguageStrings strings;
        EXPECT_TRUE(LoadLanguage(doc, strings, data / name));
        EXPECT_EQ(strings.filledCount(), kLanguageKeyCount);
        EXPECT_EQ(strings.utf8(u"str_ok"), "OK & go");
        EXPECT_EQ(strings.utf8(u"str_tarvoWeb"), "<www.example.com>");
        EXPECT_EQ(strings.utf8(u"str_msg2"), "Cannot open %s.");
    }
    XmlDocument doc;
    LanguageStrings strings;
    LoadLanguage(doc, strings, data / "complete_utf16le.xml");
    EXPECT_EQ(strings.utf8(u"str_main"), "\xD0\xA2\xD0\xB5\xD0\xBA\xD1\x81\xD1\x82 1");
}

TEST(LoadLanguage, BrokenFileKeepsWhatCouldBeParsedAndMissingFileEmptiesAll) {
    const std::filesystem::path data = std::filesystem::path(Z408_TEST_DATA) / "i18n";
    XmlDocument doc;
    LanguageStrings strings;
    EXPECT_FALSE(LoadLanguage(doc, strings, data / "broken_unclosed.xml"));
    // The unclosed str_sts swallows nothing: its siblings are moved back up.
    EXPECT_EQ(strings.utf8(u"str_about"), "Text 5");
    EXPECT_EQ(strings.utf8(u"str_sts"), "");
    EXPECT_EQ(strings.utf8(u"str_cups"), "Text 75");

    EXPECT_FALSE(LoadLanguage(doc, strings, data / "no-such-file.xml"));
    EXPECT_EQ(strings.filledCount(), 0u);
}

// --- Choice files ---

TEST(LanguageChoice, ReadReplacesLowBytesOfOne) {
    const std::pair<std::string, int32_t> cases[] = {
        {std::string(), 1},
        {std::string("\x05", 1), 5},
        {std::string("\x00", 1), 0},
        {std::string("\x00\x01", 2), 256},
        {std::string("\x0C\x00\x00", 3), 12},
        {std::string("\x0D\x00\x00\x00", 4), 13},
        {std::string("\xFF\xFF\xFF\xFF", 4), -1},
        {std::string("\x02\x00\x00\x00\x09\x09", 6), 2},
    };
    for (const auto& [bytes, id] : cases) {
        test::TempDir dir;
        writeBytes(dir / "Language.cfg", bytes);
        RecordingNotices notices;
        EXPECT_EQ(ReadLanguageChoice(dir.path(), notices), id) << bytes.size() << " bytes";
        EXPECT_TRUE(notices.shown.empty());
    }
}

TEST(LanguageChoice, MissingFileIsReportedAndGivesOne) {
    test::TempDir dir;
    RecordingNotices notices;
    EXPECT_EQ(ReadLanguageChoice(dir.path(), notices), 1);
    ASSERT_EQ(notices.shown.size(), 1u);
    EXPECT_EQ(notices.shown[0].style, NoticeStyle::InfoBox);
    EXPECT_FALSE(notices.shown[0].withCancel);
    EXPECT_EQ(notices.shown[0].text, "Failed to open file, check whether there is a " +
                                         (dir / "Language.cfg").string() + " path?");
}

TEST(LanguageChoice, SaveWritesFourBytesAndReportsFailures) {
    test::TempDir dir;
    RecordingNotices notices;
    EXPECT_TRUE(SaveLanguageChoice(dir.path(), 13, notices));
    EXPECT_EQ(readAll(dir / "Language.cfg"), (std::vector<uint8_t>{13, 0, 0, 0}));
    EXPECT_TRUE(SaveLanguageChoice(dir.path(), -2, notices));
    EXPECT_EQ(readAll(dir / "Language.cfg"), (std::vector<uint8_t>{0xFE, 0xFF, 0xFF, 0xFF}));
    EXPECT_TRUE(notices.shown.empty());

    EXPECT_FALSE(SaveLanguageChoice(dir / "missing", 2, notices));
    ASSERT_EQ(notices.shown.size(), 1u);
    EXPECT_EQ(notices.shown[0].style, NoticeStyle::MessageBox);
    EXPECT_EQ(notices.shown[0].caption, "Info");
    EXPECT_EQ(notices.shown[0].text, "Failed to open " + (dir / "missing/Language.cfg").string());

    if (::geteuid() != 0) {  // root writes anywhere
        std::filesystem::permissions(dir.path(), std::filesystem::perms::owner_write,
                                     std::filesystem::perm_options::remove);
        EXPECT_FALSE(SaveLanguageChoice(dir.path(), 3, notices));
        ASSERT_EQ(notices.shown.size(), 2u);
        EXPECT_EQ(notices.shown[1].text, "str_msg5");
        EXPECT_EQ(readAll(dir / "Language.cfg"), (std::vector<uint8_t>{0xFE, 0xFF, 0xFF, 0xFF}));
    }
}

TEST(LanguageChoice, IniReader) {
    const std::pair<const char*, int32_t> cases[] = {
        {"[languagetype]\nvalue=1\n", 1},
        {"[languagetype]\r\nvalue=0\r\n", 0},
        {"\xEF\xBB\xBF[LanguageType]\n  Value = 1 ; comment\n", 1},
        {"[other]\nvalue=1\n[languagetype]\nother=1\n", 0},
        {"[languagetype]\nvalue=abc\n", 0},
        {"[languagetype]\nvalue=12xyz\n", 12},
        {"[languagetype]\nvalue=-1\n", -1},
        {"value=1\n", 0},
        {"", 0},
    };
    for (const auto& [text, value] : cases) {
        SCOPED_TRACE(text);
        test::TempDir dir;
        writeBytes(dir / "skins/languagetype.ini", text);
        EXPECT_EQ(ReadLanguageType(dir.path()), value);
    }
    test::TempDir empty;
    EXPECT_EQ(ReadLanguageType(empty.path()), 0);
}

// --- Switching ---

class LanguageSwitchTest : public testing::Test {
  protected:
    void SetUp() override {
        // A program directory with a file per language whose str_ok names it.
        for (const auto& lang : kLanguages)
            writeBytes(
                program_ / std::string(lang.file),
                "<r><config><str_ok>" + std::string(lang.menuText) + "</str_ok></config></r>");
        std::filesystem::create_directories(data_.path());
    }
    std::string ok() const { return context_.strings().utf8(u"str_ok"); }
    std::vector<uint8_t> saved() const { return readAll(data_ / "Language.cfg"); }

    test::TempDir program_;
    test::TempDir data_;
    LanguageContext context_{program_.path(), data_.path()};
    RecordingNotices notices_;
};

TEST_F(LanguageSwitchTest, InstallationLanguageSetsBothFlags) {
    EXPECT_EQ(context_.ApplyInstallationLanguage(), 143);  // no ini: English
    EXPECT_EQ(ok(), "English");
    EXPECT_EQ(context_.ChineseTextFlag(), 0);
    EXPECT_EQ(context_.ChineseLayoutFlag(), 0);

    writeBytes(program_ / "skins/languagetype.ini", "[languagetype]\nvalue=1\n");
    EXPECT_EQ(context_.ApplyInstallationLanguage(), 142);
    EXPECT_EQ(ok(), "Chinese");
    EXPECT_EQ(context_.ChineseTextFlag(), 1);
    EXPECT_EQ(context_.ChineseLayoutFlag(), 1);
    EXPECT_EQ(context_.languageId(), 1);

    // Later switches never touch the layout flag.
    context_.ApplyLanguage(LanguageRequest::AtStartup, 2, false, notices_);
    EXPECT_EQ(context_.ChineseLayoutFlag(), 1);
    EXPECT_EQ(context_.ChineseTextFlag(), 0);
}

TEST_F(LanguageSwitchTest, MessagesThatChangeNothing) {
    context_.ApplyInstallationLanguage();
    const struct {
        LanguageRequest request;
        int32_t languageId;
        bool popupOpen;
    } cases[] = {{LanguageRequest::FromPopup, 0, true},
                 {LanguageRequest::AtStartup, 0, false},
                 {LanguageRequest::FromPopup, 3, false}};
    for (const auto& c : cases) {
        const LanguageSwitch r =
            context_.ApplyLanguage(c.request, c.languageId, c.popupOpen, notices_);
        EXPECT_FALSE(r.handled);
        EXPECT_FALSE(r.refreshTooltips);
        EXPECT_FALSE(r.closePopup);
    }
    EXPECT_EQ(ok(), "English");
    EXPECT_TRUE(saved().empty());
}

TEST_F(LanguageSwitchTest, EachLanguageLoadsItsFileAndIsSaved) {
    for (const auto& lang : kLanguages) {
        SCOPED_TRACE(lang.menuText);
        const LanguageSwitch r =
            context_.ApplyLanguage(LanguageRequest::FromPopup, lang.id, true, notices_);
        EXPECT_TRUE(r.handled);
        EXPECT_EQ(r.indicatorResource, lang.indicatorResource);
        EXPECT_TRUE(r.refreshTooltips);
        EXPECT_TRUE(r.closePopup);
        EXPECT_EQ(ok(), lang.menuText);
        // Only Simplified Chinese switches the built-in texts; Trad.Chinese keeps English ones.
        EXPECT_EQ(context_.ChineseTextFlag(), lang.id == 1 ? 1 : 0);
        // The program's own messages follow the whole language, Trad.Chinese included.
        EXPECT_EQ(context_.languageId(), lang.id);
        EXPECT_EQ(saved(), (std::vector<uint8_t>{static_cast<uint8_t>(lang.id), 0, 0, 0}));
    }
    EXPECT_TRUE(notices_.shown.empty());
}

TEST_F(LanguageSwitchTest, UnknownIdAtStartupKeepsTextsAndIsWrittenBack) {
    writeBytes(program_ / "skins/languagetype.ini", "[languagetype]\nvalue=1\n");
    context_.ApplyInstallationLanguage();
    writeBytes(data_ / "Language.cfg", std::string("\x0D\x00\x00\x00", 4));
    const int32_t id = ReadLanguageChoice(data_.path(), notices_);
    const LanguageSwitch r =
        context_.ApplyLanguage(LanguageRequest::AtStartup, id, false, notices_);
    EXPECT_TRUE(r.handled);
    EXPECT_EQ(r.indicatorResource, 0);
    EXPECT_TRUE(r.refreshTooltips);
    EXPECT_FALSE(r.closePopup);
    EXPECT_EQ(ok(), "Chinese");
    EXPECT_EQ(context_.ChineseTextFlag(), 0);
    EXPECT_EQ(saved(), (std::vector<uint8_t>{13, 0, 0, 0}));
}

TEST_F(LanguageSwitchTest, MissingChoiceFileAtStartupAppliesChineseAndHealsIt) {
    context_.ApplyInstallationLanguage();
    const int32_t id = ReadLanguageChoice(data_.path(), notices_);
    EXPECT_EQ(id, 1);
    ASSERT_EQ(notices_.shown.size(), 1u);
    context_.ApplyLanguage(LanguageRequest::AtStartup, id, false, notices_);
    EXPECT_EQ(ok(), "Chinese");
    EXPECT_EQ(context_.ChineseTextFlag(), 1);
    EXPECT_EQ(saved(), (std::vector<uint8_t>{1, 0, 0, 0}));
    RecordingNotices second;
    EXPECT_EQ(ReadLanguageChoice(data_.path(), second), 1);
    EXPECT_TRUE(second.shown.empty());
}

TEST_F(LanguageSwitchTest, UnwritableChoiceStillSwitches) {
    LanguageContext context(program_.path(), data_ / "gone");
    const LanguageSwitch r = context.ApplyLanguage(LanguageRequest::FromPopup, 4, true, notices_);
    EXPECT_TRUE(r.handled);
    EXPECT_EQ(context.strings().utf8(u"str_ok"), "Korean");
    ASSERT_EQ(notices_.shown.size(), 1u);
    EXPECT_EQ(notices_.shown[0].caption, "Info");
}

}  // namespace
}  // namespace z408
