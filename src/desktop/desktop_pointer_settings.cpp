// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "desktop/desktop_pointer_settings.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sstream>

#include "common/file_io.h"
#include "desktop/process_runner.h"
#include "desktop/x11_display.h"

// Last: Xlib defines macros (None, Status) that clash with ordinary names.
#include <X11/Xlib.h>

namespace z408::desktop {
namespace {

constexpr int kNeutralSpeed = 10;
constexpr int kCoreDenominator = 10;
constexpr int kCoreThreshold = 4;  // the X server's own default threshold
// Qt, and so KDE, limits one wheel step to one page, so a very large count means "a page".
constexpr int kKdePageLines = 1000;
constexpr const char* kLibinputSpeed = "libinput Accel Speed";
// Booleans, one per profile: adaptive, flat[, custom].
constexpr const char* kLibinputProfiles = "libinput Accel Profile Enabled";
constexpr const char* kXfceChannel = "pointers";

int clampSpeed(int speed) {
    return std::clamp(speed, 1, 20);
}

// libinput's speed runs from -1 to 1 with 0 as neutral; the profile's 10 is neutral.
double libinputSpeed(int speed) {
    return std::clamp((clampSpeed(speed) - kNeutralSpeed) / 10.0, -1.0, 1.0);
}
int profileSpeed(double libinput) {
    return static_cast<int>(std::lround(libinput * 10.0)) + kNeutralSpeed;
}

// Precision on: the adaptive profile; off: flat, no acceleration. A third (custom) profile, where
// the driver has one, is off either way.
std::vector<int32_t> libinputProfiles(int precision, size_t count) {
    std::vector<int32_t> v(std::max<size_t>(count, 2), 0);
    v[precision != 0 ? 0 : 1] = 1;
    return v;
}
std::optional<int> precisionOfProfiles(const std::vector<int32_t>& v) {
    if (v.size() >= 2 && v[1] != 0) return 0;
    if (!v.empty() && v[0] != 0) return 1;
    return std::nullopt;
}

// The X server's own acceleration for a precision and speed: numerator, denominator, threshold.
// Off is 1/1, which every acceleration profile of the server takes as no acceleration at all
// (threshold 0 selects the polynomial profile, whose exponent is then 0).
struct CoreControl {
    int numerator, denominator, threshold;
};
CoreControl coreControl(int speed, int precision) {
    if (precision == 0) return {1, 1, 0};
    return {clampSpeed(speed) * 2, kCoreDenominator, kCoreThreshold};
}

// Numbers as the settings tools and files read them: always with a decimal point, whatever the
// program's locale (Qt adopts the user's, where it may be a comma).
std::string number(double v) {
    char buf[32];
    const auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::general, 6);
    return std::string(buf, r.ptr);
}

bool desktopIs(const char* name) {
    const char* current = std::getenv("XDG_CURRENT_DESKTOP");
    if (current == nullptr) return false;
    std::stringstream parts(current);
    std::string part;
    while (std::getline(parts, part, ':'))
        if (part == name) return true;
    return false;
}

std::filesystem::path configDir() {
    if (const char* x = std::getenv("XDG_CONFIG_HOME"); x != nullptr && *x == '/') return x;
    const char* home = std::getenv("HOME");
    return std::filesystem::path(home ? home : "/") / ".config";
}

std::optional<double> parseDouble(const std::string& text) {
    double v = 0;
    const char* first = text.data();
    if (first != text.data() + text.size() && *first == '+') ++first;
    const auto r = std::from_chars(first, text.data() + text.size(), v);
    if (r.ec != std::errc() || !std::isfinite(v)) return std::nullopt;
    return v;
}

std::string trim(const std::string& s) {
    const auto a = s.find_first_not_of(" \t\r\n'");
    if (a == std::string::npos) return {};
    const auto b = s.find_last_not_of(" \t\r\n'");
    return s.substr(a, b - a + 1);
}

std::string readWhole(const std::filesystem::path& p) {
    std::vector<uint8_t> bytes;
    if (!readFilePrefix(p, 4 * 1024 * 1024, bytes)) return {};
    return std::string(bytes.begin(), bytes.end());
}

bool writeWhole(const std::filesystem::path& p, const std::string& text) {
    std::error_code ec;
    std::filesystem::create_directories(p.parent_path(), ec);
    return static_cast<bool>(
        writeFileAtomic(p, std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size())));
}

}  // namespace

// ---- X11 core pointer ----

bool X11CorePointer::present() const {
    std::string error;
    Display* d = openX11Display(error);
    closeX11Display(d);
    return d != nullptr;
}

std::optional<PointerFields> X11CorePointer::apply(int speed, int precision, int /*wheelLines*/) {
    std::string error;
    Display* d = openX11Display(error);
    if (d == nullptr) return std::nullopt;
    const CoreControl c = coreControl(speed, precision);
    int failed = 0;
    {
        X11ErrorTrap trap(d);
        XChangePointerControl(d, True, True, c.numerator, c.denominator, c.threshold);
        failed = trap.sync();
    }
    closeX11Display(d);
    if (failed != 0) return std::nullopt;
    return PointerFields{precision != 0, true, false};
}

PointerReading X11CorePointer::read() const {
    std::string error;
    Display* d = openX11Display(error);
    if (d == nullptr) return {};
    int numerator = 0, denominator = 1, threshold = 0;
    XGetPointerControl(d, &numerator, &denominator, &threshold);
    closeX11Display(d);
    PointerReading v;
    const bool flat = numerator == denominator && threshold == 0;
    v.precision = flat ? 0 : 1;
    if (!flat && denominator > 0)
        v.speed = static_cast<int>(std::lround(10.0 * numerator / denominator / 2));
    return v;
}

// ---- libinput X driver ----

LibinputPointer::LibinputPointer(std::shared_ptr<PointerDevices> devices)
    : devices_(devices ? std::move(devices)
                       : std::shared_ptr<PointerDevices>(openX11PointerDevices())) {}

std::vector<PointerDevices::Device> LibinputPointer::libinputPointers() const {
    std::vector<PointerDevices::Device> out;
    if (!devices_) return out;
    for (auto& d : devices_->pointers())
        if (devices_->floats(d.id, kLibinputSpeed)) out.push_back(std::move(d));
    return out;
}

bool LibinputPointer::present() const {
    return !libinputPointers().empty();
}

std::optional<PointerFields> LibinputPointer::apply(int speed, int precision, int /*wheelLines*/) {
    const auto pointers = libinputPointers();
    if (pointers.empty()) return std::nullopt;
    bool ok = true;
    PointerFields set{true, false, false};
    for (const auto& d : pointers) {
        ok =
            devices_->setFloats(d.id, kLibinputSpeed, {static_cast<float>(libinputSpeed(speed))}) &&
            ok;
        // Older drivers have no profiles: their acceleration cannot be switched off.
        if (const auto profiles = devices_->integers(d.id, kLibinputProfiles)) {
            ok = devices_->setIntegers(d.id, kLibinputProfiles,
                                       libinputProfiles(precision, profiles->size())) &&
                 ok;
            set.precision = true;
        }
    }
    if (!ok) return std::nullopt;
    return set;
}

PointerReading LibinputPointer::read() const {
    PointerReading v;
    const auto pointers = libinputPointers();
    if (pointers.empty()) return v;
    if (const auto s = devices_->floats(pointers[0].id, kLibinputSpeed); s && !s->empty())
        v.speed = profileSpeed((*s)[0]);
    if (const auto p = devices_->integers(pointers[0].id, kLibinputProfiles))
        v.precision = precisionOfProfiles(*p);
    return v;
}

// ---- gsettings desktops ----

const GsettingsDesktop kGnome{
    "GNOME", "GNOME (gsettings)", "org.gnome.desktop.peripherals.mouse", "speed", 0.0, 0.1, -1.0,
    1.0,     "accel-profile"};
const GsettingsDesktop kCinnamon{"X-Cinnamon",
                                 "Cinnamon (gsettings)",
                                 "org.cinnamon.desktop.peripherals.mouse",
                                 "speed",
                                 0.0,
                                 0.1,
                                 -1.0,
                                 1.0,
                                 "accel-profile"};
// MATE's acceleration runs from 1 to 10; its daemon maps that linearly onto libinput's -1 … 1.
const GsettingsDesktop kMate{
    "MATE", "MATE (gsettings)", "org.mate.peripherals-mouse", "motion-acceleration", 5.5, 0.45, 1.0,
    10.0,   "accel-profile"};

GsettingsPointer::GsettingsPointer(const GsettingsDesktop& desktop, CommandRunner& commands)
    : desktop_(desktop), commands_(commands) {}

std::string GsettingsPointer::name() const {
    return desktop_.label;
}

bool GsettingsPointer::present() const {
    return desktopIs(desktop_.desktop) && commands_.available("gsettings") &&
           commands_.run({"gsettings", "list-keys", desktop_.schema}) == 0;
}

std::optional<PointerFields> GsettingsPointer::apply(int speed, int precision, int /*wheelLines*/) {
    const double value = std::clamp(
        desktop_.speedAtNeutral + (clampSpeed(speed) - kNeutralSpeed) * desktop_.speedPerStep,
        desktop_.speedMin, desktop_.speedMax);
    const bool a =
        commands_.run({"gsettings", "set", desktop_.schema, desktop_.speedKey, number(value)}) == 0;
    const bool b = commands_.run({"gsettings", "set", desktop_.schema, desktop_.profileKey,
                                  precision != 0 ? "adaptive" : "flat"}) == 0;
    if (!a || !b) return std::nullopt;
    return PointerFields{true, true, false};
}

PointerReading GsettingsPointer::read() const {
    PointerReading v;
    std::string out;
    if (commands_.run({"gsettings", "get", desktop_.schema, desktop_.speedKey}, &out) == 0)
        if (const auto s = parseDouble(trim(out)))
            v.speed = static_cast<int>(
                          std::lround((*s - desktop_.speedAtNeutral) / desktop_.speedPerStep)) +
                      kNeutralSpeed;
    if (commands_.run({"gsettings", "get", desktop_.schema, desktop_.profileKey}, &out) == 0) {
        const std::string profile = trim(out);
        if (profile == "flat") v.precision = 0;
        if (profile == "adaptive" || profile == "default") v.precision = 1;
    }
    return v;
}

// ---- Xfce ----

namespace {
// A device's group in the pointers channel. Appended, not "/" + name: GCC 12 at -O3 reports a
// false -Wrestrict inside std::string for a literal plus a temporary string.
std::string xfconfGroup(const std::string& deviceName) {
    std::string group = "/";
    group += xfconfDeviceName(deviceName);
    return group;
}
}  // namespace

XfcePointer::XfcePointer(CommandRunner& commands, std::shared_ptr<PointerDevices> devices)
    : commands_(commands),
      devices_(devices ? std::move(devices)
                       : std::shared_ptr<PointerDevices>(openX11PointerDevices())) {}

bool XfcePointer::present() const {
    return desktopIs("XFCE") && commands_.available("xfconf-query") && devices_ != nullptr;
}

std::optional<PointerFields> XfcePointer::apply(int speed, int precision, int /*wheelLines*/) {
    if (!devices_) return std::nullopt;
    // One property, created when missing; an array takes one type and one value per item.
    auto set = [this](const std::string& property, const char* type,
                      const std::vector<std::string>& items) {
        std::vector<std::string> argv = {"xfconf-query", std::string("--channel=") + kXfceChannel,
                                         "--create", "--property=" + property};
        for (size_t i = 0; i < items.size(); ++i) argv.push_back(std::string("--type=") + type);
        // --set=VALUE, so that a negative value is not taken for an option.
        for (const auto& item : items) argv.push_back("--set=" + item);
        return commands_.run(argv) == 0;
    };
    bool ok = true;
    PointerFields fields;
    for (const auto& d : devices_->pointers()) {
        const std::string group = xfconfGroup(d.name);
        if (devices_->floats(d.id, kLibinputSpeed)) {
            // xfsettingsd hands "Properties/<name, '_' for ' '>" to the driver as they are.
            if (const auto profiles = devices_->integers(d.id, kLibinputProfiles)) {
                std::vector<std::string> items;
                for (const int32_t p : libinputProfiles(precision, profiles->size()))
                    items.push_back(std::to_string(p));
                ok = set(group + "/Properties/libinput_Accel_Profile_Enabled", "int", items) && ok;
                fields.precision = true;
            }
            ok = set(group + "/Properties/libinput_Accel_Speed", "double",
                     {number(libinputSpeed(speed))}) &&
                 ok;
            fields.speed = true;
        } else {
            // Other drivers leave acceleration to the server: the core pointer's terms.
            const CoreControl c = coreControl(speed, precision);
            ok = set(group + "/Acceleration", "double",
                     {number(static_cast<double>(c.numerator) / c.denominator)}) &&
                 ok;
            ok = set(group + "/Threshold", "int", {std::to_string(c.threshold)}) && ok;
            fields.speed = fields.speed || precision != 0;
            fields.precision = true;
        }
    }
    if (!ok) return std::nullopt;
    return fields;
}

PointerReading XfcePointer::read() const {
    PointerReading v;
    if (!devices_) return v;
    const auto pointers = devices_->pointers();
    if (pointers.empty()) return v;
    const std::string group = xfconfGroup(pointers[0].name);
    std::string out;
    auto get = [&](const std::string& property) {
        return commands_.run({"xfconf-query", std::string("--channel=") + kXfceChannel,
                              "--property=" + group + property},
                             &out) == 0;
    };
    if (get("/Properties/libinput_Accel_Speed")) {
        if (const auto s = parseDouble(trim(out))) v.speed = profileSpeed(*s);
        if (get("/Properties/libinput_Accel_Profile_Enabled")) {
            // An array prints as a header line and one value per line.
            std::vector<int32_t> profiles;
            std::stringstream lines(out);
            std::string line;
            while (std::getline(lines, line))
                if (const auto n = parseDouble(trim(line));
                    n && trim(line).find(':') == std::string::npos)
                    profiles.push_back(static_cast<int32_t>(*n));
            v.precision = precisionOfProfiles(profiles);
        }
    } else if (get("/Acceleration")) {
        if (const auto a = parseDouble(trim(out))) {
            v.precision = *a == 1.0 ? 0 : 1;
            if (*a != 1.0) v.speed = static_cast<int>(std::lround(*a * 10.0 / 2));
        }
    }
    return v;
}

std::string xfconfDeviceName(const std::string& deviceName) {
    std::string out = deviceName;
    for (char& c : out)
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '-' && c != '_') c = '_';
    return out;
}

// ---- KDE ----

bool KdePointer::present() const {
    return desktopIs("KDE");
}

std::optional<PointerFields> KdePointer::apply(int speed, int precision, int wheelLines) {
    const auto inputrc = configDir() / "kcminputrc";
    const auto globals = configDir() / "kdeglobals";
    std::string input = readWhole(inputrc);
    input =
        withIniValue(input, "Mouse", "XLbInptPointerAcceleration", number(libinputSpeed(speed)));
    input =
        withIniValue(input, "Mouse", "XLbInptAccelProfileFlat", precision != 0 ? "false" : "true");
    const int lines = wheelLines < 0 ? kKdePageLines : std::max(wheelLines, 1);
    const std::string global =
        withIniValue(readWhole(globals), "KDE", "WheelScrollLines", std::to_string(lines));
    if (!writeWhole(inputrc, input) || !writeWhole(globals, global)) return std::nullopt;
    // Running KDE programs reload their mouse settings on this signal (best effort).
    if (commands_.available("dbus-send"))
        commands_.run({"dbus-send", "--session", "--type=signal", "/KGlobalSettings",
                       "org.kde.KGlobalSettings.notifyChange", "int32:3", "int32:0"});
    return PointerFields{true, true, true};
}

PointerReading KdePointer::read() const {
    PointerReading v;
    const std::string input = readWhole(configDir() / "kcminputrc");
    if (const auto a = iniValue(input, "Mouse", "XLbInptPointerAcceleration"))
        if (const auto s = parseDouble(*a)) v.speed = profileSpeed(*s);
    if (const auto f = iniValue(input, "Mouse", "XLbInptAccelProfileFlat"))
        v.precision = *f == "true" ? 0 : 1;
    if (const auto w = iniValue(readWhole(configDir() / "kdeglobals"), "KDE", "WheelScrollLines"))
        if (const auto n = parseDouble(*w))
            v.wheelLines = *n >= kKdePageLines ? -1 : static_cast<int>(*n);
    return v;
}

// ---- INI text ----

namespace {
bool isGroupLine(const std::string& line) {
    return !line.empty() && line.front() == '[';
}
std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::stringstream in(text);
    std::string line;
    while (std::getline(in, line)) lines.push_back(line);
    return lines;
}
std::string keyOf(const std::string& line) {
    const auto eq = line.find('=');
    return eq == std::string::npos ? std::string() : trim(line.substr(0, eq));
}
}  // namespace

std::optional<std::string> iniValue(const std::string& text, const std::string& group,
                                    const std::string& key) {
    bool inGroup = false;
    for (const auto& line : linesOf(text)) {
        if (isGroupLine(line)) {
            inGroup = trim(line) == "[" + group + "]";
        } else if (inGroup && keyOf(line) == key) {
            return trim(line.substr(line.find('=') + 1));
        }
    }
    return std::nullopt;
}

std::string withIniValue(const std::string& text, const std::string& group, const std::string& key,
                         const std::string& value) {
    std::vector<std::string> lines = linesOf(text);
    const std::string entry = key + "=" + value;
    bool inGroup = false;
    std::optional<size_t> lastOfGroup;
    bool done = false;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (isGroupLine(lines[i])) {
            inGroup = trim(lines[i]) == "[" + group + "]";
            if (inGroup) lastOfGroup = i;
            continue;
        }
        if (!inGroup) continue;
        if (keyOf(lines[i]) == key) {
            lines[i] = entry;
            done = true;
            break;
        }
        if (!trim(lines[i]).empty()) lastOfGroup = i;
    }
    if (!done) {
        if (lastOfGroup) {
            lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(*lastOfGroup) + 1, entry);
        } else {
            if (!lines.empty() && !trim(lines.back()).empty()) lines.emplace_back();
            lines.push_back("[" + group + "]");
            lines.push_back(entry);
        }
    }
    std::string out;
    for (const auto& l : lines) out += l + "\n";
    return out;
}

// ---- all backends ----

DesktopPointerSettings::DesktopPointerSettings() {
    // One connection to the X server's devices serves both backends that need it.
    std::shared_ptr<PointerDevices> devices(openX11PointerDevices());
    backends_.push_back(std::make_unique<X11CorePointer>());
    backends_.push_back(std::make_unique<LibinputPointer>(devices));
    backends_.push_back(std::make_unique<GsettingsPointer>(kGnome));
    backends_.push_back(std::make_unique<GsettingsPointer>(kCinnamon));
    backends_.push_back(std::make_unique<GsettingsPointer>(kMate));
    backends_.push_back(std::make_unique<XfcePointer>(systemCommands(), devices));
    backends_.push_back(std::make_unique<KdePointer>());
    applied_.assign(backends_.size(), PointerFields{});
}

DesktopPointerSettings::DesktopPointerSettings(
    std::vector<std::unique_ptr<PointerBackend>> backends)
    : backends_(std::move(backends)) {
    applied_.assign(backends_.size(), PointerFields{});
}

bool DesktopPointerSettings::apply(int speed, int precision, int wheelLines) {
    bool any = false;
    for (size_t i = 0; i < backends_.size(); ++i) {
        applied_[i] = PointerFields{};
        if (!backends_[i]->present()) continue;
        applied_[i] = backends_[i]->apply(speed, precision, wheelLines);
        any = any || applied_[i].has_value();
    }
    return any;
}

std::vector<DesktopPointerSettings::BackendStatus> DesktopPointerSettings::status() const {
    std::vector<BackendStatus> out;
    for (size_t i = 0; i < backends_.size(); ++i) {
        BackendStatus s;
        s.name = backends_[i]->name();
        s.present = backends_[i]->present();
        s.fields = backends_[i]->fields();
        s.applied = applied_[i];
        if (s.present) s.values = backends_[i]->read();
        out.push_back(std::move(s));
    }
    return out;
}

PointerFields DesktopPointerSettings::appliedFields() const {
    PointerFields all;
    for (const auto& a : applied_) {
        if (!a) continue;
        all.speed = all.speed || a->speed;
        all.precision = all.precision || a->precision;
        all.wheelLines = all.wheelLines || a->wheelLines;
    }
    return all;
}

bool DesktopPointerSettings::anyPresent() const {
    return std::any_of(backends_.begin(), backends_.end(),
                       [](const auto& b) { return b->present(); });
}

PointerFields DesktopPointerSettings::supportedFields() const {
    PointerFields all;
    for (const auto& b : backends_) {
        if (!b->present()) continue;
        const PointerFields f = b->fields();
        all.speed = all.speed || f.speed;
        all.precision = all.precision || f.precision;
        all.wheelLines = all.wheelLines || f.wheelLines;
    }
    return all;
}

}  // namespace z408::desktop
