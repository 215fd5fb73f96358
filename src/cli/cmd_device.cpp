// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

// z408ctl status, apply and update check: the mouse as the program finds it, the Apply button,
// and the firmware update check.
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "cli/cli.h"
#include "cli/json_out.h"
#include "common/clock.h"
#include "common/directories.h"
#include "common/message_queue.h"
#include "common/program_texts.h"
#include "common/text.h"
#include "config/profile_store.h"
#include "config/seeding.h"
#include "desktop/curl_downloader.h"
#include "desktop/evdev_access.h"
#include "device/mouse_transport.h"
#include "device/usb_driver.h"
#include "i18n/languages.h"
#include "macros/macro_library.h"
#include "macros/macro_store.h"
#include "platform/hidraw_backend.h"
#include "shell/intercept_list.h"
#include "shell/pointer_settings.h"
#include "update/program_settings.h"
#include "update/update_checker.h"
#include "update/update_description.h"
#include "upload/settings_uploader.h"

namespace z408::cli {
namespace {

constexpr const char* kNoMouse =
    "no mouse found (set Z408_SIMULATED_MOUSE to a state file to use the simulated mouse)";

// The transport and the driver on it, the driver destroyed first.
struct OpenedMouse {
    std::unique_ptr<HidTransport> transport;
    std::unique_ptr<CUSBDriver> driver;
};

// Opens the mouse; on failure prints why and returns false with the exit code.
bool openMouse(std::string_view command, OpenedMouse& mouse, int& exitCode) {
    mouse.transport = openMouseTransport(SystemClock::instance());
    if (!mouse.transport) {
        exitCode = fail(command, kNoMouse, kExitFailed);
        return false;
    }
    mouse.driver = std::make_unique<CUSBDriver>(*mouse.transport, SystemClock::instance());
    if (!mouse.driver->Open()) {
        std::string why = mouse.transport->lastError();
        if (why.empty()) why = "the mouse could not be opened";
        exitCode = fail(command, "no mouse found: " + why, kExitFailed);
        return false;
    }
    return true;
}

// Opens the mouse without a word on failure: --json says it in its own terms.
bool openMouseQuietly(OpenedMouse& mouse) {
    mouse.transport = openMouseTransport(SystemClock::instance());
    if (!mouse.transport) return false;
    mouse.driver = std::make_unique<CUSBDriver>(*mouse.transport, SystemClock::instance());
    return mouse.driver->Open();
}

// What the input hook's evdev source may do here (Wayland, no display): the mouse's input
// devices and /dev/uinput, and for each thing missing its cause and fix.
void printEvdevAccess(const desktop::EvdevAccess& access) {
    std::printf("input devices:");
    if (access.nodes.empty()) std::printf(" none");
    std::printf("\n");
    for (const desktop::EvdevNode& node : access.nodes)
        std::printf("  %s %s\n", node.devnode.c_str(), node.name.c_str());
    std::printf("input devices readable: %zu of %zu\n", access.readableNodes, access.nodes.size());
    std::printf("uinput writable: %s\n", access.uinputWritable ? "yes" : "no");
    for (const desktop::EvdevProblem& p : access.problems)
        std::printf("input access: %s\n", p.text(2).c_str());
}

void addEvdevAccess(Json& doc, const desktop::EvdevAccess& access) {
    Json nodes = Json::array();
    for (const desktop::EvdevNode& node : access.nodes)
        nodes.push(Json::object()
                       .set("node", Json::string(node.devnode))
                       .set("name", Json::string(node.name)));
    Json problems = Json::array();
    for (const desktop::EvdevProblem& p : access.problems) problems.push(Json::string(p.text(2)));
    doc.set("inputDevices", std::move(nodes))
        .set("inputDevicesReadable", Json::number(static_cast<uint64_t>(access.readableNodes)))
        .set("uinputWritable", Json::boolean(access.uinputWritable))
        .set("inputProblems", std::move(problems));
}

int status(const Args& args) {
    ArgScanner scan(args);
    const bool json = scan.flag("--json");
    std::vector<std::string> rest;
    std::string error;
    if (!scan.positionals(rest, error) || !rest.empty())
        return fail("status", error.empty() ? "takes no arguments" : error, kExitBadInput);
    OpenedMouse mouse;
    int code = kExitOk;
    // Without --json the reason the mouse was not found goes to stderr as it is found.
    const bool found = json ? openMouseQuietly(mouse) : openMouse("status", mouse, code);
    if (json && !found) code = kExitFailed;
    // A mouse that is there but whose node this user may not open: named, with the fix.
    const std::string refused = !found && mouse.transport ? mouse.transport->refusedNode() : "";
    std::vector<std::string> interfaces;
    if (mouse.transport) interfaces = transportInterfaceLines(*mouse.transport);
    const desktop::EvdevAccess access = desktop::checkEvdevAccess();
    uint32_t version = 0;
    // The support page shows the number in decimal, or nothing when the read failed or gave 0.
    const bool haveVersion = found && mouse.driver->ReadFirmwareVersion(&version) && version != 0;
    if (json) {
        Json doc = Json::document();
        Json lines = Json::array();
        for (const std::string& line : interfaces) lines.push(Json::string(line));
        doc.set("found", Json::boolean(found))
            .set("location", found ? Json::string(mouse.transport->location()) : Json::null())
            .set("reportId",
                 found ? Json::number(unsigned{mouse.driver->ReportId()}) : Json::null())
            .set("reportCount",
                 found ? Json::number(unsigned{mouse.driver->ReportCount()}) : Json::null())
            .set("firmwareVersion", haveVersion ? Json::number(version) : Json::null())
            .set("firmwareText", haveVersion
                                     ? Json::string(firmwareVersionDisplay(std::to_string(version)))
                                     : Json::null())
            .set("noAccessNode", refused.empty() ? Json::null() : Json::string(refused))
            .set("interfaces", std::move(lines));
        addEvdevAccess(doc, access);
        doc.print();
        return code;
    }
    if (!found && refused.empty()) {
        std::printf("mouse: not found\n");
    } else if (!found) {
        // The same words as the window's box: present, which node, and the fix.
        std::printf("mouse: present, no access to %s\n", refused.c_str());
        std::printf("fix: %s\n",
                    formatText(programText(ProgramText::MouseNoAccess, kLanguageEnglish), {refused})
                        .c_str());
    } else {
        std::printf("mouse: found\n");
        std::printf("location: %s\n", mouse.transport->location().c_str());
        std::printf("report id: %u\n", unsigned{mouse.driver->ReportId()});
        std::printf("report count: %u\n", unsigned{mouse.driver->ReportCount()});
        std::printf("firmware version: %s\n", haveVersion ? std::to_string(version).c_str() : "");
    }
    if (!interfaces.empty()) std::printf("interfaces:\n");
    for (const std::string& line : interfaces) std::printf("  %s\n", line.c_str());
    printEvdevAccess(access);
    return code;
}

// Progress as a bar on a terminal; nothing when the output goes to a file or a pipe, where a
// line per step would only bury the result.
class ProgressPrinter {
  public:
    ProgressPrinter() : tty_(isatty(STDOUT_FILENO) == 1) {}
    void show(uintptr_t percent) {
        if (!tty_) return;
        if (percent > 100) percent = 100;
        constexpr size_t kWidth = 40;
        const size_t filled = percent * kWidth / 100;
        std::printf("\r[%s%s] %3u%%", std::string(filled, '#').c_str(),
                    std::string(kWidth - filled, '.').c_str(), static_cast<unsigned>(percent));
        std::fflush(stdout);
        open_ = true;
    }
    void end() {
        if (tty_ && open_) std::printf("\n");
        std::fflush(stdout);
        open_ = false;
    }

  private:
    bool tty_;
    bool open_ = false;
};

int apply(const Args& args) {
    ArgScanner scan(args);
    int profileNumber = 0;
    int code = kExitOk;
    if (!profileOption(scan, "apply", profileNumber, code)) return code;
    const auto dataDir = dataDirOption(scan);
    const bool noPointer = scan.flag("--no-pointer");
    std::vector<std::string> rest;
    std::string error;
    if (!scan.error().empty()) return fail("apply", scan.error(), kExitBadInput);
    if (!scan.positionals(rest, error) || !rest.empty())
        return fail("apply", error.empty() ? "unexpected argument '" + rest[0] + "'" : error,
                    kExitBadInput);
    return applyProfile("apply", dataFolder(dataDir), profileNumber, noPointer);
}

}  // namespace

int applyProfile(std::string_view command, const std::filesystem::path& dir, int profileNumber,
                 bool noPointer) {
    const std::string cmd(command);
    // The data directory and the active profile, as at start-up.
    seedDataDirectory(programDirectory(), dir);
    TerminalNotices notices;
    ProfileStore store(dir, notices);
    store.loadTableAndActiveProfile();
    if (profileNumber != 0 && !store.selectProfile(profileNumber - 1))
        return fail(cmd, "profile " + std::to_string(profileNumber) + " could not be loaded",
                    kExitFailed);

    // The macro library as the window loads it; the store has said why when it could not.
    auto library = std::make_unique<MacroLibrary>();
    MacroStore macros(*library, dir, notices, SystemClock::instance());
    if (!macros.loadMacroLibrary())
        std::fprintf(stderr, "z408ctl %s: buttons with macros get no function\n", cmd.c_str());

    OpenedMouse mouse;
    int code = kExitOk;
    if (!openMouse(cmd, mouse, code)) return code;

    std::unique_ptr<PointerSettings> pointer;
    if (!noPointer) {
        pointer = openPointerSettings();
        if (!pointer)
            std::fprintf(stderr,
                         "z408ctl %s: no X server and no GNOME or KDE settings here; the "
                         "pointer settings were not applied\n",
                         cmd.c_str());
    }

    InterceptList intercepts;  // no input hook runs in this process
    MessageQueue messages;
    ProgressPrinter progress;
    int result = kExitFailed;
    {
        SettingsUploader uploader(*mouse.driver, SystemClock::instance(), messages, intercepts,
                                  pointer.get(), {store.active(), store.macroIdList(), *library});
        uploader.requestUpload();
        for (bool done = false; !done;) {
            const PostedMessage m = messages.wait();
            switch (m.msg) {
                case Msg::UploadProgress:
                    if (m.lParam != kProgressEndedByFailure) progress.show(m.wParam);
                    break;
                case Msg::UploadDone:
                    progress.end();
                    result = store.saveAfterUpload() ? kExitOk : kExitFailed;
                    if (result == kExitOk)
                        std::printf("profile %d applied and saved\n", store.activeEntry() + 1);
                    done = true;
                    break;
                case Msg::MacroCut: {
                    const std::string text =
                        macroCutText(*library, static_cast<uint32_t>(m.lParam), kLanguageEnglish);
                    if (!text.empty())
                        std::fprintf(stderr, "\nz408ctl %s: button %zu: %s\n", cmd.c_str(),
                                     static_cast<size_t>(m.wParam) + 1, text.c_str());
                    break;
                }
                case Msg::UploadFailed: {
                    progress.end();
                    std::string text(uploadErrorText(m.lParam));
                    while (!text.empty() && text.back() == '\n') text.pop_back();
                    result = fail(cmd, text, kExitFailed);
                    done = true;
                    break;
                }
                default:
                    break;
            }
            if (done) uploader.uploadHandled();
        }
    }
    return result;
}

namespace {

// A folder of our own under the temporary folder, removed when it goes.
class ScratchFolder {
  public:
    ScratchFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "z408ctl-XXXXXX").string();
        if (::mkdtemp(pattern.data()) != nullptr) path_ = pattern;
    }
    ~ScratchFolder() {
        std::error_code ec;
        if (!path_.empty()) std::filesystem::remove_all(path_, ec);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    const std::filesystem::path& path() const { return path_; }

  private:
    std::filesystem::path path_;
};

// A host as --host and z408.ini give it: host, host:port or http://host:port, nothing else.
bool plausibleHost(std::string_view host) {
    if (const size_t scheme = host.find("://"); scheme != std::string_view::npos)
        host.remove_prefix(scheme + 3);
    while (!host.empty() && host.back() == '/') host.remove_suffix(1);
    if (host.empty()) return false;
    return std::all_of(host.begin(), host.end(), [](char c) {
        return std::isalnum(static_cast<unsigned char>(c)) || c == '.' || c == '-' || c == ':' ||
               c == '[' || c == ']' || c == '_';
    });
}

int updateCheck(const Args& args) {
    constexpr std::string_view kName = "update check";
    ArgScanner scan(args);
    const bool json = scan.flag("--json");
    std::string host;
    const bool haveHost = scan.value("--host", host);
    std::vector<std::string> rest;
    std::string error;
    if (!scan.positionals(rest, error) || !rest.empty())
        return fail(kName, error.empty() ? "takes no arguments" : error, kExitBadInput);
    if (haveHost && !plausibleHost(host))
        return fail(kName, "'" + host + "' is no host: give host, host:port or http://host:port",
                    kExitBadInput);
    if (!haveHost) host = readProgramSettingsFile(programSettingsFile()).updateHost;
    const std::string url = updateDescriptionUrl(host);
    if (url.empty())
        return fail(kName,
                    // The person's own copy, which needs no administrator and survives updates.
                    "no update server is configured (set Host in the [Update] section of " +
                        (configDirectory() / kProgramSettingsFile).string() + ", or use --host)",
                    kExitFailed);
    if (!json) std::printf("description: %s\n", terminalSafe(url).c_str());
    // The program keeps its copy in the data directory; a check from here leaves that one alone.
    ScratchFolder scratch;
    if (scratch.path().empty())
        return fail(kName, "no temporary folder could be made", kExitFailed);
    const std::filesystem::path file = scratch.path() / "update.xml";
    // As long as the window waits for the server, not the downloader's general limit.
    desktop::DownloadLimits limits;
    limits.connectTimeoutMs = limits.totalTimeoutMs = UpdateChecker::kTimeoutMs;
    if (!desktop::CurlDownloader(limits).fetch(url, file, {}, error))
        return fail(kName, "the description could not be downloaded: " + error, kExitFailed);
    const UpdateDescription d = readUpdateDescription(file);
    // An empty or broken description names no version: saying the mouse is up to date would be
    // a guess.
    if (d.current == 0)
        return fail(kName,
                    "the update description at " + url +
                        " names no firmware version (it is empty or not an update "
                        "description); check the server or --host, or try again later",
                    kExitFailed);
    const std::string newest = std::to_string(d.current);
    if (!json) {
        std::printf("newest firmware: %s (%s)\n", newest.c_str(),
                    firmwareVersionDisplay(newest).c_str());
        // The server's text is shown without its control characters.
        std::printf("image: %s%s\n",
                    d.newFile.empty() ? "(none named)" : terminalSafe(d.newFile).c_str(),
                    d.newFile.empty() || sameHttpHost(d.newFile, url)
                        ? ""
                        : " (not on the update server: the program will not fetch it)");
    }

    OpenedMouse mouse;
    int code = kExitOk;
    uint32_t version = 0;
    const bool found = json ? openMouseQuietly(mouse) : openMouse(kName, mouse, code);
    if (found && !mouse.driver->ReadFirmwareVersion(&version))
        version = 0;  // a mouse that does not answer counts as version 0, as in the program
    const std::string mine = std::to_string(version);
    if (json) {
        Json::document()
            .set("description", Json::string(url))
            .set("newestVersion", Json::number(d.current))
            .set("newestText", Json::string(firmwareVersionDisplay(newest)))
            .set("image", d.newFile.empty() ? Json::null() : Json::string(d.newFile))
            .set("mouseFound", Json::boolean(found))
            .set("mouseVersion", found ? Json::number(version) : Json::null())
            .set("mouseText",
                 found && version != 0 ? Json::string(firmwareVersionDisplay(mine)) : Json::null())
            .set("newerAvailable", found ? Json::boolean(d.current > version) : Json::null())
            .print();
        return found ? kExitOk : kExitFailed;
    }
    if (!found) {
        std::printf("mouse firmware: (no mouse)\n");
        return code;
    }
    std::printf("mouse firmware: %s (%s)\n", mine.c_str(),
                version != 0 ? firmwareVersionDisplay(mine).c_str() : "Unknown");
    std::printf("%s\n", d.current > version ? "a newer firmware is available"
                                            : "the mouse has the newest firmware");
    return kExitOk;
}

}  // namespace

void registerDeviceCommands(CommandRegistry& registry) {
    registry.add(
        {"status", "[--json]", "whether the mouse is found, and its firmware version",
         "Looks for the mouse as the program does and shows where it is, the report id and\n"
         "report count of its command channel and its firmware version (empty when the\n"
         "mouse does not tell), then every HID interface the search looked at and why it\n"
         "was or was not taken; then the mouse's input devices and /dev/uinput, which the\n"
         "input hook reads and writes on Wayland and without a display, and what to do\n"
         "where access is missing. Exit 1 when no mouse is found. --json prints the same\n"
         "as JSON (see JSON OUTPUT in z408ctl(1)).",
         status});
    registry.add(
        {"apply", "[--profile N] [--data-dir DIR] [--no-pointer]",
         "write a profile into the mouse, as the Apply button does",
         "Loads the profiles as the program does at start-up, selects profile N (1..5;\n"
         "default: the active one) and writes it into the mouse: macros, key map,\n"
         "lighting, proximity switch, DPI levels and report rate, and the pointer settings\n"
         "of the desktop unless --no-pointer is given. A bar shows the progress on a\n"
         "terminal. On success the profile file and\n"
         "the profile table are saved; on failure the failed step is shown, nothing is\n"
         "saved and the exit code is 1. DIR replaces the data folder\n"
         "(default ~/.local/share/TARVO/Z408).",
         apply});
    registry.add(
        {"update check", "[--host HOST] [--json]", "ask the update server for the newest firmware",
         "Downloads the update description from the server configured in z408.ini beside\n"
         "the program (or HOST: host, host:port or http://host:port; Z408_UPDATE_SERVER\n"
         "in the environment also replaces it), shows the newest firmware and its image,\n"
         "and compares it with the mouse's. Nothing is downloaded beyond the description\n"
         "and nothing is written beside the program. Exit 1 when no server is configured,\n"
         "the description cannot be downloaded or names no firmware version, or no mouse\n"
         "is found; exit 2 for a HOST that is none. --json prints the same as JSON (see\n"
         "JSON OUTPUT in z408ctl(1)).",
         updateCheck});
}

}  // namespace z408::cli
