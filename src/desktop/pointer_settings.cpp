#include "desktop/pointer_settings.h"

#include <algorithm>
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
constexpr const char* kGnomeSchema = "org.gnome.desktop.peripherals.mouse";

int clampSpeed(int speed) { return std::clamp(speed, 1, 20); }

// libinput's speed runs from -1 to 1 with 0 as neutral; the profile's 10 is neutral.
double libinputSpeed(int speed) { return std::clamp((clampSpeed(speed) - kNeutralSpeed) / 10.0, -1.0, 1.0); }
int profileSpeed(double libinput) { return static_cast<int>(std::lround(libinput * 10.0)) + kNeutralSpeed; }

std::string number(double v) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%g", v);
    return buf;
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
    char* end = nullptr;
    const double v = std::strtod(text.c_str(), &end);
    if (end == text.c_str() || !std::isfinite(v)) return std::nullopt;
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
    return static_cast<bool>(writeFileAtomic(
        p, std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size())));
}

}  // namespace

// ---- X11 core pointer ----

bool X11CorePointer::present() const {
    std::string error;
    Display* d = openX11Display(error);
    closeX11Display(d);
    return d != nullptr;
}

bool X11CorePointer::apply(int speed, int precision, int /*wheelLines*/) {
    std::string error;
    Display* d = openX11Display(error);
    if (d == nullptr) return false;
    // Flat: every motion is scaled by speed/10. Accelerated: twice that above the threshold.
    const int numerator = clampSpeed(speed) * (precision != 0 ? 2 : 1);
    const int threshold = precision != 0 ? kCoreThreshold : 0;
    int failed = 0;
    {
        X11ErrorTrap trap(d);
        XChangePointerControl(d, True, True, numerator, kCoreDenominator, threshold);
        failed = trap.sync();
    }
    closeX11Display(d);
    return failed == 0;
}

PointerValues X11CorePointer::read() const {
    std::string error;
    Display* d = openX11Display(error);
    if (d == nullptr) return {};
    int numerator = 0, denominator = 1, threshold = 0;
    XGetPointerControl(d, &numerator, &denominator, &threshold);
    closeX11Display(d);
    PointerValues v;
    v.precision = threshold > 0 ? 1 : 0;
    if (denominator > 0)
        v.speed = static_cast<int>(std::lround(10.0 * numerator / denominator / (threshold > 0 ? 2 : 1)));
    return v;
}

// ---- GNOME ----

bool GnomePointer::present() const {
    return desktopIs("GNOME") && programInPath("gsettings") &&
           runAndCapture({"gsettings", "list-keys", kGnomeSchema}) == 0;
}

bool GnomePointer::apply(int speed, int precision, int /*wheelLines*/) {
    const bool a = runAndCapture({"gsettings", "set", kGnomeSchema, "speed", number(libinputSpeed(speed))}) == 0;
    const bool b = runAndCapture({"gsettings", "set", kGnomeSchema, "accel-profile",
                                  precision != 0 ? "adaptive" : "flat"}) == 0;
    return a && b;
}

PointerValues GnomePointer::read() const {
    PointerValues v;
    std::string out;
    if (runAndCapture({"gsettings", "get", kGnomeSchema, "speed"}, &out) == 0)
        if (const auto s = parseDouble(trim(out))) v.speed = profileSpeed(*s);
    if (runAndCapture({"gsettings", "get", kGnomeSchema, "accel-profile"}, &out) == 0) {
        const std::string profile = trim(out);
        if (profile == "flat") v.precision = 0;
        if (profile == "adaptive" || profile == "default") v.precision = 1;
    }
    return v;
}

// ---- KDE ----

bool KdePointer::present() const { return desktopIs("KDE"); }

bool KdePointer::apply(int speed, int precision, int wheelLines) {
    const auto inputrc = configDir() / "kcminputrc";
    const auto globals = configDir() / "kdeglobals";
    std::string input = readWhole(inputrc);
    input = withIniValue(input, "Mouse", "XLbInptPointerAcceleration", number(libinputSpeed(speed)));
    input = withIniValue(input, "Mouse", "XLbInptAccelProfileFlat", precision != 0 ? "false" : "true");
    const int lines = wheelLines < 0 ? kKdePageLines : std::max(wheelLines, 1);
    const std::string global =
        withIniValue(readWhole(globals), "KDE", "WheelScrollLines", std::to_string(lines));
    const bool ok = writeWhole(inputrc, input) && writeWhole(globals, global);
    // Running KDE programs reload their mouse settings on this signal (best effort).
    if (ok && programInPath("dbus-send"))
        runAndCapture({"dbus-send", "--session", "--type=signal", "/KGlobalSettings",
                       "org.kde.KGlobalSettings.notifyChange", "int32:3", "int32:0"});
    return ok;
}

PointerValues KdePointer::read() const {
    PointerValues v;
    const std::string input = readWhole(configDir() / "kcminputrc");
    if (const auto a = iniValue(input, "Mouse", "XLbInptPointerAcceleration"))
        if (const auto s = parseDouble(*a)) v.speed = profileSpeed(*s);
    if (const auto f = iniValue(input, "Mouse", "XLbInptAccelProfileFlat"))
        v.precision = *f == "true" ? 0 : 1;
    if (const auto w = iniValue(readWhole(configDir() / "kdeglobals"), "KDE", "WheelScrollLines"))
        if (const auto n = parseDouble(*w)) v.wheelLines = *n >= kKdePageLines ? -1 : static_cast<int>(*n);
    return v;
}

// ---- INI text ----

namespace {
bool isGroupLine(const std::string& line) { return !line.empty() && line.front() == '['; }
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
    backends_.push_back(std::make_unique<X11CorePointer>());
    backends_.push_back(std::make_unique<GnomePointer>());
    backends_.push_back(std::make_unique<KdePointer>());
    applied_.assign(backends_.size(), false);
}

bool DesktopPointerSettings::apply(int speed, int precision, int wheelLines) {
    bool any = false;
    for (size_t i = 0; i < backends_.size(); ++i) {
        applied_[i] = backends_[i]->present() && backends_[i]->apply(speed, precision, wheelLines);
        any = any || applied_[i];
    }
    return any;
}

std::vector<DesktopPointerSettings::BackendStatus> DesktopPointerSettings::status() const {
    std::vector<BackendStatus> out;
    for (size_t i = 0; i < backends_.size(); ++i) {
        BackendStatus s;
        s.name = backends_[i]->name();
        s.present = backends_[i]->present();
        s.applied = applied_[i];
        if (s.present) s.values = backends_[i]->read();
        out.push_back(std::move(s));
    }
    return out;
}

}  // namespace z408::desktop
