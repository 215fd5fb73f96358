// z408ctl watch: every button, wheel and key event as the program's input hook sees it, with
// chosen mouse events swallowed while it runs. The events go through the program's own hook and
// X11 source, so what this prints and swallows is what the program would.
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <mutex>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "common/event_codes.h"
#include "desktop/x11_hook_input.h"
#include "shell/input_hook.h"

namespace z408::cli {
namespace {

constexpr WindowId kWatchWindow{1};

// The window the hook reports to: one line per message. Button-downs and wheel steps arrive as
// the hook's button events, keys through keyboard forwarding.
class PrintingWindow final : public WindowSinks, public MessageSink {
  public:
    MessageSink* sinkOf(WindowId window) override {
        return window == kWatchWindow ? this : nullptr;
    }
    void post(Msg msg, uintptr_t wParam, intptr_t lParam) override {
        if (msg == Msg::HookEvent) {
            std::printf("key 0x%02x flags 0x%02x\n", static_cast<unsigned>(wParam),
                        static_cast<unsigned>(lParam));
        } else if (msg == Msg::ButtonEvent) {
            const bool wheel = wParam == event_code::WheelUp || wParam == event_code::WheelDown;
            std::printf("%s 0x%x\n", wheel ? "wheel" : "button", static_cast<unsigned>(wParam));
        }
        std::fflush(stdout);
    }
};

bool parseCode(const std::string& text, uint32_t& code) {
    char* end = nullptr;
    const unsigned long v = std::strtoul(text.c_str(), &end, 0);
    if (text.empty() || *end != '\0' || v > 0xFFFFFFFFul) return false;
    code = static_cast<uint32_t>(v);
    return true;
}

int runWatch(const Args& args) {
    std::vector<uint32_t> codes;
    for (size_t i = 0; i < args.size(); ++i) {
        std::string value;
        if (args[i] == "--intercept" && i + 1 < args.size()) {
            value = args[++i];
        } else if (args[i].rfind("--intercept=", 0) == 0) {
            value = args[i].substr(12);
        } else {
            return fail("watch", "unexpected argument '" + args[i] + "'", kExitBadInput);
        }
        uint32_t code = 0;
        if (!parseCode(value, code) || desktop::buttonOfEventCode(code) == 0)
            return fail("watch",
                        "'" + value +
                            "' is not a mouse event code (0x201, 0x204, 0x207, 0x1020b, "
                            "0x2020b, 0x20a01, 0x20a00)",
                        kExitBadInput);
        codes.push_back(code);
    }

    // The program's hook, fed as the program feeds it: button-downs and wheel steps reported
    // (mouse notification), keys forwarded, the listed mouse events swallowed by its rule.
    InterceptList intercepts;
    PrintingWindow window;
    std::mutex hookMutex;  // the hook's state is used by one thread at a time
    InputHook* hookToFeed = nullptr;
    desktop::X11HookInput input([&](const InputEvent& event) {
        std::lock_guard lock(hookMutex);
        if (hookToFeed != nullptr) hookToFeed->handleEvent(event);
    });
    InputHook hook(intercepts, window, input);
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
        if (!hook.install(kWatchWindow))
            return fail("watch", input.error() + " The input hook is off.", kExitFailed);
        hookToFeed = &hook;
    }
    for (const uint32_t code : codes)
        if (!hook.takesOverXButton(desktop::buttonOfEventCode(code)))
            std::fprintf(stderr,
                         "z408ctl watch: 0x%x is not swallowed: the input hook never takes the "
                         "left button from other programs.\n",
                         code);
    const auto held = input.syncGrabs(hook);
    if (!held.empty())
        std::fprintf(stderr, "z408ctl watch: %s\n",
                     desktop::X11InputSource::describe(held).c_str());
    std::fprintf(stderr, "z408ctl watch: watching; interrupt to stop.\n");

    int exitCode = kExitOk;
    const timespec tick{0, 200'000'000};
    for (;;) {
        if (sigtimedwait(&signals, nullptr, &tick) >= 0) break;
        if (!input.alive()) {
            std::fprintf(stderr, "z408ctl watch: the X server went away.\n");
            exitCode = kExitFailed;
            break;
        }
    }
    // The source's thread ends first, so the hook is no longer fed when it is removed.
    input.stop();
    hook.remove();
    return exitCode;
}

}  // namespace

void registerWatchCommands(CommandRegistry& registry) {
    registry.add({"watch", "[--intercept CODE]...",
                  "print every button, wheel and key event as the input hook sees it",
                  "One line per event: 'button 0x207', 'wheel 0x20a01', 'key 0x41 flags 0x00'\n"
                  "(key flags: 0x80 release, 0x01 extended key, 0x20 Alt held).\n"
                  "--intercept CODE puts that mouse event on the hook's intercept list: other\n"
                  "programs do not get it while this runs (never the left button, which the hook\n"
                  "does not swallow). Runs until interrupted (Ctrl+C) or terminated.",
                  runWatch});
}

}  // namespace z408::cli
