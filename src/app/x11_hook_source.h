#pragma once
// The input hook's platform source on X11: every button, wheel and key event of the desktop,
// handed to the hook on the user-interface thread in the order it happened, and the intercepted
// buttons taken from other programs by grabs.
#include <QObject>

#include "desktop/x11_input_source.h"
#include "shell/input_hook.h"

namespace z408 {

class X11HookSource final : public QObject, public InputSource {
    Q_OBJECT
  public:
    explicit X11HookSource(InterceptList& intercepts, QObject* parent = nullptr);
    ~X11HookSource() override;

    // The hook events are delivered to; set before start().
    void setHook(InputHook* hook) { hook_ = hook; }
    bool start() override;
    void stop() override;
    // Grabs exactly the buttons of the intercept list (after an upload changed it).
    void syncIntercepts();

    static InputEvent convert(const desktop::InputEvent& event);

  private:
    InterceptList& intercepts_;
    InputHook* hook_ = nullptr;
    desktop::X11InputSource x11_;
};

}  // namespace z408
