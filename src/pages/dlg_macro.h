// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// The macro page: macros grouped by game preset, the events of the selected macro as an editable
// list, recording from the keyboard and the on-screen mouse buttons, and the loop count. Every
// change is stored in Macro.cfg at once; the page never talks to the mouse.
#include <QPointer>
#include <QTimer>
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "macros/macro_editing.h"
#include "macros/macro_recorder.h"
#include "pages/skin_page.h"
#include "widgets/message_event.h"
#include "widgets/preset_menu.h"

namespace z408 {

class CBitmapEdit;
class CGDIBitmapBtn;
class CListBoxEx;

class Clock;
class LanguageContext;
class MacroEventEditor;
class MacroPageHook;
class MacroStore;
class ProfileStore;
class UserNotices;

class CDlgMacro : public CSkinPage {
    Q_OBJECT
  public:
    enum class EditMode {
        Idle = 0,
        InsertKey = 1,
        InsertDelay = 2,
        ModifyKey = 3,
        ModifyDelay = 4
    };
    static constexpr int kMacroListId = 256;
    static constexpr int kEventListId = 257;
    static constexpr int kLoopTimerMs = 4000;  // loopTimer()'s period

    // `hook` may be null (no system-wide hook: keys are taken from the program's window).
    CDlgMacro(const QString& programDirectory, bool chineseLayout, LanguageContext& language,
              UserNotices& notices, MacroStore& macros, const ProfileStore& profiles, Clock& clock,
              MacroPageHook* hook, QWidget* parent);
    ~CDlgMacro() override;

    // Where the hook posts Msg::HookEvent (wParam: key code, lParam: key flags).
    MessageSink& sink() { return sink_; }

    // Lists the macros of a preset (1..21) and shows the last of them.
    void fillForPreset(int preset);
    // Another page came to the front or the window was hidden: a recording ends and is saved,
    // an open editor closes, the preset menu closes.
    void leavePage();
    // The library was read again from Macro.cfg (z408ctl changed it): the lists show it. A
    // recording goes on; it is stored into the library as read when it ends, unless its macro was
    // deleted meanwhile, and the lists show the library then.
    void libraryReloaded();
    // Apply is about to upload: the loop box is tidied as the periodic timer would.
    void normaliseLoopCount();
    // Sets the captions and tooltips from the current language.
    void refreshTexts();

    // The controls and the state, for the window and the tests.
    int currentPreset() const { return preset_; }
    bool recording() const { return recording_; }
    EditMode editMode() const { return editMode_; }
    bool takesWindowKeys() const { return windowKeys_; }
    const std::vector<EventRow>& rows() const { return rows_; }
    CListBoxEx* macroList() const { return macroList_; }
    CListBoxEx* eventList() const { return eventList_; }
    CBitmapEdit* loopBox() const { return loopBox_; }
    CGDIBitmapBtn* presetButton() const { return presetButton_; }
    CGDIBitmapBtn* newMacroButton() const { return newMacro_; }
    CGDIBitmapBtn* deleteMacroButton() const { return deleteMacro_; }
    CGDIBitmapBtn* insertButton() const { return insert_; }
    CGDIBitmapBtn* deleteEventButton() const { return deleteEvent_; }
    CGDIBitmapBtn* modifyButton() const { return modify_; }
    CGDIBitmapBtn* recordButton() const { return record_; }
    CGDIBitmapBtn* ignoreDelaysButton() const { return ignoreDelays_; }
    CGDIBitmapBtn* mouseButton(int code) const;  // 1 left, 4 middle, 2 right
    MacroEventEditor& editor() const { return *editor_; }
    CPresetMenu* presetMenu() const { return presetMenu_; }
    QTimer& loopTimer() { return loopTimer_; }
    // The mouse's steps the shown macro takes (shown under the event list; 254 fit).
    uint32_t mouseSteps() const { return mouseSteps_; }

    // What the controls do (public so the tests drive the same paths as clicks).
    void onPresetButton();
    void onPresetChosen(int preset);
    void onNewMacro();
    void onDeleteMacro();
    void onDeleteEvent();
    void onInsert();
    void onModify();
    void onRecord();
    void onKeyChoice();
    void onDelayChoice();
    void onKeyOk();
    void onDelayOk();
    // Msg::HookEvent: true when the event was taken.
    bool onHookEvent(uint32_t code, uint32_t flags);

  protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    // What a screen reader calls the controls and the events, in the current language.
    void nameControls();
    void speakEvents();
    void createControls();
    void onListSelected(int listId, int row);
    void onListEdited(int listId, int row);
    void onLoopTextChanged();
    void onLoopTimer();
    void onSkinMouse(CGDIBitmapBtn* button, int wParam);
    // Loads the stored macro of a macro-list row into the event list.
    void loadMacroIntoList(int row);
    // Stores the event list into the macro of the recorded or selected row.
    void saveSelectedMacro();
    // Stores the event list into the macro of `target`. An emptied list is stored too when the
    // macro is in the library, so that a deleted last event does not stay in the mouse.
    void saveMacroAt(int target);
    // The name typed for `row` is refused (blank, or another macro has it): the person is told
    // and the row shows `previous` again.
    bool refuseName(int row, const std::u16string& previous);
    // Whether a macro other than `id` (stored, or new in the list) is called `name`.
    bool nameTaken(std::u16string_view name, uint32_t id) const;
    void stopRecordingAndSave();
    // Selects the macro-list row of `id`, when it is listed, as the page's own selection.
    void selectMacroRow(uint32_t id);
    void closeEditors();
    // Key OK and delay OK: the insertion or change the editor was opened for is made at the
    // selected row (the insertion then selects `insertedSelection` rows below it), the editor
    // closes and the macro is saved, in every mode.
    using RowEdit = std::function<bool(std::vector<EventRow>&, size_t)>;
    void finishEdit(EditMode insertMode, const RowEdit& insert, int insertedSelection,
                    EditMode modifyMode, const RowEdit& modify);
    void setEditMode(EditMode mode);
    void showRows(int selected);
    void appendRow(const EventRow& row);
    void clearEvents();
    void setLoopText(const QString& text);
    void setRecordCaption();
    void setRecordingButtonsEnabled(bool enabled);
    void forwardKeys();
    void forwardingOff();
    void closePresetMenu();
    void showNotice(const std::string& text);
    void mouseMoveHints(const QPoint& pos);

    bool chineseLayout_;
    QString programDirectory_;
    LanguageContext& language_;
    UserNotices& notices_;
    MacroStore& macros_;
    const ProfileStore& profiles_;
    Clock& clock_;
    MacroPageHook* hook_;
    QtMessageSink sink_;
    MacroRecorder recorder_;

    int preset_ = 21;
    int rememberedMacroRow_ = -1;
    int rememberedEventRow_ = -1;
    EditMode editMode_ = EditMode::Idle;
    uint32_t capturedKey_ = 0;
    bool switching_ = false;
    bool programSelects_ = false;  // a selection the page makes is not the person's
    bool recording_ = false;
    bool recordedMacroWasStored_ = false;  // the recorded macro was in the library at the start
    bool reloadWhenRecordingStops_ = false;
    bool windowKeys_ = false;  // keys come from the program's window, not the hook
    std::vector<EventRow> rows_;
    // A macro the person was already told about (cut to a slot, or not stored for lack of room);
    // told again only after a save of it went through whole.
    std::optional<uint32_t> toldCut_, toldFull_, toldReleases_, toldNoCode_;
    // The mouse's steps the shown macro takes (painted under the event list).
    uint32_t mouseSteps_ = 0;
    void updateMouseSteps();

    CGDIBitmapBtn* presetButton_ = nullptr;
    CListBoxEx* macroList_ = nullptr;
    CListBoxEx* eventList_ = nullptr;
    CGDIBitmapBtn* newMacro_ = nullptr;
    CGDIBitmapBtn* deleteMacro_ = nullptr;
    CGDIBitmapBtn* insert_ = nullptr;
    CGDIBitmapBtn* deleteEvent_ = nullptr;
    CGDIBitmapBtn* modify_ = nullptr;
    CGDIBitmapBtn* record_ = nullptr;
    CGDIBitmapBtn* ignoreDelays_ = nullptr;
    CBitmapEdit* loopBox_ = nullptr;
    std::array<CGDIBitmapBtn*, 3> mouseButtons_{};  // left, middle, right
    MacroEventEditor* editor_ = nullptr;
    QPointer<CPresetMenu> presetMenu_;
    QTimer loopTimer_;
};

}  // namespace z408
