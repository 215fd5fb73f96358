// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// How the logic libraries talk to the user. The window shows these as its dialogs; z408ctl prints
// them. The libraries also read the interface language through this: its texts ("str_msg2" ...)
// and whether the Chinese built-in texts are in force.
#include <string>
#include <string_view>
#include <vector>

#include "common/program_texts.h"

namespace z408 {

enum class NoticeStyle {
    InfoBox,     // the program's own information box (optionally with Cancel)
    MessageBox,  // a plain message box with a caption, OK only
};

struct Notice {
    NoticeStyle style = NoticeStyle::InfoBox;
    std::string text;
    std::string caption = "Info";
    bool withCancel = false;
};

class UserNotices {
  public:
    virtual ~UserNotices() = default;
    // Shows the notice modally; true when the user answered OK.
    virtual bool show(const Notice& notice) = 0;
    // The interface text of a language key such as "str_msg2"; empty when there is none.
    virtual std::string text(std::string_view key) const = 0;
    // True while Simplified Chinese is the active language (built-in texts in Chinese).
    virtual bool chinese() const = 0;
    // The interface language's id (1..12); where only the Chinese flag is known, Chinese or
    // English by it.
    virtual int32_t languageId() const { return chinese() ? 1 : 2; }

    // One of the program's own messages in the interface language.
    std::string programText(ProgramText text) const {
        return std::string(z408::programText(text, languageId()));
    }

    bool info(std::string text, bool withCancel = false);
    void message(std::string text, std::string caption = "Info");
};

// Collects notices in memory; answers every question with a fixed reply. For tools and tests.
class RecordingNotices : public UserNotices {
  public:
    bool show(const Notice& notice) override;
    std::string text(std::string_view key) const override;
    bool chinese() const override { return chineseText; }
    int32_t languageId() const override { return language != 0 ? language : chinese() ? 1 : 2; }

    std::vector<Notice> shown;
    bool reply = true;
    bool chineseText = false;
    int32_t language = 0;  // 0: by the Chinese flag
};

}  // namespace z408
