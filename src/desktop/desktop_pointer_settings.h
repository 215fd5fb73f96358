// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// The profile's three pointer values made real on a Linux desktop. The X server's core pointer
// control reaches every driver that leaves acceleration to the server; the libinput X driver
// follows its own device properties instead; and each desktop keeps its settings in its own
// place (GNOME and Cinnamon in gsettings, MATE in its own gsettings schema, Xfce in xfconf, KDE
// in kcminputrc and kdeglobals), which it applies again at every login.
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "desktop/process_runner.h"
#include "desktop/x11_pointer_devices.h"

namespace z408::desktop {

// The three values as a backend reads them back, in the profile's terms; the upload hands its
// values over as z408::PointerValues through the adapter instead.
struct PointerReading {
    std::optional<int> speed;       // 1 … 20, 10 = the desktop's neutral speed
    std::optional<int> precision;   // 1: accelerated ("enhance pointer precision"), 0: flat
    std::optional<int> wheelLines;  // lines per wheel step; -1 = one page
};

// Which of the three values a place has a setting for, or took.
struct PointerFields {
    bool speed = false;
    bool precision = false;
    bool wheelLines = false;
    friend bool operator==(const PointerFields&, const PointerFields&) = default;
};

class PointerBackend {
  public:
    virtual ~PointerBackend() = default;
    virtual std::string name() const = 0;
    // Whether this desktop uses these settings at all.
    virtual bool present() const = 0;
    virtual PointerFields fields() const = 0;
    // Writes the values it has a setting for. Answers which it set, or nullopt when writing
    // failed. Out-of-range speeds are clamped to 1 … 20.
    virtual std::optional<PointerFields> apply(int speed, int precision, int wheelLines) = 0;
    // The current values; a value the backend has no setting for stays empty.
    virtual PointerReading read() const = 0;
};

// The X server's own acceleration (drivers other than libinput): precision on scales motion above
// a small threshold by twice speed/10; precision off is acceleration 1/1, no acceleration at all.
// Without acceleration the server has no speed of its own, so the speed is then not set here.
class X11CorePointer final : public PointerBackend {
  public:
    std::string name() const override { return "X11 core pointer"; }
    bool present() const override;
    PointerFields fields() const override { return {true, true, false}; }
    std::optional<PointerFields> apply(int speed, int precision, int wheelLines) override;
    PointerReading read() const override;
};

// The libinput X driver's device properties: "libinput Accel Speed" (-1 … 1) and the flat or
// adaptive profile of "libinput Accel Profile Enabled", on every pointer that has them.
class LibinputPointer final : public PointerBackend {
  public:
    // Opens the X server's devices when none are given.
    explicit LibinputPointer(std::shared_ptr<PointerDevices> devices = nullptr);
    std::string name() const override { return "libinput X driver (device properties)"; }
    bool present() const override;
    PointerFields fields() const override { return {true, true, false}; }
    std::optional<PointerFields> apply(int speed, int precision, int wheelLines) override;
    PointerReading read() const override;

  private:
    std::vector<PointerDevices::Device> libinputPointers() const;
    std::shared_ptr<PointerDevices> devices_;
};

// A desktop whose mouse settings live in a gsettings schema: GNOME, Cinnamon and MATE.
struct GsettingsDesktop {
    const char* desktop;  // as in XDG_CURRENT_DESKTOP
    const char* label;
    const char* schema;
    const char* speedKey;
    double speedAtNeutral;  // the key's value for the profile's speed 10
    double speedPerStep;    // change per profile speed step
    double speedMin, speedMax;
    const char* profileKey;  // 'flat' or 'adaptive'
};
extern const GsettingsDesktop kGnome;
extern const GsettingsDesktop kCinnamon;
extern const GsettingsDesktop kMate;

class GsettingsPointer final : public PointerBackend {
  public:
    explicit GsettingsPointer(const GsettingsDesktop& desktop,
                              CommandRunner& commands = systemCommands());
    std::string name() const override;
    bool present() const override;
    PointerFields fields() const override { return {true, true, false}; }
    std::optional<PointerFields> apply(int speed, int precision, int wheelLines) override;
    PointerReading read() const override;

  private:
    const GsettingsDesktop& desktop_;
    CommandRunner& commands_;
};

// Xfce: the "pointers" channel of xfconf, one group per device: the libinput driver's
// properties for libinput devices, acceleration and threshold for the others.
class XfcePointer final : public PointerBackend {
  public:
    explicit XfcePointer(CommandRunner& commands = systemCommands(),
                         std::shared_ptr<PointerDevices> devices = nullptr);
    std::string name() const override { return "Xfce (xfconf pointers)"; }
    bool present() const override;
    PointerFields fields() const override { return {true, true, false}; }
    std::optional<PointerFields> apply(int speed, int precision, int wheelLines) override;
    PointerReading read() const override;

  private:
    CommandRunner& commands_;
    std::shared_ptr<PointerDevices> devices_;
};

// KDE Plasma: kcminputrc [Mouse] acceleration and profile, kdeglobals [KDE] WheelScrollLines.
class KdePointer final : public PointerBackend {
  public:
    explicit KdePointer(CommandRunner& commands = systemCommands()) : commands_(commands) {}
    std::string name() const override { return "KDE (kcminputrc, kdeglobals)"; }
    bool present() const override;
    PointerFields fields() const override { return {true, true, true}; }
    std::optional<PointerFields> apply(int speed, int precision, int wheelLines) override;
    PointerReading read() const override;

  private:
    CommandRunner& commands_;
};

// All backends of this desktop; apply() reaches every one that is present.
class DesktopPointerSettings {
  public:
    DesktopPointerSettings();
    explicit DesktopPointerSettings(std::vector<std::unique_ptr<PointerBackend>> backends);
    // The device side's pointer-settings operation: true when at least one backend took the
    // values.
    bool apply(int speed, int precision, int wheelLines);

    struct BackendStatus {
        std::string name;
        bool present = false;
        PointerFields fields;                  // what it has a setting for
        std::optional<PointerFields> applied;  // what it set in the last apply(); nullopt: failed
        PointerReading values;
    };
    std::vector<BackendStatus> status() const;
    // What the last apply() set on this desktop, across the backends.
    PointerFields appliedFields() const;
    // What the present backends have a setting for.
    PointerFields supportedFields() const;
    bool anyPresent() const;

  private:
    std::vector<std::unique_ptr<PointerBackend>> backends_;
    std::vector<std::optional<PointerFields>> applied_;
};

// Helpers of the KDE backend, exposed for tests: a value of a group in INI text, and the text
// with that value set (group and key added when missing, the rest kept as it was).
std::optional<std::string> iniValue(const std::string& text, const std::string& group,
                                    const std::string& key);
std::string withIniValue(const std::string& text, const std::string& group, const std::string& key,
                         const std::string& value);
// Xfce's name of a device in xfconf: characters other than letters, digits, '-' and '_' become
// '_'.
std::string xfconfDeviceName(const std::string& deviceName);

}  // namespace z408::desktop
