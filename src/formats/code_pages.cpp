// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "formats/code_pages.h"

#include <iconv.h>
#include <langinfo.h>
#include <locale.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>

namespace z408 {
namespace {
struct NamedCodePage {
    std::string_view name;
    int codePage;
};

// Encoding names as they appear in XML declarations and HTML meta tags, lower case, sorted.
constexpr std::array<NamedCodePage, 254> kNames{{
    {"437", 437},
    {"_iso-2022-jp", 50221},
    {"_iso-2022-jp$sio", 50222},
    {"ansi_x3.4-1968", 20127},
    {"ansi_x3.4-1986", 20127},
    {"arabic", 28596},
    {"ascii", 20127},
    {"asmo-708", 708},
    {"big5", 950},
    {"chinese", 936},
    {"cn-big5", 950},
    {"cn-gb", 936},
    {"codepage437", 437},
    {"cp1026", 1026},
    {"cp1256", 1256},
    {"cp367", 20127},
    {"cp437", 437},
    {"cp500", 775},
    {"cp819", 28591},
    {"cp852", 852},
    {"cp866", 866},
    {"cp870", 870},
    {"csascii", 20127},
    {"csbig5", 950},
    {"cseuckr", 51949},
    {"cseucpkdfmtjapanese", 51932},
    {"csgb2312", 936},
    {"csgb231280", 936},
    {"csiso", 28593},
    {"csiso2022jp", 50221},
    {"csiso2022kr", 50225},
    {"csiso58gb231280", 936},
    {"csisolatin2", 28592},
    {"csisolatin4", 28594},
    {"csisolatin5", 28595},
    {"csisolatinarabic", 28596},
    {"csisolatincyrillic", 28595},
    {"csisolatingreek", 28597},
    {"csisolatinhebrew", 28598},
    {"cskoi8r", 20866},
    {"csksc56011987", 949},
    {"cspc8", 437},
    {"csshiftjis", 932},
    {"csunicode11utf7", 65000},
    {"cswindows31j", 932},
    {"cyrillic", 28595},
    {"dos-720", 720},
    {"dos-862", 862},
    {"dos-874", 874},
    {"ebcdic-cp-us", 37},
    {"ecma-114", 28596},
    {"ecma-118", 28597},
    {"elot_928", 28597},
    {"euc-cn", 51936},
    {"euc-jp", 51932},
    {"euc-kr", 949},
    {"extended_unix_code_packed_format_for_japanese", 51932},
    {"gb2312", 936},
    {"gb2312-80", 936},
    {"gb231280", 936},
    {"gb_2312-80", 936},
    {"gbk", 936},
    {"greek", 28597},
    {"greek8", 28597},
    {"hebrew", 28598},
    {"hz-gb-2312", 52936},
    {"ibm367", 20127},
    {"ibm437", 437},
    {"ibm737", 737},
    {"ibm775", 775},
    {"ibm819", 28591},
    {"ibm850", 850},
    {"ibm852", 852},
    {"ibm857", 857},
    {"ibm861", 861},
    {"ibm866", 866},
    {"ibm869", 869},
    {"iso-2022-jp", 50220},
    {"iso-2022-kr", 50225},
    {"iso-8859-1", 28591},
    {"iso-8859-11", 874},
    {"iso-8859-15", 28605},
    {"iso-8859-2", 28592},
    {"iso-8859-3", 28593},
    {"iso-8859-4", 28594},
    {"iso-8859-5", 28595},
    {"iso-8859-6", 28596},
    {"iso-8859-7", 28597},
    {"iso-8859-8", 28598},
    {"iso-8859-8-i", 38598},
    {"iso-8859-9", 28599},
    {"iso-ir-100", 28591},
    {"iso-ir-101", 28592},
    {"iso-ir-109", 28593},
    {"iso-ir-110", 28594},
    {"iso-ir-126", 28597},
    {"iso-ir-127", 28596},
    {"iso-ir-138", 28598},
    {"iso-ir-144", 28595},
    {"iso-ir-148", 28599},
    {"iso-ir-149", 949},
    {"iso-ir-58", 936},
    {"iso-ir-6", 1252},
    {"iso-ir-6us", 20127},
    {"iso646-us", 20127},
    {"iso8859-1", 28591},
    {"iso8859-2", 28592},
    {"iso_646.irv:1991", 20127},
    {"iso_8859-1", 28591},
    {"iso_8859-15", 28605},
    {"iso_8859-1:1987", 28591},
    {"iso_8859-2", 28592},
    {"iso_8859-2:1987", 28592},
    {"iso_8859-3", 28593},
    {"iso_8859-3:1988", 28593},
    {"iso_8859-4", 28594},
    {"iso_8859-4:1988", 28594},
    {"iso_8859-5", 28595},
    {"iso_8859-5:1988", 28595},
    {"iso_8859-6", 28596},
    {"iso_8859-6:1987", 28596},
    {"iso_8859-7", 28597},
    {"iso_8859-7:1987", 28597},
    {"iso_8859-8", 28598},
    {"iso_8859-8-i", 1255},
    {"iso_8859-8:1988", 28598},
    {"iso_8859-9", 28599},
    {"iso_8859-9:1989", 28599},
    {"johab", 1361},
    {"koi", 20866},
    {"koi8", 20866},
    {"koi8-r", 20866},
    {"koi8-ru", 21866},
    {"koi8-u", 21866},
    {"koi8r", 20866},
    {"korean", 949},
    {"ks_c_5601", 949},
    {"ks_c_5601-1987", 949},
    {"ks_c_5601-1989", 949},
    {"ks_c_5601_1987", 949},
    {"ksc5601", 949},
    {"ksc_5601", 949},
    {"l1", 28591},
    {"l2", 28592},
    {"l3", 28593},
    {"l4", 28594},
    {"l5", 28595},
    {"l9", 28605},
    {"latin1", 28591},
    {"latin2", 28592},
    {"latin3", 28593},
    {"latin4", 28594},
    {"latin5", 28599},
    {"latin9", 28605},
    {"logical", 38598},
    {"macintosh", 10000},
    {"ms_kanji", 932},
    {"shift-jis", 932},
    {"shift_jis", 932},
    {"tis-620", 874},
    {"unicode", 1200},
    {"unicode-1-1-utf-7", 65000},
    {"unicode-1-1-utf-8", 65001},
    {"unicode-2-0-utf-8", 65001},
    {"unicodefffe", 1201},
    {"us", 1252},
    {"us-ascii", 20127},
    {"utf-16", 1200},
    {"utf-7", 65000},
    {"utf-8", 65001},
    {"visual", 28598},
    {"windows-1250", 1250},
    {"windows-1251", 1251},
    {"windows-1252", 1252},
    {"windows-1253", 1253},
    {"windows-1254", 1254},
    {"windows-1255", 1255},
    {"windows-1256", 1256},
    {"windows-1257", 1257},
    {"windows-1258", 1258},
    {"windows-874", 874},
    {"x-ansi", 1252},
    {"x-chinese-cns", 20000},
    {"x-chinese-eten", 20002},
    {"x-cp1250", 1250},
    {"x-cp1251", 1251},
    {"x-ebcdic-arabic", 420},
    {"x-ebcdic-cp-us-euro", 1140},
    {"x-ebcdic-cyrillicrussian", 20880},
    {"x-ebcdic-cyrillicserbianbulgarian", 21025},
    {"x-ebcdic-denmarknorway", 20277},
    {"x-ebcdic-denmarknorway-euro", 1142},
    {"x-ebcdic-finlandsweden", 20278},
    {"x-ebcdic-finlandsweden-euro", 1143},
    {"x-ebcdic-france", 1143},
    {"x-ebcdic-france-euro", 1147},
    {"x-ebcdic-germany", 20273},
    {"x-ebcdic-germany-euro", 1143},
    {"x-ebcdic-greek", 20423},
    {"x-ebcdic-greekmodern", 875},
    {"x-ebcdic-hebrew", 20424},
    {"x-ebcdic-icelandic", 20873},
    {"x-ebcdic-icelandic-euro", 1149},
    {"x-ebcdic-international-euro", 1148},
    {"x-ebcdic-italy", 20280},
    {"x-ebcdic-italy-euro", 1144},
    {"x-ebcdic-japaneseandjapaneselatin", 50939},
    {"x-ebcdic-japaneseandkana", 50930},
    {"x-ebcdic-japaneseanduscanada", 50933},
    {"x-ebcdic-japanesekatakana", 20290},
    {"x-ebcdic-koreanandkoreanextended", 50933},
    {"x-ebcdic-koreanextended", 20833},
    {"x-ebcdic-simplifiedchinese", 50935},
    {"x-ebcdic-spain", 20284},
    {"x-ebcdic-spain-euro", 1145},
    {"x-ebcdic-thai", 20838},
    {"x-ebcdic-traditionalchinese", 50937},
    {"x-ebcdic-turkish", 20905},
    {"x-ebcdic-uk", 20285},
    {"x-ebcdic-uk-euro", 1146},
    {"x-euc", 51932},
    {"x-euc-cn", 51936},
    {"x-euc-jp", 51932},
    {"x-europa", 29001},
    {"x-ia5", 20105},
    {"x-ia5-german", 20106},
    {"x-ia5-norwegian", 20108},
    {"x-ia5-swedish", 20107},
    {"x-iscii-as", 57006},
    {"x-iscii-be", 57003},
    {"x-iscii-de", 57002},
    {"x-iscii-gu", 57010},
    {"x-iscii-ka", 57008},
    {"x-iscii-ma", 57009},
    {"x-iscii-or", 57007},
    {"x-iscii-pa", 57011},
    {"x-iscii-ta", 57004},
    {"x-iscii-te", 57005},
    {"x-mac-arabic", 10004},
    {"x-mac-ce", 10029},
    {"x-mac-chinesesimp", 10008},
    {"x-mac-chinesetrad", 10002},
    {"x-mac-cyrillic", 10007},
    {"x-mac-greek", 10006},
    {"x-mac-hebrew", 10005},
    {"x-mac-icelandic", 10079},
    {"x-mac-japanese", 10001},
    {"x-mac-korean", 10003},
    {"x-mac-turkish", 10081},
    {"x-ms-cp932", 932},
    {"x-sjis", 932},
    {"x-unicode-2-0-utf-7", 65000},
    {"x-unicode-2-0-utf-8", 65001},
    {"x-x-big5", 950},
}};

struct CodePageConverter {
    int codePage;
    const char* iconvName;  // nullptr: no converter on this system
};

// The iconv name of each code page; the pages glibc has no converter for map to nullptr and
// are read in the locale's character set instead.
constexpr std::array<CodePageConverter, 116> kConverters{{
    {37, "IBM037"},
    {420, "CP420"},
    {437, "CP437"},
    {708, "ASMO-708"},
    {720, nullptr},
    {737, "CP737"},
    {775, "CP775"},
    {850, "CP850"},
    {852, "CP852"},
    {857, "CP857"},
    {861, "CP861"},
    {862, "CP862"},
    {866, "CP866"},
    {869, "CP869"},
    {870, "IBM870"},
    {874, "CP874"},
    {875, "IBM875"},
    {932, "CP932"},
    {936, "CP936"},
    {949, "CP949"},
    {950, "CP950"},
    {1026, "IBM1026"},
    {1140, "IBM1140"},
    {1142, "IBM1142"},
    {1143, "IBM1143"},
    {1144, "IBM1144"},
    {1145, "IBM1145"},
    {1146, "IBM1146"},
    {1147, "IBM1147"},
    {1148, "IBM1148"},
    {1149, "IBM1149"},
    {1200, nullptr},
    {1201, nullptr},
    {1250, "CP1250"},
    {1251, "CP1251"},
    {1252, "CP1252"},
    {1253, "CP1253"},
    {1254, "CP1254"},
    {1255, "CP1255"},
    {1256, "CP1256"},
    {1257, "CP1257"},
    {1258, "CP1258"},
    {1361, "JOHAB"},
    {10000, "MACINTOSH"},
    {10001, "SHIFT_JIS"},
    {10002, "BIG5"},
    {10003, "EUC-KR"},
    {10004, nullptr},
    {10005, nullptr},
    {10006, nullptr},
    {10007, "MAC-CYRILLIC"},
    {10008, "EUC-CN"},
    {10029, "MAC-CENTRALEUROPE"},
    {10079, "MAC-IS"},
    {10081, nullptr},
    {20000, "EUC-TW"},
    {20002, nullptr},
    {20105, nullptr},
    {20106, "DIN_66003"},
    {20107, "SEN_850200_B"},
    {20108, "NS_4551-1"},
    {20127, "ASCII"},
    {20273, "IBM273"},
    {20277, "IBM277"},
    {20278, "IBM278"},
    {20280, "IBM280"},
    {20284, "IBM284"},
    {20285, "IBM285"},
    {20290, "IBM290"},
    {20423, "IBM423"},
    {20424, "IBM424"},
    {20833, nullptr},
    {20838, nullptr},
    {20866, "KOI8-R"},
    {20873, "IBM871"},
    {20880, "IBM880"},
    {20905, "IBM905"},
    {21025, "IBM1025"},
    {21866, "KOI8-U"},
    {28591, "ISO-8859-1"},
    {28592, "ISO-8859-2"},
    {28593, "ISO-8859-3"},
    {28594, "ISO-8859-4"},
    {28595, "ISO-8859-5"},
    {28596, "ISO-8859-6"},
    {28597, "ISO-8859-7"},
    {28598, "ISO-8859-8"},
    {28599, "ISO-8859-9"},
    {28605, "ISO-8859-15"},
    {29001, nullptr},
    {38598, "ISO-8859-8"},
    {50220, "ISO-2022-JP"},
    {50221, "ISO-2022-JP"},
    {50222, "ISO-2022-JP"},
    {50225, "ISO-2022-KR"},
    {50930, "IBM930"},
    {50933, "IBM933"},
    {50935, "IBM935"},
    {50937, "IBM937"},
    {50939, "IBM939"},
    {51932, "EUC-JP"},
    {51936, "EUC-CN"},
    {51949, "EUC-KR"},
    {52936, nullptr},
    {57002, nullptr},
    {57003, nullptr},
    {57004, nullptr},
    {57005, nullptr},
    {57006, nullptr},
    {57007, nullptr},
    {57008, nullptr},
    {57009, nullptr},
    {57010, nullptr},
    {57011, nullptr},
    {65000, "UTF-7"},
    {65001, "UTF-8"},
}};

}  // namespace

int codePageFromName(std::u16string_view name) {
    if (name.size() > 99) return kCodePageAnsi;
    if (name.substr(0, 6) == u"UTF-32") return kCodePageUtf32;
    std::string lower;
    lower.reserve(name.size());
    for (const char16_t c : name) {
        if (c >= 0x80) return kCodePageAnsi;  // every table name is ASCII
        const char a = static_cast<char>(c);
        lower.push_back(a >= 'A' && a <= 'Z' ? static_cast<char>(a - 'A' + 'a') : a);
    }
    const auto it = std::lower_bound(
        kNames.begin(), kNames.end(), lower,
        [](const NamedCodePage& e, const std::string& n) { return e.name < std::string_view(n); });
    if (it != kNames.end() && it->name == lower) return it->codePage;
    return kCodePageAnsi;
}

const char* iconvNameOfCodePage(int codePage) {
    for (const auto& c : kConverters)
        if (c.codePage == codePage) return c.iconvName;
    return nullptr;
}

std::string localeCharset() {
    // Asked of the environment's locale without touching the process-wide one.
    locale_t loc = ::newlocale(LC_ALL_MASK, "", static_cast<locale_t>(nullptr));
    if (!loc) return "ANSI_X3.4-1968";
    std::string name = ::nl_langinfo_l(CODESET, loc);
    ::freelocale(loc);
    return name.empty() ? std::string("ANSI_X3.4-1968") : name;
}

bool passesUtf8Test(std::span<const uint8_t> bytes) {
    size_t i = 0;
    const size_t n = bytes.size();
    while (i < n) {
        const uint8_t b = bytes[i++];
        if (b < 0x80) continue;
        size_t follow = 0;
        if (!(b & 0x20)) {
            follow = 1;
        } else if (b & 0x10) {
            if (b & 0x08) return false;
            follow = 3;
        } else {
            follow = 2;
        }
        for (; follow > 0; --follow) {
            if (i >= n || bytes[i] < 0x80) return false;
            ++i;
        }
    }
    return true;
}

namespace {

class Iconv {
  public:
    explicit Iconv(const char* from) : cd_(::iconv_open("UTF-16LE", from)) {}
    ~Iconv() {
        if (ok()) ::iconv_close(cd_);
    }
    Iconv(const Iconv&) = delete;
    Iconv& operator=(const Iconv&) = delete;
    bool ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }
    iconv_t get() const { return cd_; }

  private:
    iconv_t cd_;
};

void convertWith(Iconv& cv, std::span<const uint8_t> bytes, std::u16string& out) {
    // iconv takes non-const input pointers but does not write through them.
    char* in = reinterpret_cast<char*>(const_cast<uint8_t*>(bytes.data()));
    size_t inLeft = bytes.size();
    char buffer[16384];
    const auto flush = [&](size_t produced) {
        for (size_t k = 0; k + 1 < produced; k += 2)
            out.push_back(static_cast<char16_t>(static_cast<uint8_t>(buffer[k]) |
                                                (static_cast<uint8_t>(buffer[k + 1]) << 8)));
    };
    while (inLeft > 0) {
        char* o = buffer;
        size_t outLeft = sizeof buffer;
        const size_t r = ::iconv(cv.get(), &in, &inLeft, &o, &outLeft);
        const int err = errno;
        flush(sizeof buffer - outLeft);
        if (r != static_cast<size_t>(-1)) break;
        if (err == E2BIG) continue;
        // An invalid or cut-off sequence: mark it and go on with the next byte.
        out.push_back(u'\uFFFD');
        if (err != EILSEQ && err != EINVAL) break;
        ++in;
        --inLeft;
        ::iconv(cv.get(), nullptr, nullptr, nullptr, nullptr);
    }
    char* o = buffer;
    size_t outLeft = sizeof buffer;
    ::iconv(cv.get(), nullptr, nullptr, &o, &outLeft);  // stateful encodings end their shift
    flush(sizeof buffer - outLeft);
}

}  // namespace

void appendCodePageAsUtf16(std::span<const uint8_t> bytes, int codePage, std::u16string& out) {
    if (codePage == kCodePageUtf8) {
        appendUtf8AsUtf16(bytes, out);
        return;
    }
    if (const char* name = iconvNameOfCodePage(codePage)) {
        Iconv cv(name);
        if (cv.ok()) {
            convertWith(cv, bytes, out);
            return;
        }
    }
    // The locale is the environment's, fixed for the life of the process.
    static const std::string charset = localeCharset();
    Iconv cv(charset.c_str());
    if (cv.ok()) {
        convertWith(cv, bytes, out);
        return;
    }
    // Not even the locale's set converts: keep ASCII, mark the rest.
    for (const uint8_t b : bytes) out.push_back(b < 0x80 ? b : u'\uFFFD');
}

}  // namespace z408
