// z408ctl pointer ...: the desktop's pointer speed, acceleration and wheel lines, as the
// profile's pointer values set them.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "cli/cli.h"
#include "desktop/pointer_settings.h"

namespace z408::cli {
namespace {

std::string describe(const desktop::PointerValues& v) {
    auto part = [](const char* name, const std::optional<int>& value, bool page = false) {
        std::string text = std::string(name) + " ";
        if (!value) return text + "(no setting)";
        if (page && *value == -1) return text + "-1 (one page)";
        return text + std::to_string(*value);
    };
    return part("speed", v.speed) + ", " + part("enhance precision", v.precision) + ", " +
           part("wheel lines", v.wheelLines, true);
}

int runShow(const Args& args) {
    if (!args.empty()) return fail("pointer show", "takes no arguments", kExitBadInput);
    desktop::DesktopPointerSettings settings;
    for (const auto& s : settings.status()) {
        if (s.present)
            std::printf("%s: in use; %s\n", s.name.c_str(), describe(s.values).c_str());
        else
            std::printf("%s: not present\n", s.name.c_str());
    }
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
        return fail("pointer apply", "expects SPEED PRECISION WHEEL_LINES (three integers)", kExitBadInput);
    desktop::DesktopPointerSettings settings;
    const bool any = settings.apply(speed, precision, lines);
    for (const auto& s : settings.status())
        std::printf("%s: %s\n", s.name.c_str(),
                    !s.present ? "not present" : s.applied ? "applied" : "failed");
    if (!any) return fail("pointer apply", "no pointer setting took the values", kExitFailed);
    return kExitOk;
}

}  // namespace

void registerPointerCommands(CommandRegistry& registry) {
    registry.add({"pointer show", "",
                  "show the desktop's pointer settings and which of them are in use",
                  "For each place the settings live (the X server's core pointer, GNOME's\n"
                  "gsettings, KDE's kcminputrc and kdeglobals): whether this desktop uses it, and\n"
                  "its speed (1-20, 10 neutral), enhance precision (0/1) and wheel lines\n"
                  "(-1 = one page).",
                  runShow});
    registry.add({"pointer apply", "SPEED PRECISION WHEEL_LINES",
                  "set the pointer values as a profile upload does",
                  "Writes the three values into every pointer setting this desktop uses and tells\n"
                  "which took them. Speeds outside 1-20 are clamped.",
                  runApply});
}

}  // namespace z408::cli
