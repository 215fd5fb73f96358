#pragma once
// The windows the input hook may post to, by number: the main window for its whole life, and
// windows such as the function picker's key page while they are open.
#include <map>
#include <mutex>

#include "shell/input_hook.h"

namespace z408 {

class WindowDirectory final : public WindowSinks {
public:
    // The sink must stay valid until remove() is called for the same number.
    void add(WindowId window, MessageSink* sink);
    void remove(WindowId window);
    MessageSink* sinkOf(WindowId window) override;

private:
    std::mutex mutex_;
    std::map<WindowId, MessageSink*> sinks_;
};

}  // namespace z408
