// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "formats/xml_references.h"

#include <algorithm>
#include <array>

namespace z408 {
namespace {

struct Entity {
    std::string_view name;
    char16_t value;
};

// The character entity references of HTML 4.01 and apos, sorted by name (exact case).
constexpr std::array<Entity, 253> kEntities{{
    {"AElig", 0x00C6},   {"Aacute", 0x00C1},  {"Acirc", 0x00C2},    {"Agrave", 0x00C0},
    {"Alpha", 0x0391},   {"Aring", 0x00C5},   {"Atilde", 0x00C3},   {"Auml", 0x00C4},
    {"Beta", 0x0392},    {"Ccedil", 0x00C7},  {"Chi", 0x03A7},      {"Dagger", 0x2021},
    {"Delta", 0x0394},   {"ETH", 0x00D0},     {"Eacute", 0x00C9},   {"Ecirc", 0x00CA},
    {"Egrave", 0x00C8},  {"Epsilon", 0x0395}, {"Eta", 0x0397},      {"Euml", 0x00CB},
    {"Gamma", 0x0393},   {"Iacute", 0x00CD},  {"Icirc", 0x00CE},    {"Igrave", 0x00CC},
    {"Iota", 0x0399},    {"Iuml", 0x00CF},    {"Kappa", 0x039A},    {"Lambda", 0x039B},
    {"Mu", 0x039C},      {"Ntilde", 0x00D1},  {"Nu", 0x039D},       {"OElig", 0x0152},
    {"Oacute", 0x00D3},  {"Ocirc", 0x00D4},   {"Ograve", 0x00D2},   {"Omega", 0x03A9},
    {"Omicron", 0x039F}, {"Oslash", 0x00D8},  {"Otilde", 0x00D5},   {"Ouml", 0x00D6},
    {"Phi", 0x03A6},     {"Pi", 0x03A0},      {"Prime", 0x2033},    {"Psi", 0x03A8},
    {"Rho", 0x03A1},     {"Scaron", 0x0160},  {"Sigma", 0x03A3},    {"THORN", 0x00DE},
    {"Tau", 0x03A4},     {"Theta", 0x0398},   {"Uacute", 0x00DA},   {"Ucirc", 0x00DB},
    {"Ugrave", 0x00D9},  {"Upsilon", 0x03A5}, {"Uuml", 0x00DC},     {"Xi", 0x039E},
    {"Yacute", 0x00DD},  {"Yuml", 0x0178},    {"Zeta", 0x0396},     {"aacute", 0x00E1},
    {"acirc", 0x00E2},   {"acute", 0x00B4},   {"aelig", 0x00E6},    {"agrave", 0x00E0},
    {"alefsym", 0x2135}, {"alpha", 0x03B1},   {"amp", 0x0026},      {"and", 0x2227},
    {"ang", 0x2220},     {"apos", 0x0027},    {"aring", 0x00E5},    {"asymp", 0x2248},
    {"atilde", 0x00E3},  {"auml", 0x00E4},    {"bdquo", 0x201E},    {"beta", 0x03B2},
    {"brvbar", 0x00A6},  {"bull", 0x2022},    {"cap", 0x2229},      {"ccedil", 0x00E7},
    {"cedil", 0x00B8},   {"cent", 0x00A2},    {"chi", 0x03C7},      {"circ", 0x02C6},
    {"clubs", 0x2663},   {"cong", 0x2245},    {"copy", 0x00A9},     {"crarr", 0x21B5},
    {"cup", 0x222A},     {"curren", 0x00A4},  {"dArr", 0x21D3},     {"dagger", 0x2020},
    {"darr", 0x2193},    {"deg", 0x00B0},     {"delta", 0x03B4},    {"diams", 0x2666},
    {"divide", 0x00F7},  {"eacute", 0x00E9},  {"ecirc", 0x00EA},    {"egrave", 0x00E8},
    {"empty", 0x2205},   {"emsp", 0x2003},    {"ensp", 0x2002},     {"epsilon", 0x03B5},
    {"equiv", 0x2261},   {"eta", 0x03B7},     {"eth", 0x00F0},      {"euml", 0x00EB},
    {"euro", 0x20AC},    {"exist", 0x2203},   {"fnof", 0x0192},     {"forall", 0x2200},
    {"frac12", 0x00BD},  {"frac14", 0x00BC},  {"frac34", 0x00BE},   {"frasl", 0x2044},
    {"gamma", 0x03B3},   {"ge", 0x2265},      {"gt", 0x003E},       {"hArr", 0x21D4},
    {"harr", 0x2194},    {"hearts", 0x2665},  {"hellip", 0x2026},   {"iacute", 0x00ED},
    {"icirc", 0x00EE},   {"iexcl", 0x00A1},   {"igrave", 0x00EC},   {"image", 0x2111},
    {"infin", 0x221E},   {"int", 0x222B},     {"iota", 0x03B9},     {"iquest", 0x00BF},
    {"isin", 0x2208},    {"iuml", 0x00EF},    {"kappa", 0x03BA},    {"lArr", 0x21D0},
    {"lambda", 0x03BB},  {"lang", 0x2329},    {"laquo", 0x00AB},    {"larr", 0x2190},
    {"lceil", 0x2308},   {"ldquo", 0x201C},   {"le", 0x2264},       {"lfloor", 0x230A},
    {"lowast", 0x2217},  {"loz", 0x25CA},     {"lrm", 0x200E},      {"lsaquo", 0x2039},
    {"lsquo", 0x2018},   {"lt", 0x003C},      {"macr", 0x00AF},     {"mdash", 0x2014},
    {"micro", 0x00B5},   {"middot", 0x00B7},  {"minus", 0x2212},    {"mu", 0x03BC},
    {"nabla", 0x2207},   {"nbsp", 0x00A0},    {"ndash", 0x2013},    {"ne", 0x2260},
    {"ni", 0x220B},      {"not", 0x00AC},     {"notin", 0x2209},    {"nsub", 0x2284},
    {"ntilde", 0x00F1},  {"nu", 0x03BD},      {"oacute", 0x00F3},   {"ocirc", 0x00F4},
    {"oelig", 0x0153},   {"ograve", 0x00F2},  {"oline", 0x203E},    {"omega", 0x03C9},
    {"omicron", 0x03BF}, {"oplus", 0x2295},   {"or", 0x2228},       {"ordf", 0x00AA},
    {"ordm", 0x00BA},    {"oslash", 0x00F8},  {"otilde", 0x00F5},   {"otimes", 0x2297},
    {"ouml", 0x00F6},    {"para", 0x00B6},    {"part", 0x2202},     {"permil", 0x2030},
    {"perp", 0x22A5},    {"phi", 0x03C6},     {"pi", 0x03C0},       {"piv", 0x03D6},
    {"plusmn", 0x00B1},  {"pound", 0x00A3},   {"prime", 0x2032},    {"prod", 0x220F},
    {"prop", 0x221D},    {"psi", 0x03C8},     {"quot", 0x0022},     {"rArr", 0x21D2},
    {"radic", 0x221A},   {"rang", 0x232A},    {"raquo", 0x00BB},    {"rarr", 0x2192},
    {"rceil", 0x2309},   {"rdquo", 0x201D},   {"real", 0x211C},     {"reg", 0x00AE},
    {"rfloor", 0x230B},  {"rho", 0x03C1},     {"rlm", 0x200F},      {"rsaquo", 0x203A},
    {"rsquo", 0x2019},   {"sbquo", 0x201A},   {"scaron", 0x0161},   {"sdot", 0x22C5},
    {"sect", 0x00A7},    {"shy", 0x00AD},     {"sigma", 0x03C3},    {"sigmaf", 0x03C2},
    {"sim", 0x223C},     {"spades", 0x2660},  {"sub", 0x2282},      {"sube", 0x2286},
    {"sum", 0x2211},     {"sup", 0x2283},     {"sup1", 0x00B9},     {"sup2", 0x00B2},
    {"sup3", 0x00B3},    {"supe", 0x2287},    {"szlig", 0x00DF},    {"tau", 0x03C4},
    {"there4", 0x2234},  {"theta", 0x03B8},   {"thetasym", 0x03D1}, {"thinsp", 0x2009},
    {"thorn", 0x00FE},   {"tilde", 0x02DC},   {"times", 0x00D7},    {"trade", 0x2122},
    {"uArr", 0x21D1},    {"uacute", 0x00FA},  {"uarr", 0x2191},     {"ucirc", 0x00FB},
    {"ugrave", 0x00F9},  {"uml", 0x00A8},     {"upsih", 0x03D2},    {"upsilon", 0x03C5},
    {"uuml", 0x00FC},    {"weierp", 0x2118},  {"xi", 0x03BE},       {"yacute", 0x00FD},
    {"yen", 0x00A5},     {"yuml", 0x00FF},    {"zeta", 0x03B6},     {"zwj", 0x200D},
    {"zwnj", 0x200C},
}};

// The same names in lower case; where two names differ only in case, the value is that of the
// one with an upper-case letter (AGRAVE is \u00C0, not \u00E0).
constexpr std::array<Entity, 189> kFoldedEntities{{
    {"aacute", 0x00C1}, {"acirc", 0x00C2},   {"acute", 0x00B4},   {"aelig", 0x00C6},
    {"agrave", 0x00C0}, {"alefsym", 0x2135}, {"alpha", 0x0391},   {"amp", 0x0026},
    {"and", 0x2227},    {"ang", 0x2220},     {"apos", 0x0027},    {"aring", 0x00C5},
    {"asymp", 0x2248},  {"atilde", 0x00C3},  {"auml", 0x00C4},    {"bdquo", 0x201E},
    {"beta", 0x0392},   {"brvbar", 0x00A6},  {"bull", 0x2022},    {"cap", 0x2229},
    {"ccedil", 0x00C7}, {"cedil", 0x00B8},   {"cent", 0x00A2},    {"chi", 0x03A7},
    {"circ", 0x02C6},   {"clubs", 0x2663},   {"cong", 0x2245},    {"copy", 0x00A9},
    {"crarr", 0x21B5},  {"cup", 0x222A},     {"curren", 0x00A4},  {"dagger", 0x2021},
    {"darr", 0x21D3},   {"deg", 0x00B0},     {"delta", 0x0394},   {"diams", 0x2666},
    {"divide", 0x00F7}, {"eacute", 0x00C9},  {"ecirc", 0x00CA},   {"egrave", 0x00C8},
    {"empty", 0x2205},  {"emsp", 0x2003},    {"ensp", 0x2002},    {"epsilon", 0x0395},
    {"equiv", 0x2261},  {"eta", 0x0397},     {"eth", 0x00D0},     {"euml", 0x00CB},
    {"euro", 0x20AC},   {"exist", 0x2203},   {"fnof", 0x0192},    {"forall", 0x2200},
    {"frac12", 0x00BD}, {"frac14", 0x00BC},  {"frac34", 0x00BE},  {"frasl", 0x2044},
    {"gamma", 0x0393},  {"ge", 0x2265},      {"gt", 0x003E},      {"harr", 0x21D4},
    {"hearts", 0x2665}, {"hellip", 0x2026},  {"iacute", 0x00CD},  {"icirc", 0x00CE},
    {"iexcl", 0x00A1},  {"igrave", 0x00CC},  {"image", 0x2111},   {"infin", 0x221E},
    {"int", 0x222B},    {"iota", 0x0399},    {"iquest", 0x00BF},  {"isin", 0x2208},
    {"iuml", 0x00CF},   {"kappa", 0x039A},   {"lambda", 0x039B},  {"lang", 0x2329},
    {"laquo", 0x00AB},  {"larr", 0x21D0},    {"lceil", 0x2308},   {"ldquo", 0x201C},
    {"le", 0x2264},     {"lfloor", 0x230A},  {"lowast", 0x2217},  {"loz", 0x25CA},
    {"lrm", 0x200E},    {"lsaquo", 0x2039},  {"lsquo", 0x2018},   {"lt", 0x003C},
    {"macr", 0x00AF},   {"mdash", 0x2014},   {"micro", 0x00B5},   {"middot", 0x00B7},
    {"minus", 0x2212},  {"mu", 0x039C},      {"nabla", 0x2207},   {"nbsp", 0x00A0},
    {"ndash", 0x2013},  {"ne", 0x2260},      {"ni", 0x220B},      {"not", 0x00AC},
    {"notin", 0x2209},  {"nsub", 0x2284},    {"ntilde", 0x00D1},  {"nu", 0x039D},
    {"oacute", 0x00D3}, {"ocirc", 0x00D4},   {"oelig", 0x0152},   {"ograve", 0x00D2},
    {"oline", 0x203E},  {"omega", 0x03A9},   {"omicron", 0x039F}, {"oplus", 0x2295},
    {"or", 0x2228},     {"ordf", 0x00AA},    {"ordm", 0x00BA},    {"oslash", 0x00D8},
    {"otilde", 0x00D5}, {"otimes", 0x2297},  {"ouml", 0x00D6},    {"para", 0x00B6},
    {"part", 0x2202},   {"permil", 0x2030},  {"perp", 0x22A5},    {"phi", 0x03A6},
    {"pi", 0x03A0},     {"piv", 0x03D6},     {"plusmn", 0x00B1},  {"pound", 0x00A3},
    {"prime", 0x2033},  {"prod", 0x220F},    {"prop", 0x221D},    {"psi", 0x03A8},
    {"quot", 0x0022},   {"radic", 0x221A},   {"rang", 0x232A},    {"raquo", 0x00BB},
    {"rarr", 0x21D2},   {"rceil", 0x2309},   {"rdquo", 0x201D},   {"real", 0x211C},
    {"reg", 0x00AE},    {"rfloor", 0x230B},  {"rho", 0x03A1},     {"rlm", 0x200F},
    {"rsaquo", 0x203A}, {"rsquo", 0x2019},   {"sbquo", 0x201A},   {"scaron", 0x0160},
    {"sdot", 0x22C5},   {"sect", 0x00A7},    {"shy", 0x00AD},     {"sigma", 0x03A3},
    {"sigmaf", 0x03C2}, {"sim", 0x223C},     {"spades", 0x2660},  {"sub", 0x2282},
    {"sube", 0x2286},   {"sum", 0x2211},     {"sup", 0x2283},     {"sup1", 0x00B9},
    {"sup2", 0x00B2},   {"sup3", 0x00B3},    {"supe", 0x2287},    {"szlig", 0x00DF},
    {"tau", 0x03A4},    {"there4", 0x2234},  {"theta", 0x0398},   {"thetasym", 0x03D1},
    {"thinsp", 0x2009}, {"thorn", 0x00DE},   {"tilde", 0x02DC},   {"times", 0x00D7},
    {"trade", 0x2122},  {"uacute", 0x00DA},  {"uarr", 0x21D1},    {"ucirc", 0x00DB},
    {"ugrave", 0x00D9}, {"uml", 0x00A8},     {"upsih", 0x03D2},   {"upsilon", 0x03A5},
    {"uuml", 0x00DC},   {"weierp", 0x2118},  {"xi", 0x039E},      {"yacute", 0x00DD},
    {"yen", 0x00A5},    {"yuml", 0x0178},    {"zeta", 0x0396},    {"zwj", 0x200D},
    {"zwnj", 0x200C},
}};

char16_t lookUp(const auto& table, std::string_view name) {
    const auto it =
        std::lower_bound(table.begin(), table.end(), name,
                         [](const Entity& e, std::string_view n) { return e.name < n; });
    return it != table.end() && it->name == name ? it->value : char16_t{0};
}

// Names are at most 8 characters before the ';'.
constexpr size_t kMaxNameLength = 8;

}  // namespace

char16_t namedEntityValue(std::u16string_view name) {
    if (name.empty() || name.size() > kMaxNameLength) return 0;
    char exact[kMaxNameLength];
    char folded[kMaxNameLength];
    for (size_t i = 0; i < name.size(); ++i) {
        if (name[i] >= 0x80) return 0;
        const char c = static_cast<char>(name[i]);
        exact[i] = c;
        folded[i] = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    }
    if (const char16_t v = lookUp(kEntities, std::string_view(exact, name.size()))) return v;
    return lookUp(kFoldedEntities, std::string_view(folded, name.size()));
}

namespace {

// The value of "#123" or "#x7B" (with the x in either case); digits are read as far as they go.
uint32_t numericReference(std::u16string_view name) {
    size_t i = 1;
    uint32_t base = 10;
    if (name.size() > 1 && (name[1] == u'x' || name[1] == u'X')) base = 16, i = 2;
    uint32_t value = 0;
    for (; i < name.size(); ++i) {
        const char16_t c = name[i];
        uint32_t digit = 0;
        if (c >= u'0' && c <= u'9') {
            digit = static_cast<uint32_t>(c - u'0');
        } else if (base == 16 && c >= u'a' && c <= u'f') {
            digit = static_cast<uint32_t>(c - u'a' + 10);
        } else if (base == 16 && c >= u'A' && c <= u'F') {
            digit = static_cast<uint32_t>(c - u'A' + 10);
        } else {
            break;
        }
        value = value * base + digit;  // at most 7 digits: no overflow
    }
    return value;
}

}  // namespace

void appendDecodedReferences(std::u16string_view text, std::u16string& out) {
    size_t i = 0;
    const size_t n = text.size();
    while (i < n) {
        const size_t amp = text.find(u'&', i);
        if (amp == std::u16string_view::npos) {
            out.append(text.substr(i));
            return;
        }
        out.append(text.substr(i, amp - i));
        // Look for the ';' among the next 9 characters; a non-ASCII character ends the search.
        size_t semi = std::u16string_view::npos;
        for (size_t k = amp + 1; k < n && k <= amp + kMaxNameLength + 1; ++k) {
            if (text[k] >= 0x80) break;
            if (text[k] == u';') {
                semi = k;
                break;
            }
        }
        uint32_t value = 0;
        if (semi != std::u16string_view::npos) {
            const std::u16string_view name = text.substr(amp + 1, semi - amp - 1);
            value =
                !name.empty() && name[0] == u'#' ? numericReference(name) : namedEntityValue(name);
        }
        if (value == 0) {
            out.push_back(u'&');
            i = amp + 1;
            continue;
        }
        if (value >= 0x10000) {
            // Values past U+10FFFF keep their low 20 bits above U+10000.
            const uint32_t v = (value - 0x10000) & 0xFFFFF;
            out.push_back(static_cast<char16_t>(0xD800 | (v >> 10)));
            out.push_back(static_cast<char16_t>(0xDC00 | (v & 0x3FF)));
        } else {
            out.push_back(static_cast<char16_t>(value));
        }
        i = semi + 1;
    }
}

}  // namespace z408
