// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

#include <fstream>

#include "formats/code_pages.h"
#include "formats/xml_document.h"
#include "temp_dir.h"
#include "xml_test_util.h"

namespace z408 {
namespace {

using test::bytesOf;
using test::rootText;
using test::utf8;

// --- Reading: marks, declarations, detection ---

TEST(XmlReading, ByteOrderMarksDecideTheEncodingAndAreNotText) {
    XmlDocument doc;
    ASSERT_TRUE(doc.LoadBytes(bytesOf("\xEF\xBB\xBF<a>\xC3\xA9</a>")));
    EXPECT_EQ(rootText(doc), "\xC3\xA9");
    EXPECT_EQ(doc.Text(), u"<a>\u00E9</a>");
    EXPECT_EQ(doc.DocumentFlags(), XmlDocument::kUtf8Mark);
    EXPECT_EQ(utf8(doc.ResultText()).rfind("UTF-8 BOM + ", 0), 0u) << utf8(doc.ResultText());

    for (const bool bigEndian : {false, true}) {
        SCOPED_TRACE(bigEndian ? "UTF-16BE" : "UTF-16LE");
        ASSERT_TRUE(doc.LoadBytes(test::utf16Bytes(u"<a>\u0416\U0001F600</a>", bigEndian)));
        EXPECT_EQ(doc.Text(), u"<a>\u0416\U0001F600</a>");
        EXPECT_EQ(doc.DocumentFlags(),
                  bigEndian ? XmlDocument::kUtf16BeMark : XmlDocument::kUtf16LeMark);
        EXPECT_EQ(utf8(doc.ResultText()).find("endian swap") != std::string::npos, bigEndian);
    }
}

struct EncodingCase {
    const char* what;
    std::string bytes;
    std::u16string expectedText;  // of the root element
    const char* resultStart;      // how ResultText begins
};

TEST(XmlReading, DeclaredAndDetectedEncodings) {
    const EncodingCase cases[] = {
        {"XML declaration, GB2312",
         "<?xml version=\"1.0\" encoding=\"gb2312\"?><a>\xD6\xD0\xCE\xC4</a>", u"\u4E2D\u6587",
         "gb2312 "},
        {"declaration in single quotes, upper case",
         "<?XML version='1.0' encoding='KOI8-R'?><a>\xF0</a>", u"\u041F", "KOI8-R "},
        {"HTML meta charset",
         "<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; "
         "charset=windows-1251\">"
         "</head><body>\xC4</body></html>",
         u"", "windows-1251 "},
        {"no declaration, starts with '<': UTF-8", "<a>\xE2\x82\xAC</a>", u"\u20AC", "UTF-8 "},
        {"no declaration, not starting with '<', valid UTF-8: detected", "\n<a>\xE2\x82\xAC</a>",
         u"\u20AC", "UTF-8 "},
        {"declaration without encoding: UTF-8", "<?xml version=\"1.0\"?><a>x</a>", u"x", "UTF-8 "},
        {"unknown name: locale charset, ASCII intact",
         "<?xml version=\"1.0\" encoding=\"no-such\"?><a>x</a>", u"x", "no-such "},
        {"code page without converter: locale charset",
         "<?xml version=\"1.0\" encoding=\"x-mac-greek\"?><a>x</a>", u"x", "x-mac-greek "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        XmlDocument doc;
        doc.LoadBytes(bytesOf(c.bytes));
        const std::string result = utf8(doc.ResultText());
        EXPECT_EQ(result.rfind(c.resultStart, 0), 0u) << result;
        doc.ResetPosition();
        ASSERT_TRUE(doc.FindElement(u""));
        if (std::string_view(c.what) == "HTML meta charset") {
            ASSERT_TRUE(doc.FindChildElement(u"body"));
            EXPECT_EQ(doc.ChildText(), u"\u0414");
        } else {
            EXPECT_EQ(doc.ElementText(doc.CurrentPosition()), c.expectedText);
        }
    }
}

TEST(XmlReading, InvalidUtf8WithoutDeclarationIsReadInTheLocaleCharset) {
    XmlDocument doc;
    doc.LoadBytes(bytesOf(" <a>x\xFFy</a>"));
    EXPECT_EQ(utf8(doc.ResultText()).rfind("ANSI ", 0), 0u) << utf8(doc.ResultText());
    std::u16string expected;
    appendCodePageAsUtf16(bytesOf(" <a>x\xFFy</a>"), kCodePageAnsi, expected);
    EXPECT_EQ(doc.Text(), expected);
}

TEST(XmlReading, ZeroBytesAndUnitsDisappear) {
    XmlDocument doc;
    doc.LoadBytes(bytesOf(std::string("<a>x\0\0y</a>", 11)));
    EXPECT_EQ(rootText(doc), "xy");
    EXPECT_NE(utf8(doc.ResultText()).find("(2 nulls removed)"), std::string::npos);

    doc.LoadBytes(test::utf16Bytes(std::u16string(u"<a>x\0y</a>", 10), false));
    EXPECT_EQ(rootText(doc), "xy");
    EXPECT_NE(utf8(doc.ResultText()).find("(1 nulls removed)"), std::string::npos);

    // A UTF-16 file without its mark loses the zero halves and reads as 8-bit text.
    doc.LoadBytes(test::utf16Bytes(u"<a>plain</a>", false, false));
    EXPECT_EQ(rootText(doc), "plain");
}

TEST(XmlReading, Utf8Test) {
    const std::pair<std::string, bool> cases[] = {
        {"", true},
        {"plain ASCII", true},
        {"\xC3\xA9", true},
        {"\xE2\x82\xAC", true},
        {"\xF0\x9F\x98\x80", true},
        {"\xF8\x80\x80\x80\x80", false},
        {"\xC3"
         "A",
         false},
        {"\xC3", false},
        {"\xE2\x82", false},
        {"\xFF", false},
        {"x\x80", false},
        {"\xE2\x82\xAC\xE2", false},
    };
    for (const auto& [bytes, passes] : cases)
        EXPECT_EQ(passesUtf8Test(bytesOf(bytes)), passes) << testing::PrintToString(bytes);
}

TEST(XmlReading, CodePageNames) {
    const std::pair<std::u16string, int> cases[] = {
        {u"utf-8", 65001},
        {u"UTF-8", 65001},
        {u"x-unicode-2-0-utf-8", 65001},
        {u"GB2312", 936},
        {u"gbk", 936},
        {u"Shift_JIS", 932},
        {u"latin1", 28591},
        {u"ISO-8859-15", 28605},
        {u"koi8-u", 21866},
        {u"windows-1251", 1251},
        {u"big5", 950},
        {u"cp500", 775},
        {u"UTF-32", kCodePageUtf32},
        {u"UTF-32LE", kCodePageUtf32},
        {u"utf-32", kCodePageAnsi},  // the UTF-32 prefix compares with its case
        {u"utf8", kCodePageAnsi},
        {u"", kCodePageAnsi},
        {std::u16string(100, u'a'), kCodePageAnsi},
        {u"\u00E9", kCodePageAnsi},
    };
    for (const auto& [name, cp] : cases) EXPECT_EQ(codePageFromName(name), cp) << utf8(name);
    EXPECT_EQ(iconvNameOfCodePage(10006), nullptr);  // x-mac-greek: glibc has no converter
    EXPECT_STREQ(iconvNameOfCodePage(936), "CP936");
}

TEST(XmlReading, UnreadableFilesLeaveAnEmptyDocument) {
    test::TempDir dir;
    XmlDocument doc;
    ASSERT_TRUE(doc.LoadBytes(bytesOf("<a><b>x</b></a>")));
    EXPECT_FALSE(doc.Load(dir / "missing.xml"));
    EXPECT_FALSE(doc.WasRead());
    EXPECT_EQ(utf8(doc.ResultText()), "No such file or directory");
    EXPECT_EQ(doc.Elements().size(), 0u);
    doc.ResetPosition();
    EXPECT_FALSE(doc.FindElement(u""));
    EXPECT_FALSE(doc.FindChildElement(u"b"));
    EXPECT_EQ(doc.ChildText(), u"");

    EXPECT_FALSE(doc.Load(dir.path()));  // a folder
    EXPECT_FALSE(doc.WasRead());
}

TEST(XmlReading, HugeDeclaredSizeIsRefusedUnread) {
    test::TempDir dir;
    const auto path = dir / "huge.xml";
    { std::ofstream(path) << "<a>"; }
    // A sparse 4 GiB file: its size must not turn into an allocation.
    ASSERT_EQ(::truncate(path.c_str(), off_t{4} << 30), 0);
    XmlDocument doc;
    EXPECT_FALSE(doc.Load(path));
    EXPECT_FALSE(doc.WasRead());
    EXPECT_EQ(doc.Elements().size(), 0u);
    EXPECT_FALSE(doc.ResultText().empty());
}

TEST(XmlReading, LoadsFromFileLikeFromBytes) {
    const auto file = std::filesystem::path(Z408_TEST_DATA) / "i18n" / "gb2312.xml";
    XmlDocument doc;
    ASSERT_TRUE(doc.Load(file));
    doc.ResetPosition();
    ASSERT_TRUE(doc.FindChildElement(u"config"));
    ASSERT_TRUE(doc.EnterElement());
    ASSERT_TRUE(doc.FindChildElement(u"str_ok"));
    EXPECT_EQ(doc.ChildText(), u"\u786E\u5B9A");
}

// --- Tokens ---

struct TokenCase {
    std::u16string text;
    NodeType type;
    size_t length;
    bool empty;
    const char* error;  // nullptr when the unit is not an error
};

TEST(XmlTokens, UnitsAndErrors) {
    const TokenCase cases[] = {
        {u"<a>", NodeType::StartTag, 3, false, nullptr},
        {u"<br/>", NodeType::StartTag, 5, true, nullptr},
        {u"<br />", NodeType::StartTag, 6, true, nullptr},
        {u"<a x='1'/>", NodeType::StartTag, 10, true, nullptr},
        {u"<a x=\"1\"/>", NodeType::StartTag, 10, true, nullptr},
        {u"<a x=1/>", NodeType::StartTag, 8, false, nullptr},
        {u"<a x = '>'>rest", NodeType::StartTag, 11, false, nullptr},
        {u"<a title\">\">", NodeType::StartTag, 10, false, nullptr},  // a quote not after '='
        {u"<_a>", NodeType::StartTag, 4, false, nullptr},
        {u"<:a>", NodeType::StartTag, 4, false, nullptr},
        {u"<\u4E2D>", NodeType::StartTag, 3, false, nullptr},
        {u"<{>", NodeType::StartTag, 3, false, nullptr},
        {u"</a >", NodeType::EndTag, 5, false, nullptr},
        {u"text<a>", NodeType::Text, 4, false, nullptr},
        {u" \t\r\n<a>", NodeType::WhiteSpace, 4, false, nullptr},
        {u"  x <a>", NodeType::Text, 4, false, nullptr},
        {u"tail", NodeType::Text, 4, false, nullptr},
        {u"<?pi x?>", NodeType::ProcessingInstruction, 8, false, nullptr},
        {u"<!-- a > b -->", NodeType::Comment, 14, false, nullptr},
        {u"<![CDATA[<x>]]>", NodeType::CData, 15, false, nullptr},
        {u"<!DOCTYPE a [<!ENTITY x '>'><!-- ] > -->]>", NodeType::Declaration, 42, false, nullptr},
        {u"<!DOCTYPE a SYSTEM \"a>b\">", NodeType::Declaration, 25, false, nullptr},
        {u"<!ENTITY x>", NodeType::Declaration, 11, false, nullptr},
        {u"<!ATTLIST x>", NodeType::Declaration, 12, false, nullptr},
        {u"<!NOTATION x>", NodeType::Declaration, 13, false, nullptr},
        {u"<1>x", NodeType::Error, 3, false, "Incorrect tag name character at offset 0"},
        {u"< a>", NodeType::Error, 4, false, "Incorrect tag name character at offset 0"},
        {u"<[a>", NodeType::Error, 4, false, "Incorrect tag name character at offset 0"},
        {u"<!x>", NodeType::Error, 4, false, "Incorrect ! tag at offset 0"},
        {u"<!-x>", NodeType::Error, 5, false, "Incorrect comment tag at offset 0"},
        {u"<![x>", NodeType::Error, 5, false, "Incorrect tag at offset 0"},
        {u"<1 no end", NodeType::Error, 9, false, "Incorrect tag name character at offset 0"},
        {u"<", NodeType::Error, 1, false, "tag at offset 0 unterminated"},
        {u"<a x='>", NodeType::Error, 7, false, "Element tag at offset 0 unterminated"},
        {u"<a", NodeType::Error, 2, false, "Element tag at offset 0 unterminated"},
        {u"</a", NodeType::Error, 3, false, "Element end tag at offset 0 unterminated"},
        {u"<!-- x", NodeType::Error, 6, false, "Comment at offset 0 unterminated"},
        {u"<![CDATA[x]]", NodeType::Error, 12, false, "CDATA Section at offset 0 unterminated"},
        {u"<?x", NodeType::Error, 3, false, "Processing instruction at offset 0 unterminated"},
        {u"<!DOCTYPE a [<!ENTITY x '>", NodeType::Error, 26, false,
         "Doctype at offset 0 unterminated"},
        {u"<!DOCTYPE a [", NodeType::Error, 13, false, "Doctype at offset 0 unterminated"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(utf8(c.text));
        const XmlToken t = readXmlToken(c.text, 0);
        EXPECT_EQ(t.type, c.type);
        EXPECT_EQ(t.length, c.length);
        EXPECT_EQ(t.emptyElement, c.empty);
        if (c.error) {
            EXPECT_EQ(utf8(xmlTokenErrorText(t)), c.error);
        }
    }
    EXPECT_EQ(readXmlToken(u"<a>", 3).type, NodeType::EndOfDocument);
}

// --- The tree ---

TEST(XmlTree, UnendedElementIsItsStartTag) {
    XmlDocument doc;
    EXPECT_FALSE(doc.LoadBytes(bytesOf("<a><b>x</a>")));
    EXPECT_NE(utf8(doc.ResultText())
                  .find("End tag 'a' at offset 8 does not match start tag 'b' at offset 3"),
              std::string::npos)
        << utf8(doc.ResultText());
    const auto& e = doc.Elements();
    ASSERT_EQ(e.size(), 3u);
    EXPECT_TRUE(e[2].has(ElementRecord::kNotEnded));
    EXPECT_EQ(e[2].length, 3);
    EXPECT_EQ(e[1].length, 11);
    EXPECT_TRUE(e[0].has(ElementRecord::kIllFormed));
    EXPECT_EQ(rootText(doc), "");  // a has a child
    EXPECT_EQ(doc.ErrorOffset(), 7);
}

TEST(XmlTree, StrayEndTagIsIgnored) {
    XmlDocument doc;
    EXPECT_FALSE(doc.LoadBytes(bytesOf("<a>x</b></a>")));
    EXPECT_NE(utf8(doc.ResultText()).find("No start tag for end tag 'b' at offset 4"),
              std::string::npos);
    EXPECT_EQ(rootText(doc), "x");
    EXPECT_TRUE(doc.Elements()[1].has(ElementRecord::kChildError));
}

TEST(XmlTree, ChildrenOfAnUnendedElementMoveUp) {
    XmlDocument doc;
    // a never ends: b and c become its following siblings under r.
    EXPECT_FALSE(doc.LoadBytes(bytesOf("<r><a><b/><c><1></c></r>")));
    const auto& e = doc.Elements();
    ASSERT_EQ(e.size(), 5u);  // r a b c
    const uint32_t r = 1, a = 2, b = 3, c = 4;
    EXPECT_EQ(e[r].firstChild, a);
    EXPECT_EQ(e[a].nextSibling, b);
    EXPECT_EQ(e[b].nextSibling, c);
    EXPECT_EQ(e[c].nextSibling, 0u);
    EXPECT_EQ(e[a].previousSibling, c);  // the first child points at the last
    EXPECT_EQ(e[b].previousSibling, a);
    for (const uint32_t x : {a, b, c}) {
        EXPECT_EQ(e[x].parent, r);
        EXPECT_EQ(e[x].level, 1);
        EXPECT_EQ(e[x].has(ElementRecord::kFirstChild), x == a);
    }
    EXPECT_EQ(e[a].firstChild, 0u);
    EXPECT_TRUE(e[a].has(ElementRecord::kNotEnded));
    EXPECT_TRUE(e[c].has(ElementRecord::kChildError));
    EXPECT_FALSE(e[c].has(ElementRecord::kNotEnded));
    // The error inside c is the first one recorded.
    EXPECT_NE(utf8(doc.ResultText()).find("Incorrect tag name character at offset 13"),
              std::string::npos);

    // An error inside an unended element passes to the element it ends up under.
    EXPECT_FALSE(doc.LoadBytes(bytesOf("<r><a><1></r>")));
    EXPECT_TRUE(doc.Elements()[2].has(ElementRecord::kChildError));
    EXPECT_TRUE(doc.Elements()[1].has(ElementRecord::kChildError));
}

TEST(XmlTree, DocumentLevelErrors) {
    const std::pair<const char*, const char*> cases[] = {
        {"", "Empty document"},
        {"just text", "No root element"},
        {"<!-- only a comment -->", "No root element"},
        {"<a/><b/>", "Root element has sibling"},
        {"<a>", "Element 'a' at offset 0 not ended"},
        {"<a><b>", "Element 'b' at offset 3 not ended"},
        {"<a x=1/>y</a>", nullptr},
    };
    for (const auto& [text, error] : cases) {
        SCOPED_TRACE(text);
        XmlDocument doc;
        EXPECT_EQ(doc.LoadBytes(bytesOf(text)), error == nullptr);
        if (error) {
            EXPECT_NE(utf8(doc.ResultText()).find(error), std::string::npos)
                << utf8(doc.ResultText());
        }
    }
}

TEST(XmlTree, TwoTopLevelElementsSearchOnlyTheFirst) {
    XmlDocument doc;
    EXPECT_FALSE(doc.LoadBytes(bytesOf("<a><x>1</x></a><b><y>2</y></b>")));
    EXPECT_EQ(doc.Elements().size(), 5u);
    doc.ResetPosition();
    EXPECT_TRUE(doc.FindChildElement(u"x"));
    doc.ResetPosition();
    EXPECT_FALSE(doc.FindChildElement(u"y"));
    doc.ResetPosition();
    EXPECT_TRUE(doc.FindElement(u"b"));  // a sibling search still finds it
    EXPECT_TRUE(doc.FindChildElement(u"y"));
    EXPECT_EQ(doc.ChildText(), u"2");
}

TEST(XmlTree, RecordZeroSpansTheDocument) {
    XmlDocument doc;
    ASSERT_TRUE(doc.LoadBytes(bytesOf("<?xml version=\"1.0\"?>\n<r>t</r>\n")));
    const ElementRecord& zero = doc.Elements()[0];
    EXPECT_EQ(zero.start, 0);
    EXPECT_EQ(zero.length, static_cast<int32_t>(doc.Text().size()));
    EXPECT_EQ(zero.firstChild, 1u);
    EXPECT_FALSE(zero.has(ElementRecord::kIllFormed));
    EXPECT_EQ(doc.Elements()[1].startTagLength, 3);
    EXPECT_EQ(doc.Elements()[1].endTagLength, 4);
}

// --- Positions and names ---

TEST(XmlPosition, NamesMatchWholeTokens) {
    XmlDocument doc;
    ASSERT_TRUE(doc.LoadBytes(
        bytesOf("<r><configx>1</configx><conf>2</conf><config a='b'>3</config><config/></r>")));
    const std::pair<std::u16string, const char16_t*> cases[] = {
        {u"config", u"3"},  {u"conf", u"2"},    {u"configx", u"1"},    {u"config x", u"3"},
        {u"config=", u"3"}, {u"config[", u"3"}, {u"configy", nullptr}, {u"", u"1"},
    };
    for (const auto& [name, text] : cases) {
        SCOPED_TRACE(utf8(name));
        doc.ResetPosition();
        EXPECT_EQ(doc.FindChildElement(name), text != nullptr);
        if (text) {
            EXPECT_EQ(doc.ChildText(), text);
        }
    }
    // Search continues after the child position.
    doc.ResetPosition();
    ASSERT_TRUE(doc.FindChildElement(u"config"));
    ASSERT_TRUE(doc.FindChildElement(u"config"));
    EXPECT_EQ(doc.ChildText(), u"");  // the empty one
    EXPECT_FALSE(doc.FindChildElement(u"config"));
}

TEST(XmlPosition, EnterNeedsACurrentElement) {
    XmlDocument doc;
    ASSERT_TRUE(doc.LoadBytes(bytesOf("<r><s><k>v</k></s></r>")));
    doc.ResetPosition();
    EXPECT_FALSE(doc.EnterElement());
    ASSERT_TRUE(doc.FindChildElement(u"s"));
    EXPECT_EQ(doc.CurrentPosition(), 1u);
    ASSERT_TRUE(doc.EnterElement());
    EXPECT_EQ(doc.ParentPosition(), 1u);
    EXPECT_EQ(doc.CurrentPosition(), 2u);
    ASSERT_TRUE(doc.FindChildElement(u"k"));
    EXPECT_EQ(doc.ChildText(), u"v");
    ASSERT_TRUE(doc.EnterElement());  // into k; no child chosen yet
    EXPECT_EQ(doc.CurrentPosition(), 3u);
    ASSERT_TRUE(doc.EnterElement());  // current becomes "none"
    EXPECT_EQ(doc.CurrentPosition(), 0u);
    EXPECT_FALSE(doc.EnterElement());
}

// --- Text ---

TEST(XmlText, ReferencesCdataAndComments) {
    const std::pair<const char*, std::u16string> cases[] = {
        {"<a>1 &lt; 2 &amp;&amp; &#x41;&#66;</a>", u"1 < 2 && AB"},
        {"<a>&nosuch; & x</a>", u"&nosuch; & x"},
        {"<a>&AMP;&Amp;&quot;&apos;&APOS;</a>", u"&&\"''"},
        {"<a>&agrave;&Agrave;&AGRAVE;</a>", u"\u00E0\u00C0\u00C0"},
        {"<a>&dagger;&Dagger;&DAGGER;&prime;&PRIME;&rarr;&rArr;&RARR;</a>",
         u"\u2020\u2021\u2021\u2032\u2033\u2192\u21D2\u21D2"},
        {"<a>&thetasym;&euro;&nbsp;&yuml;&Yuml;</a>", u"\u03D1\u20AC\u00A0\u00FF\u0178"},
        {"<a>&#128512;&#x1F600;&#X41;</a>", u"\U0001F600\U0001F600A"},
        {"<a>&#x110000;</a>", u"\U00010000"},  // past U+10FFFF: the low 20 bits count
        {"<a>&#65abc;&#x4g;</a>", u"A\u0004"},
        {"<a>&#0;&#;&#x;&;&#xZ;</a>", u"&#0;&#;&#x;&;&#xZ;"},
        {"<a>&toolongname;&thetasym;</a>", u"&toolongname;\u03D1"},
        {"<a>&\xC3\xA9;</a>", u"&\u00E9;"},
        {"<a>&#xD800;</a>", u"\xD800"},
        {"<a>text <![CDATA[<raw> &amp;]]> more</a>", u"text <raw> &amp; more"},
        {"<a> <!-- note --> </a>", u""},
        {"<a>x <!-- c --> y<?pi?></a>", u"x  y"},
        {"<a>  spaced\r\n</a>", u"  spaced\r\n"},
        {"<a/>", u""},
        {"<a>x<b/></a>", u""},
    };
    for (const auto& [xml, text] : cases) {
        SCOPED_TRACE(xml);
        XmlDocument doc;
        doc.LoadBytes(bytesOf(xml));
        doc.ResetPosition();
        ASSERT_TRUE(doc.FindElement(u""));
        EXPECT_EQ(doc.ElementText(doc.CurrentPosition()), text);
    }
}

// --- Hostile input ---

TEST(XmlHostile, MillionNestedElements) {
    constexpr size_t kDepth = 1'000'000;
    std::string xml;
    xml.reserve(kDepth * 7 + 16);
    for (size_t i = 0; i < kDepth; ++i) xml += "<a>";
    xml += "deep";
    XmlDocument doc;
    EXPECT_FALSE(doc.LoadBytes(bytesOf(xml)));  // none of them ends
    EXPECT_EQ(doc.Elements().size(), kDepth + 1);
    // All moved up to be siblings under the document.
    EXPECT_EQ(doc.Elements()[kDepth].parent, 0u);
    EXPECT_EQ(doc.Elements()[kDepth - 1].nextSibling, kDepth);

    for (size_t i = 0; i < kDepth; ++i) xml += "</a>";
    EXPECT_TRUE(doc.LoadBytes(bytesOf(xml)));
    EXPECT_EQ(doc.Elements()[kDepth].level, static_cast<int32_t>(kDepth - 1));
    EXPECT_EQ(doc.ElementText(static_cast<uint32_t>(kDepth)), u"deep");
}

TEST(XmlHostile, StrayEndTagsUnderADeepStack) {
    std::string xml;
    for (int i = 0; i < 100'000; ++i) xml += "<a>";
    for (int i = 0; i < 100'000; ++i) xml += "</b>";
    xml += "</a>";
    XmlDocument doc;
    EXPECT_FALSE(doc.LoadBytes(bytesOf(xml)));
    EXPECT_NE(utf8(doc.ResultText()).find("No start tag for end tag 'b'"), std::string::npos);
    // The last </a> closed the innermost element; the others never end.
    EXPECT_FALSE(doc.Elements()[100'000].has(ElementRecord::kNotEnded));
    EXPECT_TRUE(doc.Elements()[1].has(ElementRecord::kNotEnded));
}

TEST(XmlHostile, BrokenFixturesLoadAsFarAsTheyGo) {
    const std::string dataDir = std::string(Z408_TEST_DATA) + "/i18n/";
    for (const char* name : {"broken_unclosed.xml", "broken_truncated.xml", "not_xml.bin"}) {
        SCOPED_TRACE(name);
        XmlDocument doc;
        EXPECT_FALSE(doc.Load(dataDir + name));
        EXPECT_TRUE(doc.WasRead());
        EXPECT_GE(doc.ErrorOffset(), 0);
    }
}

TEST(XmlHostile, TruncationsOfAValidDocumentNeverFail) {
    const std::string xml =
        "<?xml version=\"1.0\"?><!DOCTYPE r [<!ENTITY e 'x'>]><r a='>'><!-- c --><k>&amp;&#x41;"
        "<![CDATA[<z>]]></k><e/></r>";
    for (size_t n = 0; n <= xml.size(); ++n) {
        XmlDocument doc;
        doc.LoadBytes(bytesOf(xml.substr(0, n)));
        doc.ResetPosition();
        doc.FindChildElement(u"k");
        (void)doc.ChildText();
    }
    // Lone surrogates in UTF-16 text stay as they are and convert safely for display.
    XmlDocument doc;
    doc.LoadBytes(test::utf16Bytes(u"<a>\xD800x\xDC00</a>", false));
    EXPECT_EQ(utf8(doc.ElementText(1)), "\xEF\xBF\xBDx\xEF\xBF\xBD");
}

}  // namespace
}  // namespace z408

namespace z408 {
namespace {

TEST(ElementIndex, RecordsKeepTheirPlaceAsTheIndexGrows) {
    ElementIndex index;
    index.reset(8);
    const uint32_t first = index.append();
    index[first].start = 42;
    const ElementRecord* where = &index[first];
    for (int i = 0; i < 200'000; ++i) index[index.append()].start = i;  // past three pages
    EXPECT_EQ(&index[first], where);
    EXPECT_EQ(index[first].start, 42);
    EXPECT_EQ(index.size(), 200'001u);
    EXPECT_GE(index.capacity(), index.size());
    // Index numbers are page (high 16 bits) and slot (low 16 bits).
    EXPECT_EQ(index[(2u << 16) | 5u].start, 2 * 65536 + 5 - 1);
}

}  // namespace
}  // namespace z408
