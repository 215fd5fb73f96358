// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

// z408ctl watch: every button, wheel and key event as the program's input hook sees it, with
// chosen mouse events swallowed while it runs. The events go through the program's own hook and
// platform sources (X11, or the mouse's own event nodes), so what this prints and swallows is
// what the program would.
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "common/event_codes.h"
#include "desktop/evdev_hook_input.h"
#include "desktop/input_source_choice.h"
#include "desktop/x11_hook_input.h"
#include "functions/key_tables.h"
#include "functions/keyboard_layout.h"
#include "shell/input_hook.h"

namespace z408::cli {
namespace {

// The hook's button and wheel codes by the names profile set gives the buttons.
struct EventName {
    uint32_t code;
    const char* word;    // as shown
    const char* button;  // as --intercept takes it
    bool wheel;
};
constexpr EventName kEventNames[] = {
    {event_code::LeftDown, "left", "left", false},
    {event_code::RightDown, "right", "right", false},
    {event_code::MiddleDown, "middle", "middle", false},
    {event_code::BackDown, "back", "back", false},
    {event_code::ForwardDown, "forward", "forward", false},
    {event_code::WheelUp, "up", "wheel-up", true},
    {event_code::WheelDown, "down", "wheel-down", true},
};

const EventName* eventName(uint32_t code) {
    for (const EventName& e : kEventNames)
        if (e.code == code) return &e;
    return nullptr;
}

constexpr WindowId kWatchWindow{1};

// A key by the macro page's name, which a macro text takes back; the key list's otherwise.
std::string keyLabel(uint32_t code) {
    if (const std::string_view name = macroKeyName(code); !name.empty()) return std::string(name);
    std::string name = keyName(code, UsKeyboardLayout::instance());
    return name.empty() ? std::string(1, '?') : name;
}

// The window the hook reports to: one line per message. Button-downs and wheel steps arrive as
// the hook's button events, keys through keyboard forwarding.
class PrintingWindow final : public WindowSinks, public MessageSink {
  public:
    MessageSink* sinkOf(WindowId window) override {
        return window == kWatchWindow ? this : nullptr;
    }
    void post(Msg msg, uintptr_t wParam, intptr_t lParam) override {
        const auto code = static_cast<unsigned>(wParam);
        if (msg == Msg::HookEvent) {
            const auto flags = static_cast<unsigned>(lParam);
            const std::string name = keyLabel(code);
            std::printf("key %s %s (0x%02x flags 0x%02x)\n", name.c_str(),
                        flags & kKeyFlagReleased ? "up" : "down", code, flags);
        } else if (msg == Msg::ButtonEvent) {
            const EventName* e = eventName(code);
            if (e && e->wheel)
                std::printf("wheel %s (0x%x)\n", e->word, code);
            else if (e)
                std::printf("button %s down (0x%x)\n", e->word, code);
            else
                std::printf("button ? (0x%x)\n", code);
        }
        std::fflush(stdout);
    }
};

bool parseCode(const std::string& text, uint32_t& code) {
    for (const EventName& e : kEventNames)
        if (text == e.button) {
            code = e.code;
            return true;
        }
    char* end = nullptr;
    const unsigned long v = std::strtoul(text.c_str(), &end, 0);
    if (text.empty() || *end != '\0' || v > 0xFFFFFFFFul) return false;
    code = static_cast<uint32_t>(v);
    return true;
}

// English: z408ctl speaks English throughout.
constexpr int32_t kEnglish = 2;

int runWatch(const Args& args) {
    std::vector<uint32_t> codes;
    std::optional<desktop::InputSourceKind> chosen;
    for (size_t i = 0; i < args.size(); ++i) {
        std::string value;
        const auto option = [&](const std::string& name) {
            if (args[i] == name && i + 1 < args.size()) {
                value = args[++i];
                return true;
            }
            if (args[i].rfind(name + "=", 0) == 0) {
                value = args[i].substr(name.size() + 1);
                return true;
            }
            return false;
        };
        if (option("--source")) {
            chosen = desktop::parseInputSourceName(value);
            if (!chosen)
                return fail("watch", "'" + value + "' is not a source (x11, evdev)", kExitBadInput);
            continue;
        }
        if (!option("--intercept"))
            return fail("watch", "unexpected argument '" + args[i] + "'", kExitBadInput);
        uint32_t code = 0;
        if (!parseCode(value, code) || desktop::buttonOfEventCode(code) == 0)
            return fail("watch",
                        "'" + value +
                            "' is not a mouse button: give left, right, middle, back, forward, "
                            "wheel-up, wheel-down or its code (0x201, 0x204, 0x207, 0x1020b, "
                            "0x2020b, 0x20a01, 0x20a00)",
                        kExitBadInput);
        codes.push_back(code);
    }
    const desktop::InputSourceKind kind = chosen ? *chosen : desktop::chooseInputSource();

    // The program's hook, fed as the program feeds it: button-downs and wheel steps reported
    // (mouse notification), keys forwarded, the listed mouse events swallowed by its rule.
    InterceptList intercepts;
    PrintingWindow window;
    std::mutex hookMutex;  // the hook's state is used by one thread at a time
    InputHook* hookToFeed = nullptr;
    const auto feed = [&](const InputEvent& event) {
        std::lock_guard lock(hookMutex);
        if (hookToFeed != nullptr) hookToFeed->handleEvent(event);
    };
    std::optional<desktop::X11HookInput> x11;
    std::optional<desktop::EvdevHookInput> evdev;
    InputSource* source = nullptr;
    if (kind == desktop::InputSourceKind::X11) {
        source = &x11.emplace(feed);
    } else {
        source = &evdev.emplace(
            feed, desktop::EvdevHookInput::Motion{}, [](const desktop::EvdevProblem& p) {
                std::fprintf(stderr, "z408ctl watch: %s\n", p.text(kEnglish).c_str());
            });
    }
    InputHook hook(intercepts, window, *source);
    for (const uint32_t code : codes) hook.updateIntercept(code, false);
    hook.setNotification(HookInputs::Mouse);
    hook.setForwarding(HookInputs::Keyboard);

    // The source's thread inherits the blocked signals, so only sigwait below sees them.
    sigset_t signals;
    sigemptyset(&signals);
    sigaddset(&signals, SIGINT);
    sigaddset(&signals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &signals, nullptr);

    {
        std::lock_guard lock(hookMutex);
        if (!hook.install(kWatchWindow)) {
            const std::string why = x11                        ? x11->error()
                                    : evdev->problem().empty() ? evdev->error()
                                                               : evdev->problem().text(kEnglish);
            return fail("watch", why + " The input hook is off.", kExitFailed);
        }
        hookToFeed = &hook;
    }
    for (const uint32_t code : codes)
        if (!hook.takesOverXButton(desktop::buttonOfEventCode(code)))
            std::fprintf(stderr,
                         "z408ctl watch: 0x%x is not swallowed: the input hook never takes the "
                         "left button from other programs.\n",
                         code);
    if (x11) {
        const auto held = x11->syncGrabs(hook);
        if (!held.empty())
            std::fprintf(stderr, "z408ctl watch: %s\n",
                         desktop::X11InputSource::describe(held).c_str());
    } else {
        const desktop::EvdevProblem problem = evdev->syncIntercepts(hook);
        if (!problem.empty())
            std::fprintf(stderr, "z408ctl watch: %s\n", problem.text(kEnglish).c_str());
        if (evdev->openNodes() == 0)
            std::fprintf(stderr,
                         "z408ctl watch: the mouse's input device is not there yet; "
                         "waiting for it.\n");
    }
    std::fprintf(stderr, "z408ctl watch: watching (%s); interrupt to stop.\n",
                 std::string(desktop::inputSourceName(kind)).c_str());

    int exitCode = kExitOk;
    const timespec tick{0, 200'000'000};
    for (;;) {
        if (sigtimedwait(&signals, nullptr, &tick) >= 0) break;
        if (x11 ? !x11->alive() : !evdev->alive()) {
            std::fprintf(stderr, "z408ctl watch: %s\n",
                         x11 ? "the X server went away." : "the input source stopped.");
            exitCode = kExitFailed;
            break;
        }
    }
    // The source's thread ends first, so the hook is no longer fed when it is removed.
    source->stop();
    hook.remove();
    return exitCode;
}

}  // namespace

void registerWatchCommands(CommandRegistry& registry) {
    registry.add(
        {"watch", "[--source SOURCE] [--intercept BUTTON]...",
         "print every button, wheel and key event as the input hook sees it",
         "One line per event, its name and then its code: 'button middle down (0x207)',\n"
         "'wheel up (0x20a01)', 'key A down (0x41 flags 0x00)' (key names as the macro\n"
         "page writes them; flags: 0x80 release, 0x01 extended key, 0x20 Alt held).\n"
         "SOURCE is x11 or evdev. x11 reads the X server's input (every device, keys\n"
         "too); evdev reads the mouse's own input devices (its buttons and wheel only, no\n"
         "keys; follows it when it is unplugged and plugged in again). Without it: x11\n"
         "on an X11 session, evdev on Wayland or without a display.\n"
         "--intercept BUTTON (left, right, middle, back, forward, wheel-up, wheel-down, or\n"
         "its code) puts that mouse event on the hook's intercept list: other\n"
         "programs do not get it while this runs (never the left button, which the hook\n"
         "does not swallow). With evdev the mouse's device is then grabbed and its other\n"
         "events passed on through /dev/uinput. Runs until interrupted (Ctrl+C) or\n"
         "terminated.",
         runWatch});
}

}  // namespace z408::cli
