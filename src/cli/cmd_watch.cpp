// z408ctl watch: every button, wheel and key event as the program's input hook sees it, with
// chosen mouse events swallowed while it runs.
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "desktop/x11_input_source.h"

namespace z408::cli {
namespace {

using desktop::InputEvent;

// The hook's event code of a mouse event: button-downs and vertical wheel steps; 0 for the rest.
uint32_t hookCode(const InputEvent& e) {
    if (e.kind == InputEvent::Kind::Wheel)
        return e.horizontal ? 0 : (e.wheelDelta >= 0 ? 0x20A01u : 0x20A00u);
    if (e.kind != InputEvent::Kind::ButtonDown) return 0;
    switch (e.button) {
        case 1: return 0x201;
        case 3: return 0x204;
        case 2: return 0x207;
        case 8: return 0x1020B;
        case 9: return 0x2020B;
        default: return 0;
    }
}

void printEvent(const InputEvent& e) {
    switch (e.kind) {
        case InputEvent::Kind::KeyDown:
        case InputEvent::Kind::KeyUp:
            std::printf("key 0x%02x flags 0x%02x\n", e.virtualKey, e.flags);
            break;
        case InputEvent::Kind::Wheel:
            if (const uint32_t code = hookCode(e)) std::printf("wheel 0x%x\n", code);
            break;
        default:
            if (const uint32_t code = hookCode(e)) std::printf("button 0x%x\n", code);
            break;
    }
    std::fflush(stdout);
}

bool parseCode(const std::string& text, uint32_t& code) {
    char* end = nullptr;
    const unsigned long v = std::strtoul(text.c_str(), &end, 0);
    if (text.empty() || *end != '\0' || v > 0xFFFFFFFFul) return false;
    code = static_cast<uint32_t>(v);
    return true;
}

int runWatch(const Args& args) {
    std::vector<uint32_t> intercepts;
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
                        "'" + value + "' is not a mouse event code (0x201, 0x204, 0x207, 0x1020b, "
                        "0x2020b, 0x20a01, 0x20a00)",
                        kExitBadInput);
        intercepts.push_back(code);
    }

    // The source's thread inherits the blocked signals, so only sigwait below sees them.
    sigset_t signals;
    sigemptyset(&signals);
    sigaddset(&signals, SIGINT);
    sigaddset(&signals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &signals, nullptr);

    desktop::X11InputSource source;
    std::string error;
    if (!source.start(printEvent, error))
        return fail("watch", error + " The input hook is off.", kExitFailed);
    const auto failures = source.setIntercepts(intercepts);
    if (!failures.empty()) std::fprintf(stderr, "z408ctl watch: %s\n", desktop::X11InputSource::describe(failures).c_str());
    std::fprintf(stderr, "z408ctl watch: watching; interrupt to stop.\n");

    int exitCode = kExitOk;
    const timespec tick{0, 200'000'000};
    for (;;) {
        if (sigtimedwait(&signals, nullptr, &tick) >= 0) break;
        if (!source.alive()) {
            std::fprintf(stderr, "z408ctl watch: the X server went away.\n");
            exitCode = kExitFailed;
            break;
        }
    }
    source.stop();
    return exitCode;
}

}  // namespace

void registerWatchCommands(CommandRegistry& registry) {
    registry.add({"watch", "[--intercept CODE]...",
                  "print every button, wheel and key event as the input hook sees it",
                  "One line per event: 'button 0x207', 'wheel 0x20a01', 'key 0x41 flags 0x00'\n"
                  "(key flags: 0x80 release, 0x01 extended key, 0x20 Alt held).\n"
                  "--intercept CODE swallows that mouse event: other programs do not get it while\n"
                  "this runs. Runs until interrupted (Ctrl+C) or terminated.",
                  runWatch});
}

}  // namespace z408::cli
