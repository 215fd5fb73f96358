#pragma once
// The profile's three pointer values made real on a Linux desktop: the X server's core pointer
// control, and the desktop's own settings where a GNOME or KDE desktop is running (with the
// libinput driver those are what the pointer actually follows).
#include <memory>
#include <optional>
#include <string>
#include <vector>

using Display = struct _XDisplay;

namespace z408::desktop {

struct PointerValues {
    std::optional<int> speed;      // 1 … 20, 10 = the desktop's neutral speed
    std::optional<int> precision;  // 1: accelerated ("enhance pointer precision"), 0: flat
    std::optional<int> wheelLines; // lines per wheel step; -1 = one page
};

class PointerBackend {
public:
    virtual ~PointerBackend() = default;
    virtual std::string name() const = 0;
    // Whether this desktop uses these settings at all.
    virtual bool present() const = 0;
    // Writes the values the backend has a setting for; false when writing failed.
    virtual bool apply(int speed, int precision, int wheelLines) = 0;
    // The current values; a value the backend has no setting for stays empty.
    virtual PointerValues read() const = 0;
};

// The X server's pointer acceleration: speed scales the motion, precision adds acceleration
// above a small threshold. Server-wide; no wheel setting.
class X11CorePointer final : public PointerBackend {
public:
    std::string name() const override { return "X11 core pointer"; }
    bool present() const override;
    bool apply(int speed, int precision, int wheelLines) override;
    PointerValues read() const override;
};

// org.gnome.desktop.peripherals.mouse through gsettings: speed and acceleration profile.
class GnomePointer final : public PointerBackend {
public:
    std::string name() const override { return "GNOME (gsettings)"; }
    bool present() const override;
    bool apply(int speed, int precision, int wheelLines) override;
    PointerValues read() const override;
};

// KDE Plasma: kcminputrc [Mouse] acceleration and profile, kdeglobals [KDE] WheelScrollLines.
class KdePointer final : public PointerBackend {
public:
    std::string name() const override { return "KDE (kcminputrc, kdeglobals)"; }
    bool present() const override;
    bool apply(int speed, int precision, int wheelLines) override;
    PointerValues read() const override;
};

// All backends of this desktop; apply() reaches every one that is present.
class DesktopPointerSettings {
public:
    DesktopPointerSettings();
    // The device side's pointer-settings operation: true when at least one backend took the
    // values. Out-of-range speeds are clamped to 1 … 20 by each backend.
    bool apply(int speed, int precision, int wheelLines);

    struct BackendStatus {
        std::string name;
        bool present = false;
        bool applied = false;  // took the values in the last apply()
        PointerValues values;
    };
    std::vector<BackendStatus> status() const;
    std::vector<std::unique_ptr<PointerBackend>>& backends() { return backends_; }

private:
    std::vector<std::unique_ptr<PointerBackend>> backends_;
    std::vector<bool> applied_;
};

// Helpers of the KDE backend, exposed for tests: a value of a group in INI text, and the text
// with that value set (group and key added when missing, the rest kept as it was).
std::optional<std::string> iniValue(const std::string& text, const std::string& group,
                                    const std::string& key);
std::string withIniValue(const std::string& text, const std::string& group, const std::string& key,
                         const std::string& value);

}  // namespace z408::desktop
