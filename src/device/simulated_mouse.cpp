// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "device/simulated_mouse.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <sstream>

#include "common/file_io.h"

namespace z408 {
namespace {

constexpr size_t kMaxStateFileBytes = 1 << 20;
constexpr size_t kMaxRecordedReports = 100000;

std::string hexBytes(std::span<const uint8_t> bytes) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string out;
    out.reserve(bytes.size() * 3);
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (i) out.push_back(' ');
        out.push_back(kDigits[bytes[i] >> 4]);
        out.push_back(kDigits[bytes[i] & 0xF]);
    }
    return out;
}

bool parseHexBytes(std::string_view text, std::span<uint8_t> out) {
    size_t n = 0;
    size_t pos = 0;
    while (pos < text.size()) {
        while (pos < text.size() && text[pos] == ' ') ++pos;
        if (pos >= text.size()) break;
        size_t end = text.find(' ', pos);
        if (end == std::string_view::npos) end = text.size();
        const std::string_view tok = text.substr(pos, end - pos);
        unsigned value = 0;
        const auto r = std::from_chars(tok.data(), tok.data() + tok.size(), value, 16);
        if (tok.size() != 2 || r.ec != std::errc() || r.ptr != tok.data() + tok.size())
            return false;
        if (n >= out.size()) return false;
        out[n++] = static_cast<uint8_t>(value);
        pos = end;
    }
    return n == out.size();
}

bool parseNumber(std::string_view text, uint32_t max, uint32_t& out) {
    uint32_t v = 0;
    const auto r = std::from_chars(text.data(), text.data() + text.size(), v, 10);
    if (text.empty() || r.ec != std::errc() || r.ptr != text.data() + text.size() || v > max)
        return false;
    out = v;
    return true;
}

}  // namespace

// ---- state file ----

std::string SimulatedMouseState::toText() const {
    std::ostringstream s;
    s << "# Z408 simulated mouse: what the mouse keeps between runs\n";
    s << "firmware_version " << firmwareVersion << "\n";
    s << "report_id " << unsigned{reportId} << "\n";
    s << "report_count " << reportCount << "\n";
    s << "report_rate " << unsigned{reportRate} << "\n";
    s << "proximity " << unsigned{proximity} << "\n";
    s << "dpi_level " << unsigned{dpiLevel} << "\n";
    s << "dpi_table " << hexBytes(dpiTable) << "\n";
    s << "led_colour " << hexBytes(ledColour) << "\n";
    s << "led_effect " << hexBytes(ledEffect) << "\n";
    s << "led_colours " << hexBytes(ledColours) << "\n";
    s << "key_map " << hexBytes(keyMap) << "\n";
    for (size_t i = 0; i < macros.size(); ++i)
        s << "macro_" << i << " " << hexBytes(macros[i]) << "\n";
    return s.str();
}

std::optional<SimulatedMouseState> SimulatedMouseState::fromText(std::string_view text,
                                                                 std::string& error) {
    SimulatedMouseState st;
    size_t lineNo = 0;
    size_t pos = 0;
    while (pos < text.size()) {
        size_t end = text.find('\n', pos);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(pos, end - pos);
        pos = end + 1;
        ++lineNo;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.empty() || line.front() == '#') continue;
        const size_t sp = line.find(' ');
        const std::string_view key = line.substr(0, sp);
        const std::string_view value = sp == std::string_view::npos ? "" : line.substr(sp + 1);
        uint32_t n = 0;
        bool ok = true;
        if (key == "firmware_version") {
            ok = parseNumber(value, 2559, n);  // tens must fit one byte
            st.firmwareVersion = n;
        } else if (key == "report_id") {
            ok = parseNumber(value, 255, n);
            st.reportId = static_cast<uint8_t>(n);
        } else if (key == "report_count") {
            ok = parseNumber(value, 65535, n);
            st.reportCount = static_cast<uint16_t>(n);
        } else if (key == "report_rate") {
            ok = parseNumber(value, 255, n);
            st.reportRate = static_cast<uint8_t>(n);
        } else if (key == "proximity") {
            ok = parseNumber(value, 255, n);
            st.proximity = static_cast<uint8_t>(n);
        } else if (key == "dpi_level") {
            ok = parseNumber(value, 255, n);
            st.dpiLevel = static_cast<uint8_t>(n);
        } else if (key == "dpi_table") {
            ok = parseHexBytes(value, st.dpiTable);
        } else if (key == "led_colour") {
            ok = parseHexBytes(value, st.ledColour);
        } else if (key == "led_effect") {
            ok = parseHexBytes(value, st.ledEffect);
        } else if (key == "led_colours") {
            ok = parseHexBytes(value, st.ledColours);
        } else if (key == "key_map") {
            ok = parseHexBytes(value, st.keyMap);
        } else if (key.size() == 7 && key.substr(0, 6) == "macro_" && key[6] >= '0' &&
                   key[6] <= '7') {
            ok = parseHexBytes(value, st.macros[static_cast<size_t>(key[6] - '0')]);
        } else {
            error =
                "line " + std::to_string(lineNo) + ": unknown setting '" + std::string(key) + "'";
            return std::nullopt;
        }
        if (!ok) {
            error = "line " + std::to_string(lineNo) + ": bad value for " + std::string(key);
            return std::nullopt;
        }
    }
    return st;
}

bool SimulatedMouseFaults::parse(std::string_view spec, SimulatedMouseFaults& out,
                                 std::string& error) {
    SimulatedMouseFaults f;
    size_t pos = 0;
    while (pos <= spec.size()) {
        size_t end = spec.find(',', pos);
        if (end == std::string_view::npos) end = spec.size();
        std::string_view tok = spec.substr(pos, end - pos);
        pos = end + 1;
        while (!tok.empty() && tok.front() == ' ') tok.remove_prefix(1);
        while (!tok.empty() && tok.back() == ' ') tok.remove_suffix(1);
        if (tok.empty()) {
            if (end == spec.size()) break;
            continue;
        }
        uint32_t n = 0;
        if (tok == "unplug") {
            f.unplugged = true;
        } else if (tok == "denied") {
            f.denied = true;
        } else if (tok == "bootloader") {
            f.bootloader = true;
        } else if ((tok[0] == 'F' || tok[0] == 'O') && parseNumber(tok.substr(1), 0xFFFFFFFF, n) &&
                   n > 0) {
            (tok[0] == 'F' ? f.failFeature : f.failOutput) = n;
        } else {
            error = "unknown fault '" + std::string(tok) +
                    "' (use F<n>, O<n>, unplug, denied or bootloader)";
            return false;
        }
        if (end == spec.size()) break;
    }
    out = f;
    return true;
}

// ---- the mouse ----

SimulatedMouse::SimulatedMouse(Clock& clock, SimulatedMouseState initial) : clock_(clock) {
    std::lock_guard lock(mutex_);
    setState(initial);
    location_ = "simulated mouse (in memory)";
}

SimulatedMouse::SimulatedMouse(Clock& clock, std::filesystem::path stateFile,
                               std::filesystem::path traceFile, SimulatedMouseFaults faults)
    : clock_(clock),
      stateFile_(std::move(stateFile)),
      traceFile_(std::move(traceFile)),
      faults_(faults) {
    std::lock_guard lock(mutex_);
    setState(SimulatedMouseState{});
    location_ = stateFile_.empty() ? "simulated mouse (in memory)"
                                   : "simulated mouse " + stateFile_.string();
}

SimulatedMouse::~SimulatedMouse() {
    close();
}

std::unique_ptr<SimulatedMouse> SimulatedMouse::fromEnvironment(Clock& clock) {
    const char* state = std::getenv(kSimulatedMouseEnv);
    if (state == nullptr || *state == '\0') return nullptr;
    const char* trace = std::getenv(kSimulatedMouseTraceEnv);
    const char* fail = std::getenv(kSimulatedMouseFailEnv);
    SimulatedMouseFaults faults;
    std::string error;
    const bool faultsOk = fail == nullptr || SimulatedMouseFaults::parse(fail, faults, error);
    auto mouse = std::make_unique<SimulatedMouse>(clock, state, trace ? trace : "", faults);
    if (!faultsOk) mouse->configError_ = std::string(kSimulatedMouseFailEnv) + ": " + error;
    return mouse;
}

bool SimulatedMouse::waitsInBootloader() const {
    std::lock_guard lock(mutex_);
    return faults_.bootloader;
}

void SimulatedMouse::setFaults(const SimulatedMouseFaults& faults) {
    std::lock_guard lock(mutex_);
    faults_ = faults;
}

void SimulatedMouse::setState(const SimulatedMouseState& state) {
    state_ = state;
    reportId_ = state_.reportId;
    reportCount_ = state_.reportCount;
}

bool SimulatedMouse::loadState() {
    std::vector<uint8_t> bytes;
    const FileResult r = readFilePrefix(stateFile_, kMaxStateFileBytes, bytes);
    if (!r) {
        if (r.error != FileError::NotFound) {
            lastError_ = "cannot read the simulated mouse's state file " + stateFile_.string() +
                         ": " + r.describe();
            return false;
        }
        setState(SimulatedMouseState{});
        const std::string text = state_.toText();
        const FileResult w = writeFileAtomic(
            stateFile_, std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size()));
        if (!w) {
            lastError_ = "cannot create the simulated mouse's state file " + stateFile_.string() +
                         ": " + w.describe();
            return false;
        }
        return true;
    }
    std::string error;
    const auto st = SimulatedMouseState::fromText(
        std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()), error);
    if (!st) {
        lastError_ = "the simulated mouse's state file " + stateFile_.string() + " is damaged (" +
                     error + "); it was left as it is";
        return false;
    }
    setState(*st);
    return true;
}

void SimulatedMouse::saveState() {
    if (stateFile_.empty() || !dirty_) return;
    dirty_ = false;
    const std::string text = state_.toText();
    // The mouse keeps what it accepted whatever happens to the file; a failed save only means the
    // next run starts from the previous state.
    writeFileAtomic(stateFile_,
                    std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size()));
}

bool SimulatedMouse::open() {
    std::lock_guard lock(mutex_);
    if (trace_) {
        std::fclose(trace_);
        trace_ = nullptr;
    }
    if (open_) saveState();
    open_ = false;
    lastError_.clear();
    refusedNode_.clear();
    if (!configError_.empty()) {
        lastError_ = configError_;
        return false;
    }
    if (faults_.unplugged || faults_.bootloader) {
        lastError_ = faults_.bootloader ? "the simulated mouse waits in its bootloader"
                                        : "the simulated mouse is unplugged";
        return false;
    }
    if (faults_.denied) {
        // Plays a mouse whose node exists but is closed to this user; the state file stands in
        // for the node.
        refusedNode_ = stateFile_.empty() ? std::string("simulated mouse") : stateFile_.string();
        lastError_ = "permission denied on " + refusedNode_;
        return false;
    }
    if (!stateFile_.empty() && !loadState()) return false;
    if (!traceFile_.empty()) {
        trace_ = std::fopen(traceFile_.c_str(), "a");
        if (trace_ == nullptr) {
            lastError_ = "cannot open the trace file " + traceFile_.string();
            return false;
        }
    }
    open_ = true;
    openedAt_ = clock_.nowMs();
    featuresSent_ = 0;
    outputsWritten_ = 0;
    firmwareAsked_ = false;
    pending_ = {};
    return true;
}

void SimulatedMouse::close() {
    std::lock_guard lock(mutex_);
    // Written once per session rather than per command: a synced write per command would add
    // its own latency to the protocol's pacing.
    if (open_) saveState();
    open_ = false;
    pending_ = {};
    if (trace_) {
        std::fclose(trace_);
        trace_ = nullptr;
    }
}

std::string SimulatedMouse::traceLine(const SimulatedReport& report) {
    return std::to_string(report.ms) + " " + report.kind + " " + hexBytes(report.bytes);
}

void SimulatedMouse::record(char kind, std::span<const uint8_t> bytes) {
    SimulatedReport r{clock_.nowMs() - openedAt_, kind, {bytes.begin(), bytes.end()}};
    if (trace_) {
        const std::string line = traceLine(r) + "\n";
        std::fputs(line.c_str(), trace_);
        std::fflush(trace_);
    }
    if (reports_.size() < kMaxRecordedReports) reports_.push_back(std::move(r));
}

void SimulatedMouse::decodeFeature(std::span<const uint8_t> report) {
    const auto at = [&](size_t i) -> uint8_t { return i < report.size() ? report[i] : 0; };
    pending_ = {};
    firmwareAsked_ = false;
    bool changed = true;
    const auto bulk = [&](uint8_t* target, size_t size) {
        pending_.target = target;
        pending_.targetSize = size;
        pending_.length = static_cast<size_t>(at(4) | at(5) << 8);
        pending_.received = 0;
        changed = false;
    };
    switch (at(1)) {
        case 0x80:
            firmwareAsked_ = true;
            changed = false;
            break;
        case 0x01:
            state_.reportRate = at(2);
            break;
        case 0x03:
            state_.proximity = at(2);
            break;
        case 0x0B:
            state_.dpiLevel = at(3);
            break;
        case 0x0C:
            state_.ledColour = {at(3), at(4), at(5)};
            break;
        case 0x0D:
            state_.ledEffect = {at(3), at(4), at(5)};
            break;
        case 0x09:
            bulk(state_.ledColours.data(), state_.ledColours.size());
            break;
        case 0x11:
            bulk(state_.dpiTable.data(), state_.dpiTable.size());
            break;
        case 0x12:
            bulk(state_.keyMap.data(), state_.keyMap.size());
            break;
        case 0x13:
            if (at(3) < state_.macros.size()) {
                bulk(state_.macros[at(3)].data(), state_.macros[at(3)].size());
            } else {
                changed = false;
            }
            break;
        default:
            changed = false;
            break;  // unknown commands are accepted and ignored
    }
    if (changed) dirty_ = true;
}

bool SimulatedMouse::sendFeature(std::span<const uint8_t> report) {
    std::lock_guard lock(mutex_);
    if (!open_ || report.empty()) return false;
    if (++featuresSent_ == faults_.failFeature) return false;
    record('F', report);
    decodeFeature(report);
    return true;
}

bool SimulatedMouse::readFeature(std::span<uint8_t> report) {
    std::lock_guard lock(mutex_);
    if (!open_ || report.empty()) return false;
    std::fill(report.begin() + 1, report.end(), uint8_t{0});
    if (firmwareAsked_ && report.size() >= 4) {
        report[1] = 0x80;
        report[2] = static_cast<uint8_t>(state_.firmwareVersion / 10);
        report[3] = static_cast<uint8_t>(state_.firmwareVersion % 10);
    }
    record('G', report);
    return true;
}

bool SimulatedMouse::writeOutput(std::span<const uint8_t, kOutputReportSize> report,
                                 uint32_t completionTimeoutMs) {
    std::unique_lock lock(mutex_);
    if (!open_) return false;
    const uint32_t n = ++outputsWritten_;
    if (n == faults_.failOutput) return false;
    if (n == faults_.stallOutput) {
        // Never taken, as when the real device stops reading: the writer waits out its time and
        // the report reaches neither the mouse nor the trace.
        lock.unlock();
        clock_.sleepMs(completionTimeoutMs);
        return false;
    }
    record('O', report);
    if (pending_.target != nullptr && pending_.received < pending_.length) {
        // Take up to 32 bytes of the announced payload; what does not fit the target is dropped.
        const size_t take = std::min<size_t>(32, pending_.length - pending_.received);
        for (size_t i = 0; i < take; ++i) {
            const size_t dst = pending_.received + i;
            if (dst < pending_.targetSize) pending_.target[dst] = report[1 + i];
        }
        pending_.received += take;
        if (pending_.received >= pending_.length) {
            pending_ = {};
            dirty_ = true;
        }
    }
    return true;
}

SimulatedMouseState SimulatedMouse::state() const {
    std::lock_guard lock(mutex_);
    return state_;
}

std::vector<SimulatedReport> SimulatedMouse::reports() const {
    std::lock_guard lock(mutex_);
    return reports_;
}

}  // namespace z408
