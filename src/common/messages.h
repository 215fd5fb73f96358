// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// The program's window-message numbers. Workers never touch windows: they post one of these with
// two parameters through a MessageSink, and the window dispatches on the number.
#include <cstdint>

namespace z408 {

enum class Msg : uint32_t {
    HookEvent = 1034,
    UploadProgress = 1067,
    ClickEvent = 1225,
    CursorSample = 1226,
    UploadDone = 1795,
    UploadFailed = 1796,
    // A macro the upload sent was longer than the mouse plays: wParam the button index, lParam
    // the macro's id. Posted before the upload's end.
    MacroCut = 1797,
    ButtonEvent = 2027,
};

class MessageSink {
  public:
    virtual ~MessageSink() = default;
    // Thread-safe; never blocks on the receiver.
    virtual void post(Msg msg, uintptr_t wParam, intptr_t lParam) = 0;
};

}  // namespace z408
