// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

// z408ctl pointer ...: the desktop's pointer speed, acceleration and wheel lines, as the
// profile's pointer values set them.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "cli/cli.h"
#include "cli/json_out.h"
#include "cli/profile_edit.h"
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

// The values in profile set's words: precision on/off, the wheel in lines or a screen.
Json readingJson(const desktop::PointerReading& v) {
    const auto number = [](const std::optional<int>& x) {
        return x ? Json::number(*x) : Json::null();
    };
    return Json::object()
        .set("speed", number(v.speed))
        .set("precision", v.precision ? Json::string(*v.precision ? "on" : "off") : Json::null())
        .set("wheel",
             v.wheelLines ? Json::string(*v.wheelLines == -1 ? "screen" : "lines") : Json::null())
        .set("wheelLines",
             v.wheelLines && *v.wheelLines != -1 ? Json::number(*v.wheelLines) : Json::null());
}

int runShow(const Args& args) {
    ArgScanner scan(args);
    const bool json = scan.flag("--json");
    std::vector<std::string> rest;
    std::string error;
    if (!scan.positionals(rest, error) || !rest.empty())
        return fail("pointer show", error.empty() ? "takes no arguments" : error, kExitBadInput);
    desktop::DesktopPointerSettings settings;
    const auto status = settings.status();
    if (json) {
        Json places = Json::array();
        Json keptBy = Json::object();
        for (const auto& s : status)
            places.push(Json::object()
                            .set("name", Json::string(s.name))
                            .set("present", Json::boolean(s.present))
                            .set("values", s.present ? readingJson(s.values) : Json::null()));
        const std::pair<const char*, bool desktop::PointerFields::*> fields[] = {
            {"speed", &desktop::PointerFields::speed},
            {"precision", &desktop::PointerFields::precision},
            {"wheel", &desktop::PointerFields::wheelLines}};
        for (const auto& [key, field] : fields) {
            Json names = Json::array();
            for (const auto& s : status)
                if (s.present && s.fields.*field) names.push(Json::string(s.name));
            keptBy.set(key, std::move(names));
        }
        Json::document().set("places", std::move(places)).set("keptBy", std::move(keptBy)).print();
        return kExitOk;
    }
    for (const auto& s : status) {
        if (s.present)
            std::printf("%s: in use; %s\n", s.name.c_str(), describe(s.values, s.fields).c_str());
        else
            std::printf("%s: not present\n", s.name.c_str());
    }
    printSummary(status, false);
    return kExitOk;
}

int runApply(const Args& args) {
    // The values as profile set takes them, and refused where it refuses them: a script that
    // sets the pointer by hand gets what a profile would give.
    std::string error;
    const auto values = parsePointerValues(args, error);
    if (!values) return fail("pointer apply", error, kExitBadInput);
    desktop::DesktopPointerSettings settings;
    const bool any = settings.apply(values->speed, values->precision, values->wheelLines);
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
    registry.add({"pointer show", "[--json]",
                  "show the desktop's pointer settings and which of them are in use",
                  "For each place the settings live (the X server's core pointer, the libinput\n"
                  "X driver's device properties, GNOME's, Cinnamon's and MATE's gsettings, Xfce's\n"
                  "xfconf, KDE's kcminputrc and kdeglobals): whether this desktop uses it, and\n"
                  "its speed (1-20, 10 neutral), enhance precision (0/1) and wheel lines\n"
                  "(-1 = one page). Then, for each value, which of them keep it, or that this\n"
                  "desktop does not support it (wheel lines: only KDE has a setting). --json\n"
                  "prints the same as JSON, precision as on/off and the wheel as lines or\n"
                  "screen (see JSON OUTPUT in z408ctl(1)).",
                  runShow});
    registry.add({"pointer apply", "SPEED on|off LINES|screen",
                  "set the pointer values as a profile upload does",
                  "Writes the three values into every pointer setting this desktop uses and tells\n"
                  "which took them, and which values no setting of this desktop took. They are\n"
                  "taken as profile set takes pointer-speed (1 to 20), precision (on or off) and\n"
                  "wheel (1 to 30 lines, 'lines N', or screen); others are refused (exit 2).\n"
                  "With precision off the X server's own acceleration is off (1/1), and it has\n"
                  "no speed of its own then.",
                  runApply});
}

}  // namespace z408::cli
