// z408ctl profile ...: default profiles, reading a profile in words, validating a file.
#include <cinttypes>
#include <cstdio>
#include <sstream>

#include "cli/cli.h"
#include "common/directories.h"
#include "common/file_io.h"
#include "common/text.h"
#include "config/profile_store.h"
#include "config/seeding.h"
#include "functions/key_tables.h"
#include "functions/keyboard_layout.h"

namespace z408::cli {
namespace {

constexpr const char* kButtonNames[kButtonCount] = {
    "left button", "middle button", "right button", "forward button",
    "back button", "wheel up",      "wheel down"};

std::string hex32(uint32_t v) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "0x%08" PRIX32, v);
    return buf;
}

// COLORREF 0x00BBGGRR as #RRGGBB.
std::string colourText(uint32_t c) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "#%02X%02X%02X", c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
    return buf;
}

std::string lightingModeName(uint32_t mode) {
    switch (mode) {
        case 1:
            return "always on";
        case 2:
            return "breathing";
        case 3:
            return "ambient breathing";
        case 4:
            return "spectrum";
        case 5:
            return "symphony";
        case 6:
            return "off";
        default:
            return "unknown (light off)";
    }
}

std::string jsonString(std::string_view s) {
    std::string out = "\"";
    for (const char ch : s) {
        const auto c = static_cast<unsigned char>(ch);
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                if (c < 0x20) {
                    char buf[8];
                    std::snprintf(buf, sizeof buf, "\\u%04x", c);
                    out += buf;
                } else {
                    out.push_back(static_cast<char>(c));
                }
        }
    }
    return out + "\"";
}

// What a button does, in words, with its parameters.
struct ButtonDescription {
    std::string function;  // catalogue name or kind
    std::string detail;    // parameters
};

ButtonDescription describeButton(const ProfileSettings& p, int b) {
    const auto btn = p.button(b);
    const FunctionType f = btn.functionType();
    const std::string display = utf16ToUtf8(btn.displayName());
    switch (f) {
        case fn::KeyCombination:
            return {"key combination", comboText(btn.bindingCode(), UsKeyboardLayout::instance()) +
                                           " (code " + hex32(btn.bindingCode()) + ")"};
        case fn::Macro:
            return {"macro", "\"" + display + "\" (macro id " + hex32(btn.macroId()) + ")"};
        case fn::Software: {
            const auto kind = softwareKindFromValue(btn.softwareKind());
            return {kind ? std::string(softwareKindName(*kind))
                         : "software function of unknown kind " + hex32(btn.softwareKind()),
                    utf16ToUtf8(btn.path())};
        }
        default:
            if (findFunction(f)) return {std::string(functionName(f, false)), {}};
            return {"unknown function " + std::to_string(f), {}};
    }
}

void printText(const ProfileSettings& p, const std::string& path, const MacroIdList* macroIds) {
    // Names and paths come from the file: printed without their control characters.
    std::printf("Profile file      %s\n\nButtons\n", terminalSafe(path).c_str());
    for (int b = 0; b < kButtonCount; ++b) {
        const auto d = describeButton(p, b);
        const auto btn = p.button(b);
        char head[64];
        std::snprintf(head, sizeof head, "  %-15s %3" PRIu32 "  ", kButtonNames[b],
                      btn.functionType());
        std::string line = head + d.function;
        if (!d.detail.empty()) line += "  " + d.detail;
        const std::string display = utf16ToUtf8(btn.displayName());
        if (display != d.function && btn.functionType() != fn::Macro &&
            btn.functionType() != fn::Software && btn.functionType() != fn::KeyCombination)
            line += "  shown as \"" + display + "\"";
        if (macroIds && (*macroIds)[static_cast<size_t>(b)] != 0)
            line += "  [macro id " + hex32((*macroIds)[static_cast<size_t>(b)]) + "]";
        std::printf("%s\n", terminalSafe(line).c_str());
    }
    std::printf("\nDPI levels        ");
    for (int i = 0; i < kDpiLevelCount; ++i)
        std::printf("%s%" PRIu32, i ? ", " : "", p.dpiLevel(i));
    const uint32_t hz = reportRateHz(p.reportRateCode());
    std::printf("\nReport rate       ");
    if (hz)
        std::printf("%" PRIu32 " Hz\n", hz);
    else
        std::printf("unknown (code %" PRIu32 ")\n", p.reportRateCode());
    std::printf("Pointer speed     %" PRIu32 " of 20\n", p.pointerSpeed());
    std::printf("Precision         %s\n", p.enhancePrecision() ? "enhanced" : "off");
    if (p.wheelLines() == -1)
        std::printf("Wheel             one screen per notch\n");
    else
        std::printf("Wheel             %" PRId32 " lines per notch\n", p.wheelLines());
    std::printf("Height slider     %" PRIu32 "\n", p.heightSlider());
    std::printf("\nLighting          mode %" PRIu32 " (%s)\n", p.lightingMode(),
                lightingModeName(p.lightingMode()).c_str());
    std::printf("  always-on level %" PRIu32 ", breathing speed %" PRIu32
                ", symphony speed %" PRIu32 ", symphony colours %s\n",
                p.mode1Param(), p.mode2Param(), p.mode5Param(),
                p.multicolourOption() ? "on" : "off");
    for (int i = 0; i < 4; ++i) {
        std::printf("  colour %d        %s  %s", i, colourText(p.colour(i)).c_str(),
                    i < 3 ? "(multicolour)" : "(single)   ");
        if (p.colourIsCustom(i))
            std::printf("  custom\n");
        else
            std::printf("  preset %" PRIu32 "\n", p.presetIndex(i));
    }
    std::printf("Proximity sensing %s\n", p.proximitySensing() ? "on" : "off");
}

void printJson(const ProfileSettings& p, const std::string& path, const MacroIdList* macroIds) {
    std::ostringstream o;
    o << "{\n  \"path\": " << jsonString(path) << ",\n  \"buttons\": [\n";
    for (int b = 0; b < kButtonCount; ++b) {
        const auto btn = p.button(b);
        const auto d = describeButton(p, b);
        o << "    {\"button\": " << b << ", \"name\": " << jsonString(kButtonNames[b])
          << ", \"functionType\": " << btn.functionType()
          << ", \"function\": " << jsonString(d.function)
          << ", \"displayName\": " << jsonString(utf16ToUtf8(btn.displayName()));
        if (btn.functionType() == fn::KeyCombination)
            o << ", \"bindingCode\": " << btn.bindingCode() << ", \"combination\": "
              << jsonString(comboText(btn.bindingCode(), UsKeyboardLayout::instance()));
        if (btn.functionType() == fn::Macro) o << ", \"macroId\": " << btn.macroId();
        if (btn.functionType() == fn::Software)
            o << ", \"softwareKind\": " << btn.softwareKind()
              << ", \"path\": " << jsonString(utf16ToUtf8(btn.path()));
        if (macroIds) o << ", \"macroIdListEntry\": " << (*macroIds)[static_cast<size_t>(b)];
        o << "}" << (b + 1 < kButtonCount ? "," : "") << "\n";
    }
    o << "  ],\n  \"dpiLevels\": [";
    for (int i = 0; i < kDpiLevelCount; ++i) o << (i ? ", " : "") << p.dpiLevel(i);
    o << "],\n  \"reportRateCode\": " << p.reportRateCode()
      << ",\n  \"reportRateHz\": " << reportRateHz(p.reportRateCode())
      << ",\n  \"pointerSpeed\": " << p.pointerSpeed()
      << ",\n  \"enhancePrecision\": " << (p.enhancePrecision() ? "true" : "false")
      << ",\n  \"wheelLines\": " << p.wheelLines() << ",\n  \"heightSlider\": " << p.heightSlider()
      << ",\n  \"lighting\": {\"mode\": " << p.lightingMode()
      << ", \"modeName\": " << jsonString(lightingModeName(p.lightingMode()))
      << ", \"mode1Param\": " << p.mode1Param() << ", \"mode2Param\": " << p.mode2Param()
      << ", \"mode5Param\": " << p.mode5Param()
      << ", \"multicolourOption\": " << p.multicolourOption() << ", \"colours\": [";
    for (int i = 0; i < 4; ++i)
        o << (i ? ", " : "") << "{\"rgb\": " << jsonString(colourText(p.colour(i)))
          << ", \"custom\": " << (p.colourIsCustom(i) ? "true" : "false")
          << ", \"presetIndex\": " << p.presetIndex(i) << "}";
    o << "]},\n  \"proximitySensing\": " << (p.proximitySensing() ? "true" : "false") << "\n}\n";
    std::fputs(o.str().c_str(), stdout);
}

int profileDefaults(const Args& args) {
    ArgScanner scan(args);
    const bool chinese = scan.flag("--chinese");
    std::vector<std::string> pos;
    std::string err;
    if (!scan.positionals(pos, err) || pos.size() != 1)
        return fail("profile defaults", err.empty() ? "expects one FILE" : err, kExitBadInput);
    const auto p = ProfileSettings::defaults(chinese);
    const FileResult r = writeFileAtomic(pos[0], p.image());
    if (!r)
        return fail("profile defaults", "cannot write " + pos[0] + ": " + r.describe(),
                    kExitFailed);
    return kExitOk;
}

int profileShow(const Args& args) {
    ArgScanner scan(args);
    const bool json = scan.flag("--json");
    const bool active = scan.flag("--active");
    std::string dataDir;
    const bool haveDataDir = scan.value("--data-dir", dataDir);
    std::vector<std::string> pos;
    std::string err;
    if (!scan.positionals(pos, err)) return fail("profile show", err, kExitBadInput);
    if (active) {
        if (!pos.empty()) return fail("profile show", "--active takes no FILE", kExitBadInput);
        // The active profile of a data directory, seeded and loaded as the program does at
        // start-up.
        const std::filesystem::path dir =
            haveDataDir ? std::filesystem::path(dataDir) : dataDirectory();
        seedDataDirectory(programDirectory(), dir);
        TerminalNotices notices;
        ProfileStore store(dir, notices);
        store.loadTableAndActiveProfile();
        const auto path = store.profilePath(store.activeEntry()).string();
        if (json)
            printJson(store.active(), path, &store.macroIdList());
        else
            printText(store.active(), path, &store.macroIdList());
        return kExitOk;
    }
    if (haveDataDir) return fail("profile show", "--data-dir goes with --active", kExitBadInput);
    if (pos.size() != 1)
        return fail("profile show", "expects one FILE (or --active)", kExitBadInput);
    ProfileSettings p;
    if (int rc = readProfileFile("profile show", pos[0], p); rc != kExitOk) return rc;
    if (json)
        printJson(p, pos[0], nullptr);
    else
        printText(p, pos[0], nullptr);
    return kExitOk;
}

int profileValidate(const Args& args) {
    ArgScanner scan(args);
    std::vector<std::string> pos;
    std::string err;
    if (!scan.positionals(pos, err) || pos.size() != 1)
        return fail("profile validate", err.empty() ? "expects one FILE" : err, kExitBadInput);
    ProfileSettings p;
    if (int rc = readProfileFile("profile validate", pos[0], p); rc != kExitOk) return rc;
    std::printf("%s is a valid profile\n", pos[0].c_str());
    return kExitOk;
}

}  // namespace

// Reads a profile file the way the program does: up to the record's size, magic required.
int readProfileFile(std::string_view cmd, const std::string& path, ProfileSettings& out) {
    std::vector<uint8_t> bytes;
    const FileResult r = readFilePrefix(path, kProfileSize, bytes);
    if (!r) return fail(cmd, "cannot read " + path + ": " + r.describe(), kExitBadInput);
    out.assign(bytes);
    if (!out.hasMagic()) return fail(cmd, formatText(kInvalidProfileText, {path}), kExitBadInput);
    return kExitOk;
}

void registerProfileCommands(CommandRegistry& registry) {
    registry.add({"profile defaults", "FILE [--chinese]",
                  "write a profile with the default settings",
                  "Writes a 22252-byte default profile to FILE. Button names are English unless\n"
                  "--chinese is given.",
                  profileDefaults});
    registry.add(
        {"profile show", "FILE [--json] | --active [--data-dir DIR] [--json]",
         "show a profile in words",
         "Shows what each button does, the DPI levels, report rate, pointer settings and\n"
         "lighting of the profile in FILE. --active shows the active profile of the data\n"
         "folder (default ~/.local/share/TARVO/Z408), set up as the program does at start.",
         profileShow});
    registry.add({"profile validate", "FILE", "check that FILE is a profile",
                  "Exit 0 when FILE is a profile the program accepts, 2 otherwise.",
                  profileValidate});
}

}  // namespace z408::cli
