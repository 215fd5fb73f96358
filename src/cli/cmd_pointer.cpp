// z408ctl pointer ...: the desktop's pointer speed, acceleration and wheel lines, as the
// profile's pointer values set them.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "cli/cli.h"
#include "desktop/desktop_pointer_settings.h"

namespace z408::cli {
namespace {

std::string describe(const desktop::PointerReading& v, const desktop::PointerFields& fields) {
    auto part = [](const char* name, const std::optional<int>& value, bool has, bool page = false) {
        std::string text = std::string(name) + " ";
        if (!value) return text + (has ? "(not set)" : "(no setting)");
        if (page && *value == -1) return text + "-1 (one page)";
        return text + std::to_string(*value);
    };
    return part("speed", v.speed, fields.speed) + ", " +
           part("enhance precision", v.precision, fields.precision) + ", " +
           part("wheel lines", v.wheelLines, fields.wheelLines, true);
}

// Which places took (or keep) each of the three values, one line per value, so that what this
// desktop does not support is said plainly.
void printSummary(const std::vector<desktop::DesktopPointerSettings::BackendStatus>& status,
                  bool applied) {
    struct Value {
        const char* name;
        bool desktop::PointerFields::*field;
    };
    const Value values[] = {{"speed", &desktop::PointerFields::speed},
                            {"enhance precision", &desktop::PointerFields::precision},
                            {"wheel lines", &desktop::PointerFields::wheelLines}};
    for (const auto& v : values) {
        std::string places;
        for (const auto& s : status) {
            const bool counts =
                applied ? (s.applied && (*s.applied).*v.field) : (s.present && s.fields.*v.field);
            if (counts) places += (places.empty() ? "" : ", ") + s.name;
        }
        if (!places.empty())
            std::printf("%s: %s %s\n", v.name, applied ? "applied to" : "kept by", places.c_str());
        else
            std::printf("%s: %s\n", v.name,
                        applied ? "not applied: no setting of this desktop takes it"
                                : "not supported on this desktop");
    }
}

int runShow(const Args& args) {
    if (!args.empty()) return fail("pointer show", "takes no arguments", kExitBadInput);
    desktop::DesktopPointerSettings settings;
    const auto status = settings.status();
    for (const auto& s : status) {
        if (s.present)
            std::printf("%s: in use; %s\n", s.name.c_str(), describe(s.values, s.fields).c_str());
        else
            std::printf("%s: not present\n", s.name.c_str());
    }
    printSummary(status, false);
    return kExitOk;
}

bool parseInt(const std::string& text, int& out) {
    char* end = nullptr;
    const long v = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0' || v < -1000000 || v > 1000000) return false;
    out = static_cast<int>(v);
    return true;
}

int runApply(const Args& args) {
    int speed = 0, precision = 0, lines = 0;
    if (args.size() != 3 || !parseInt(args[0], speed) || !parseInt(args[1], precision) ||
        !parseInt(args[2], lines))
        return fail("pointer apply", "expects SPEED PRECISION WHEEL_LINES (three integers)",
                    kExitBadInput);
    desktop::DesktopPointerSettings settings;
    const bool any = settings.apply(speed, precision, lines);
    const auto status = settings.status();
    for (const auto& s : status)
        std::printf("%s: %s\n", s.name.c_str(),
                    !s.present  ? "not present"
                    : s.applied ? "applied"
                                : "failed");
    printSummary(status, true);
    if (!any) return fail("pointer apply", "no pointer setting took the values", kExitFailed);
    return kExitOk;
}

}  // namespace

void registerPointerCommands(CommandRegistry& registry) {
    registry.add({"pointer show", "",
                  "show the desktop's pointer settings and which of them are in use",
                  "For each place the settings live (the X server's core pointer, the libinput\n"
                  "X driver's device properties, GNOME's, Cinnamon's and MATE's gsettings, Xfce's\n"
                  "xfconf, KDE's kcminputrc and kdeglobals): whether this desktop uses it, and\n"
                  "its speed (1-20, 10 neutral), enhance precision (0/1) and wheel lines\n"
                  "(-1 = one page). Then, for each value, which of them keep it, or that this\n"
                  "desktop does not support it (wheel lines: only KDE has a setting).",
                  runShow});
    registry.add({"pointer apply", "SPEED PRECISION WHEEL_LINES",
                  "set the pointer values as a profile upload does",
                  "Writes the three values into every pointer setting this desktop uses and tells\n"
                  "which took them, and which values no setting of this desktop took. Speeds\n"
                  "outside 1-20 are clamped; with precision 0 the X server's own acceleration is\n"
                  "off (1/1), and it has no speed of its own then.",
                  runApply});
}

}  // namespace z408::cli
