// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "desktop/x11_pointer_devices.h"

#include <cstring>

#include "desktop/x11_display.h"

// Last: Xlib defines macros (None, Status) that clash with ordinary names.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/XInput2.h>

namespace z408::desktop {
namespace {

constexpr long kMaxItems = 64;  // no pointer property of interest is longer

class X11PointerDevices final : public PointerDevices {
  public:
    explicit X11PointerDevices(Display* d) : d_(d) {}
    ~X11PointerDevices() override { closeX11Display(d_); }
    X11PointerDevices(const X11PointerDevices&) = delete;
    X11PointerDevices& operator=(const X11PointerDevices&) = delete;

    std::vector<Device> pointers() override {
        std::vector<Device> out;
        int count = 0;
        XIDeviceInfo* info = XIQueryDevice(d_, XIAllDevices, &count);
        if (info == nullptr) return out;
        for (int i = 0; i < count; ++i) {
            if (info[i].use != XISlavePointer || info[i].name == nullptr) continue;
            const std::string name = info[i].name;
            if (name.find("XTEST") != std::string::npos) continue;
            out.push_back({info[i].deviceid, name});
        }
        XIFreeDeviceInfo(info);
        return out;
    }

    // XInput hands property data over as items of the property's own size (format 32: 32-bit
    // items, not longs as core window properties are).
    std::optional<std::vector<int32_t>> integers(int device, const std::string& name) override {
        Raw raw;
        if (!get(device, name, raw)) return std::nullopt;
        std::optional<std::vector<int32_t>> out;
        if (raw.type == XA_INTEGER) {
            out.emplace();
            for (unsigned long i = 0; i < raw.count; ++i) {
                if (raw.format == 8) out->push_back(static_cast<int8_t>(raw.data[i]));
                if (raw.format == 16) out->push_back(item<int16_t>(raw, i));
                if (raw.format == 32) out->push_back(item<int32_t>(raw, i));
            }
        }
        XFree(raw.data);
        return out;
    }

    std::optional<std::vector<float>> floats(int device, const std::string& name) override {
        Raw raw;
        if (!get(device, name, raw)) return std::nullopt;
        std::optional<std::vector<float>> out;
        if (raw.type == floatAtom() && raw.format == 32) {
            out.emplace();
            for (unsigned long i = 0; i < raw.count; ++i) out->push_back(item<float>(raw, i));
        }
        XFree(raw.data);
        return out;
    }

    bool setIntegers(int device, const std::string& name,
                     const std::vector<int32_t>& values) override {
        Raw raw;  // an existing property only, written back in its own format
        if (!get(device, name, raw)) return false;
        XFree(raw.data);
        if (raw.type != XA_INTEGER) return false;
        std::vector<uint8_t> bytes;
        for (const int32_t v : values) {
            if (raw.format == 8) append(bytes, static_cast<int8_t>(v));
            if (raw.format == 16) append(bytes, static_cast<int16_t>(v));
            if (raw.format == 32) append(bytes, v);
        }
        return change(device, name, XA_INTEGER, raw.format, bytes.data(), values.size());
    }

    bool setFloats(int device, const std::string& name, const std::vector<float>& values) override {
        Raw raw;  // an existing property only: a device must not gain one it does not know
        if (!get(device, name, raw)) return false;
        XFree(raw.data);
        if (raw.type != floatAtom() || raw.format != 32) return false;
        std::vector<uint8_t> bytes;
        for (const float v : values) append(bytes, v);
        return change(device, name, floatAtom(), 32, bytes.data(), values.size());
    }

  private:
    struct Raw {
        Atom type = 0;
        int format = 0;
        unsigned long count = 0;
        unsigned char* data = nullptr;
    };

    template <typename T>
    static T item(const Raw& raw, unsigned long i) {
        T v{};
        std::memcpy(&v, raw.data + i * sizeof(T), sizeof(T));
        return v;
    }
    template <typename T>
    static void append(std::vector<uint8_t>& bytes, T v) {
        const auto at = bytes.size();
        bytes.resize(at + sizeof(T));
        std::memcpy(bytes.data() + at, &v, sizeof(T));
    }

    Atom floatAtom() { return XInternAtom(d_, "FLOAT", False); }

    bool get(int device, const std::string& name, Raw& raw) {
        const Atom property = XInternAtom(d_, name.c_str(), True);
        if (property == 0) return false;  // no device has it
        unsigned long after = 0;
        X11ErrorTrap trap(d_);
        const int rc = XIGetProperty(d_, device, property, 0, kMaxItems, False, AnyPropertyType,
                                     &raw.type, &raw.format, &raw.count, &after, &raw.data);
        const bool ok = trap.sync() == 0 && rc == Success && raw.type != 0 && raw.data != nullptr;
        if (!ok && raw.data != nullptr) XFree(raw.data);
        return ok;
    }

    bool change(int device, const std::string& name, Atom type, int format,
                const unsigned char* data, size_t count) {
        const Atom property = XInternAtom(d_, name.c_str(), True);
        if (property == 0) return false;
        X11ErrorTrap trap(d_);
        XIChangeProperty(d_, device, property, type, format, PropModeReplace,
                         const_cast<unsigned char*>(data), static_cast<int>(count));
        return trap.sync() == 0;
    }

    Display* d_;
};

}  // namespace

std::unique_ptr<PointerDevices> openX11PointerDevices() {
    std::string error;
    Display* d = openX11Display(error);
    if (d == nullptr) return nullptr;
    int opcode = 0, event = 0, err = 0, major = 2, minor = 0;
    if (!XQueryExtension(d, "XInputExtension", &opcode, &event, &err) ||
        XIQueryVersion(d, &major, &minor) != Success) {
        closeX11Display(d);
        return nullptr;
    }
    return std::make_unique<X11PointerDevices>(d);
}

}  // namespace z408::desktop
