// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "pages/dlg_macro.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <cstdio>
#include <cstdlib>
#include <tuple>
#include <utility>

#include "common/program_texts.h"
#include "common/resource_numbers.h"
#include "common/text.h"
#include "common/user_notices.h"
#include "config/profile_store.h"
#include "desktop/keysym_map.h"
#include "device/macro_image.h"
#include "functions/key_tables.h"
#include "i18n/language_context.h"
#include "macros/game_presets.h"
#include "macros/macro_store.h"
#include "macros/macro_text.h"
#include "macros/macro_usage.h"
#include "pages/key_event_codes.h"
#include "pages/macro_event_editor.h"
#include "pages/macro_page_hook.h"
#include "pages/skin_controls.h"
#include "widgets/bitmap_edit.h"
#include "widgets/gdi_bitmap_btn.h"
#include "widgets/keyboard_focus.h"
#include "widgets/list_box_ex.h"
#include "widgets/preset_menu.h"
#include "widgets/skin_accessible.h"
#include "widgets/skin_image.h"
#include "widgets/skin_scroll_wnd.h"
#include "widgets/text_fit.h"

namespace z408 {
namespace {

constexpr int kListRowHeight = 18;
const QColor kListBackground(20, 20, 20);
const QColor kListSelectedBackground(30, 36, 42);
const QColor kListText(83, 97, 103);
const QColor kListSelectedText(21, 140, 185);
const QRect kMacroListRect(27, 89, 298, 317);
const QRect kEventListRect(345, 51, 281, 355);
constexpr int kPresetMenuItemHeight = 24;
constexpr uint32_t kReleasedFlag = kKeyFlagReleased;
constexpr int kMouseLeftCode = 1, kMouseRightCode = 2, kMouseMiddleCode = 4;

// Hint numbers (hintRequested) of the page's controls and areas.
enum Hint : intptr_t {
    kHintNewMacro = 40,
    kHintDeleteMacro = 41,
    kHintInsert = 42,
    kHintDeleteEvent = 43,
    kHintModify = 44,
    kHintRecordStart = 45,
    kHintRecordStop = 46,
    kHintIgnoreDelays = 47,
    kHintLoopCount = 48,
    kHintMouseLeft = 49,
    kHintMouseMiddle = 50,
    kHintMouseRight = 51,
    kHintKey = 52,
    kHintDelay = 53,
    kHintPresetArea = 86,
    kHintMacroList = 87,
    kHintEventList = 88,
};
// Areas that hint without a control of their own (left, top, right, bottom).
struct HintArea {
    QRect rect;
    Hint hint;
};
const HintArea kHintAreas[] = {
    {QRect(QPoint(24, 19), QPoint(119, 39)), kHintPresetArea},
    {QRect(QPoint(26, 87), QPoint(323, 405)), kHintMacroList},
    {QRect(QPoint(340, 19), QPoint(426, 38)), kHintEventList},
    {QRect(QPoint(342, 49), QPoint(624, 406)), kHintEventList},
};

// Where the page says that keys come only from its own window.
const QRect kWindowKeysNoteRect(648, 108, 256, 30);
// Right of the event buttons: how many of the mouse's steps the shown macro takes.
const QRect kMouseStepsRect(462, 412, 164, 29);
const QColor kOverStepsText(225, 110, 60);

std::u16string newMacroName(bool chinese) {
    return chinese ? u"新建宏" : u"New Macro";
}

std::string_view recordCaption(bool recording, int64_t languageId) {
    return programText(recording ? ProgramText::RecordStop : ProgramText::RecordStart, languageId);
}

QString qs(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

}  // namespace

CDlgMacro::CDlgMacro(const QString& programDirectory, bool chineseLayout, LanguageContext& language,
                     UserNotices& notices, MacroStore& macros, const ProfileStore& profiles,
                     Clock& clock, MacroPageHook* hook, QWidget* parent)
    : CSkinPage(QStringLiteral("macro"), programDirectory, chineseLayout, parent),
      chineseLayout_(chineseLayout),
      programDirectory_(programDirectory),
      language_(language),
      notices_(notices),
      macros_(macros),
      profiles_(profiles),
      clock_(clock),
      hook_(hook),
      sink_(this),
      recorder_(clock) {
    setObjectName(QStringLiteral("CDlgMacro"));
    setMouseTracking(true);
    createControls();
    setCaptionLanguage([&language] { return int64_t{language.languageId()}; });
    loopTimer_.setInterval(kLoopTimerMs);
    connect(&loopTimer_, &QTimer::timeout, this, &CDlgMacro::onLoopTimer);
    loopTimer_.start();
}

CDlgMacro::~CDlgMacro() {
    closePresetMenu();
    if (windowKeys_) qApp->removeEventFilter(this);
}

void CDlgMacro::createControls() {
    const SkinControls sc(*this, chineseLayout_);
    presetButton_ = sc.button("presetButton");
    presetButton_->setCaptionRect(presetButton_->rect().adjusted(8, 0, -30, 0));
    connect(presetButton_, &QAbstractButton::clicked, this, &CDlgMacro::onPresetButton);

    const QImage scrollSkin = loadResourceImage(res::kScrollSkin);
    auto makeList = [&](int id, const QRect& r) {
        auto* list = new CListBoxEx(this);
        list->setControlId(id);
        list->setProgramDirectory(programDirectory_);
        list->setGeometry(r);
        list->SetItemHeight(kListRowHeight);
        list->SetBackgroundColour(kListBackground, kListSelectedBackground);
        list->SetTextColours(kListText, kListSelectedText);
        // Tab reaches the lists, a click leaves the focus where it was.
        list->setFocusPolicy(Qt::TabFocus);
        list->viewport()->installEventFilter(this);  // hints over the list
        SkinWndScroll(list, scrollSkin);
        connect(list, &CListBoxEx::listSelected, this, &CDlgMacro::onListSelected);
        connect(list, &CListBoxEx::listEdited, this, &CDlgMacro::onListEdited);
        return list;
    };
    macroList_ = makeList(kMacroListId, kMacroListRect);
    macroList_->setRenameOnDoubleClick(true);
    eventList_ = makeList(kEventListId, kEventListRect);

    newMacro_ = sc.button("newMacro");
    deleteMacro_ = sc.button("deleteMacro");
    insert_ = sc.button("insert");
    deleteEvent_ = sc.button("deleteEvent");
    modify_ = sc.button("modify");
    // These buttons are too small for their language texts: a sign says what they do and the
    // text is the tooltip and the hint.
    newMacro_->SetText(QStringLiteral("+"));
    deleteMacro_->SetText(QStringLiteral("−"));
    insert_->SetText(QStringLiteral("+"));
    deleteEvent_->SetText(QStringLiteral("−"));
    modify_->SetText(QStringLiteral("✎"));
    connect(newMacro_, &QAbstractButton::clicked, this, &CDlgMacro::onNewMacro);
    connect(deleteMacro_, &QAbstractButton::clicked, this, &CDlgMacro::onDeleteMacro);
    connect(insert_, &QAbstractButton::clicked, this, &CDlgMacro::onInsert);
    connect(deleteEvent_, &QAbstractButton::clicked, this, &CDlgMacro::onDeleteEvent);
    connect(modify_, &QAbstractButton::clicked, this, &CDlgMacro::onModify);

    record_ = sc.button("record");
    record_->setCaptionRect(record_->rect().adjusted(22, 0, -4, 0));
    connect(record_, &QAbstractButton::clicked, this, &CDlgMacro::onRecord);
    ignoreDelays_ = sc.button("ignoreDelays");
    ignoreDelays_->setCheckMode(CGDIBitmapBtn::CheckMode::Toggle);
    ignoreDelays_->setCaptionRect(ignoreDelays_->rect().adjusted(8, 0, -22, 0));

    loopBox_ = sc.edit("loopCount", 5);
    loopBox_->setAlignment(Qt::AlignCenter);
    loopBox_->installEventFilter(this);
    setLoopText(QStringLiteral("1"));
    connect(loopBox_, &QLineEdit::textChanged, this, &CDlgMacro::onLoopTextChanged);

    const char* mouseNames[] = {"mouseLeft", "mouseMiddle", "mouseRight"};
    for (size_t i = 0; i < mouseButtons_.size(); ++i) {
        CGDIBitmapBtn* b = sc.button(mouseNames[i]);
        b->setNotifyPresses(true);
        connect(b, &CGDIBitmapBtn::skinMouse, this,
                [this, b](int wParam) { onSkinMouse(b, wParam); });
        mouseButtons_[i] = b;
    }

    editor_ = new MacroEventEditor(*this, chineseLayout_);
    editor_->keyBox()->installEventFilter(this);
    editor_->delayBox()->installEventFilter(this);
    connect(editor_, &MacroEventEditor::keyChoiceClicked, this, &CDlgMacro::onKeyChoice);
    connect(editor_, &MacroEventEditor::delayChoiceClicked, this, &CDlgMacro::onDelayChoice);
    connect(editor_, &MacroEventEditor::keyOkClicked, this, &CDlgMacro::onKeyOk);
    connect(editor_, &MacroEventEditor::delayOkClicked, this, &CDlgMacro::onDelayOk);

    releaseStateImages();  // every control holds its own cut now
    refreshTexts();
}

void CDlgMacro::refreshTexts() {
    const bool chinese = notices_.chinese();
    auto text = [&](std::u16string_view key) {
        return QString::fromStdU16String(language_.strings().text(key));
    };
    presetButton_->SetText(
        qs(gamePresetCaption(static_cast<uint32_t>(preset_), chinese, notices_.languageId())));
    newMacro_->SetTooltip(text(u"str_new_macro"), true);
    deleteMacro_->SetTooltip(text(u"str_del_macro"), true);
    insert_->SetTooltip(text(u"str_macro_new"), true);
    deleteEvent_->SetTooltip(text(u"str_macro_del"), true);
    modify_->SetTooltip(text(u"str_macro_modify"), true);
    ignoreDelays_->SetText(text(u"str_macro_delay"));
    const std::u16string_view mouseKeys[] = {u"str_click", u"str_middle", u"str_menu"};
    for (size_t i = 0; i < mouseButtons_.size(); ++i)
        mouseButtons_[i]->SetTooltip(text(mouseKeys[i]), true);
    editor_->setCaptions(text(u"str_macro_msg6"), text(u"str_macro_msg7"));
    setRecordCaption();
    nameControls();
    update(kWindowKeysNoteRect);
    update(kMouseStepsRect);
}

void CDlgMacro::nameControls() {
    const int64_t id = language_.languageId();
    auto text = [&](std::u16string_view key) {
        return QString::fromStdU16String(language_.strings().text(key));
    };
    // The signs painted on the small buttons say nothing to a screen reader: their tooltips do.
    for (CGDIBitmapBtn* b : {newMacro_, deleteMacro_, insert_, deleteEvent_, modify_}) {
        b->setAccessibleName(b->toolTip());
        setDescribedByToolTip(b, false);
    }
    presetButton_->setAccessibleDescription(text(u"str_macro_choose"));
    macroList_->setAccessibleName(text(u"str_marco_list"));
    eventList_->setAccessibleName(text(u"str_key_list"));
    loopBox_->setAccessibleName(text(u"str_macro_loop"));
    const QString ok = text(u"str_ok");
    const std::string_view named = programText(ProgramText::AccessNamedValue, id);
    for (const auto& [box, okButton, key] :
         {std::tuple{editor_->keyBox(), editor_->keyOk(), u"str_macro_msg6"},
          std::tuple{editor_->delayBox(), editor_->delayOk(), u"str_macro_msg7"}}) {
        box->setAccessibleName(text(key));
        okButton->setAccessibleName(
            QString::fromStdString(formatText(named, {text(key).toStdString(), ok.toStdString()})));
    }
    speakEvents();
}

void CDlgMacro::speakEvents() {
    // An event reads as what it does ("Press A", "Release A"), not only as the key it names.
    const int64_t id = language_.languageId();
    for (int i = 0; i < eventList_->count() && i < static_cast<int>(rows_.size()); ++i)
        eventList_->item(i)->setData(
            Qt::AccessibleTextRole,
            QString::fromStdString(spokenEventRow(rows_[static_cast<size_t>(i)], id)));
}

CGDIBitmapBtn* CDlgMacro::mouseButton(int code) const {
    switch (code) {
        case kMouseLeftCode:
            return mouseButtons_[0];
        case kMouseMiddleCode:
            return mouseButtons_[1];
        case kMouseRightCode:
            return mouseButtons_[2];
        default:
            return nullptr;
    }
}

// ---- presets and the macro list ----

void CDlgMacro::onPresetButton() {
    closePresetMenu();
    const bool chinese = notices_.chinese();
    QVector<CPresetMenu::Item> items;
    for (const GamePreset& p : gamePresetTable())
        items.push_back(
            {p.preset, p.preset == kCustomGamePreset
                           ? qs(gamePresetCaption(p.preset, chinese, notices_.languageId()))
                           : qs(chinese ? p.chineseMenu : p.englishMenu)});
    auto menuSkin = [&](const char* file) {
        return LoadSkinImage(
            skinPath(programDirectory_, QStringLiteral("Menu/") + QLatin1String(file)));
    };
    const QImage looks[3] = {menuSkin("MenuNorL.BMP"), menuSkin("MenuOverL.BMP"),
                             menuSkin("MenuDownL.BMP")};
    const QColor colours[3] = {kListText, Qt::white, kListSelectedText};
    presetMenu_ = new CPresetMenu(this);
    presetMenu_->setAttribute(Qt::WA_DeleteOnClose);
    setAccessiblePopup(presetButton_, presetMenu_);
    connect(presetMenu_, &CPresetMenu::presetChosen, this, &CDlgMacro::onPresetChosen,
            Qt::QueuedConnection);
    const QPoint at = mapToGlobal(presetButton_->geometry().bottomLeft() + QPoint(1, 2));
    presetMenu_->CreateMenuEx(this, kPresetMenuItemHeight, at, colours, looks, items);
}

void CDlgMacro::closePresetMenu() {
    if (presetMenu_) presetMenu_->DestroyMenuEx();
    presetMenu_ = nullptr;
}

void CDlgMacro::onPresetChosen(int preset) {
    closePresetMenu();
    // The lists are about to be emptied: what is being recorded or edited ends here, and a
    // recording keeps what it caught.
    stopRecordingAndSave();
    closeEditors();
    preset_ = preset;
    presetButton_->SetText(qs(gamePresetCaption(static_cast<uint32_t>(preset), notices_.chinese(),
                                                notices_.languageId())));
    fillForPreset(preset);
}

void CDlgMacro::libraryReloaded() {
    // A name still being typed is kept: it goes into the library as read now.
    macroList_->CommitRename();
    if (recording_) {
        reloadWhenRecordingStops_ = true;
        return;
    }
    closeEditors();
    fillForPreset(preset_);
}

void CDlgMacro::selectMacroRow(uint32_t id) {
    const int current = macroList_->currentSelection();
    if (current >= 0 && macroList_->itemData(current) == id) return;
    for (int row = 0; row < macroList_->count(); ++row) {
        if (macroList_->itemData(row) != id) continue;
        programSelects_ = true;
        macroList_->setCurrentRow(row);
        programSelects_ = false;
        return;
    }
}

void CDlgMacro::fillForPreset(int preset) {
    preset_ = preset;
    clearEvents();
    macroList_->setUpdatesEnabled(false);
    macroList_->clear();
    const MacroLibrary& library = macros_.library();
    for (size_t slot : library.listPreset(static_cast<uint8_t>(preset))) {
        const MacroEntry& m = library.slot(slot);
        macroList_->AddItem(CListBoxEx::NoIcon, QString::fromStdU16String(m.name()), m.id());
    }
    macroList_->setUpdatesEnabled(true);
    rememberedMacroRow_ = macroList_->currentSelection();
    loadMacroIntoList(rememberedMacroRow_);
    rememberedEventRow_ = eventList_->currentSelection();
}

void CDlgMacro::loadMacroIntoList(int row) {
    if (row < 0 || row >= macroList_->count()) return;
    clearEvents();
    const MacroLibrary& library = macros_.library();
    const auto slot = library.findMacroById(macroList_->itemData(row));
    if (!slot) return;
    const MacroEntry& m = library.slot(*slot);
    setLoopText(qs(loopTextOfMacro(m)));
    LoadedRows loaded = rowsOfMacro(m);
    if (!loaded.valid && std::getenv("Z408_DEBUG"))
        std::fputs("LoadMacroToList:  Not a vaild item\n", stderr);
    rows_ = std::move(loaded.rows);
    showRows(static_cast<int>(rows_.size()) - 1);
}

void CDlgMacro::onNewMacro() {
    // A name still being typed for another macro is taken before the new row opens its own.
    macroList_->CommitRename();
    // Two macros made within one tick of the clock would share an id, and so one slot.
    uint32_t id = createMacroId(static_cast<uint8_t>(preset_), clock_);
    auto idTaken = [&](uint32_t candidate) {
        if (macros_.library().findMacroById(candidate)) return true;
        for (int r = 0; r < macroList_->count(); ++r)
            if (macroList_->itemData(r) == candidate) return true;
        return false;
    };
    while (idTaken(id)) id = makeMacroId(static_cast<uint8_t>(preset_), (id + 1) & 0xFFFFFF);
    const std::u16string name = uniqueMacroName(
        newMacroName(notices_.chinese()), [&](std::u16string_view n) { return nameTaken(n, id); });
    const int row =
        macroList_->AddItem(CListBoxEx::NoIcon, QString::fromStdU16String(name), id, true);
    rememberedMacroRow_ = row;
    loadMacroIntoList(row);
    setLoopText(QStringLiteral("1"));
}

void CDlgMacro::onDeleteMacro() {
    const int row = macroList_->currentSelection();
    if (row < 0) return;
    const uint32_t id = macroList_->itemData(row);
    if (isMacroInUse(id, profiles_)) {
        showNotice(std::string(programText(ProgramText::MacroInUse, notices_.languageId())));
        return;
    }
    macros_.deleteMacro(id);
    macroList_->DeleteItem(row);
    // Nothing is shown as selected any more, so any row clicked next loads.
    macroList_->setCurrentRow(-1);
    rememberedMacroRow_ = -1;
    rememberedEventRow_ = -1;
    clearEvents();
}

void CDlgMacro::onListSelected(int listId, int row) {
    if (row < 0 || programSelects_) return;  // the program emptied or selected
    if (listId == kMacroListId) {
        if (row == rememberedMacroRow_) return;
        switching_ = true;
        if (editMode_ != EditMode::Idle) closeEditors();
        // The recording belongs to the macro it started in: it is saved there before the new
        // selection is taken (the list may be read again then: the chosen macro stays chosen).
        const uint32_t chosen = macroList_->itemData(row);
        stopRecordingAndSave();
        selectMacroRow(chosen);
        rememberedMacroRow_ = macroList_->currentSelection();
        loadMacroIntoList(rememberedMacroRow_);
        if (rows_.empty()) setLoopText(QStringLiteral("1"));
        rememberedEventRow_ = eventList_->currentSelection();
        switching_ = false;
    } else if (listId == kEventListId) {
        if (row == rememberedEventRow_) return;
        rememberedEventRow_ = row;
        if (editMode_ != EditMode::Idle) closeEditors();
    }
}

bool CDlgMacro::nameTaken(std::u16string_view name, uint32_t id) const {
    if (macros_.library().findListedByName(name, id)) return true;
    // New macros without events are only in the list so far.
    for (int r = 0; r < macroList_->count(); ++r)
        if (macroList_->itemData(r) != id && macroList_->itemText(r).toStdU16String() == name)
            return true;
    return false;
}

bool CDlgMacro::refuseName(int row, const std::u16string& previous) {
    const uint32_t id = macroList_->itemData(row);
    const std::u16string typed = macroList_->itemText(row).toStdU16String();
    std::string why;
    if (isBlankMacroName(typed))
        why = notices_.programText(ProgramText::MacroNameBlank);
    else if (nameTaken(typed, id))
        why = formatText(notices_.programText(ProgramText::MacroNameTaken), {utf16ToUtf8(typed)});
    if (why.empty()) return false;
    macroList_->ReplaceItem(row, CListBoxEx::NoIcon, QString::fromStdU16String(previous), id);
    showNotice(why);
    return true;
}

void CDlgMacro::onListEdited(int listId, int row) {
    if (listId != kMacroListId || row < 0 || row >= macroList_->count()) return;
    MacroLibrary& library = macros_.library();
    const uint32_t id = macroList_->itemData(row);
    const auto slot = library.findMacroById(id);
    const std::u16string previous =
        slot ? library.slot(*slot).name()
             : uniqueMacroName(newMacroName(notices_.chinese()),
                               [&](std::u16string_view n) { return nameTaken(n, id); });
    if (refuseName(row, previous)) return;
    // A macro without events is not in the library yet: it takes the name with its first save.
    if (!slot) return;
    MacroEntry renamed = library.slot(*slot);
    renamed.setName(macroList_->itemText(row).toStdU16String());
    if (renamed.name() == library.slot(*slot).name()) return;
    macros_.storeMacro(renamed);
}

// ---- the event list ----

void CDlgMacro::clearEvents() {
    rows_.clear();
    eventList_->clear();
    rememberedEventRow_ = -1;
    updateMouseSteps();
}

void CDlgMacro::appendRow(const EventRow& row) {
    rows_.push_back(row);
    eventList_->AddItem(static_cast<uint32_t>(row.type()), qs(row.text), row.value());
    speakEvents();
    updateMouseSteps();
}

void CDlgMacro::updateMouseSteps() {
    // Counted on the record the rows would be stored as, which is what Apply sends.
    std::vector<EventRow> rows = rows_;
    const size_t before = rows.size();
    mergeAdjacentDelays(rows);
    releaseHeldKeys(rows);
    const uint32_t steps = macroStepWords(buildMacroEntry(rows, before, "1", 0, u"").entry);
    if (steps == mouseSteps_) return;
    mouseSteps_ = steps;
    update(kMouseStepsRect);
}

void CDlgMacro::showRows(int selected) {
    eventList_->setUpdatesEnabled(false);
    eventList_->clear();
    for (const EventRow& row : rows_)
        eventList_->AddItem(static_cast<uint32_t>(row.type()), qs(row.text), row.value());
    speakEvents();
    // Adding selected the last row; another selection is the page's own, not the person's.
    if (selected >= 0 && selected < eventList_->count() - 1) {
        programSelects_ = true;
        eventList_->setCurrentRow(selected);
        programSelects_ = false;
    }
    eventList_->setUpdatesEnabled(true);
    updateMouseSteps();
}

void CDlgMacro::saveSelectedMacro() {
    saveMacroAt(recording_ ? rememberedMacroRow_ : macroList_->currentSelection());
}

void CDlgMacro::saveMacroAt(int target) {
    if (target < 0 || target >= macroList_->count()) return;
    const uint32_t id = macroList_->itemData(target);
    // A new macro enters the library with its first event; a stored one may become empty.
    if (rows_.empty() && !macros_.library().findMacroById(id)) return;
    const size_t rowsBeforeMerge = rows_.size();
    mergeAdjacentDelays(rows_);
    const size_t releasesAdded = releaseHeldKeys(rows_);
    if (rows_.size() != rowsBeforeMerge || releasesAdded != 0)
        showRows(std::min(eventList_->currentSelection(), static_cast<int>(rows_.size()) - 1));
    const BuiltMacro built = buildMacroEntry(rows_, rowsBeforeMerge, loopBox_->text().toStdString(),
                                             id, macroList_->itemText(target).toStdU16String());
    if (!macros_.storeMacro(built.entry)) {
        // All 500 slots are taken: the rows stay on the page, and the person learns why the
        // macro is not kept.
        if (toldFull_ != id) showNotice(notices_.programText(ProgramText::MacroLibraryFull));
        toldFull_ = id;
        return;
    }
    if (toldFull_ == id) toldFull_.reset();
    // Each of these is told once for a macro, and again after a save of it went through clean.
    auto tell = [&](std::optional<uint32_t>& told, bool happened, const std::string& text) {
        if (happened && told != id) showNotice(text);
        if (happened)
            told = id;
        else if (told == id)
            told.reset();
    };
    tell(toldCut_, built.truncated, notices_.programText(ProgramText::MacroCutToSlot));
    tell(toldReleases_, releasesAdded != 0, notices_.programText(ProgramText::MacroReleasesAdded));
    std::string noCode;
    for (const uint32_t key : keysWithoutUsage(built.entry))
        noCode += (noCode.empty() ? "" : ", ") + keyRow(EventRowType::KeyDown, key).text;
    tell(toldNoCode_, !noCode.empty(),
         formatText(notices_.programText(ProgramText::MacroKeysWithoutCode), {noCode}));
}

void CDlgMacro::onDeleteEvent() {
    const int row = eventList_->currentSelection();
    if (row < 0 || row >= static_cast<int>(rows_.size())) return;
    rows_.erase(rows_.begin() + row);
    eventList_->DeleteItem(row);
    updateMouseSteps();
    // Also when the last row went: the mouse must not keep playing what the list no longer shows.
    saveSelectedMacro();
}

// ---- the event editor ----

void CDlgMacro::setEditMode(EditMode mode) {
    editMode_ = mode;
}

void CDlgMacro::closeEditors() {
    forwardingOff();
    editor_->hideAll();
    setEditMode(EditMode::Idle);
}

void CDlgMacro::onInsert() {
    setEditMode(EditMode::InsertKey);
    editor_->showChoices();
}

void CDlgMacro::onKeyChoice() {
    const bool inserting = editMode_ == EditMode::InsertKey || editMode_ == EditMode::InsertDelay;
    if (inserting) setEditMode(EditMode::InsertKey);
    editor_->openKey(inserting);
    capturedKey_ = 0;
    forwardKeys();
}

void CDlgMacro::onDelayChoice() {
    const bool inserting = editMode_ == EditMode::InsertKey || editMode_ == EditMode::InsertDelay;
    if (inserting) setEditMode(EditMode::InsertDelay);
    editor_->openDelay(inserting);
    forwardingOff();
}

void CDlgMacro::onModify() {
    forwardingOff();
    const int row = eventList_->currentSelection();
    if (row < 0 || row >= static_cast<int>(rows_.size())) return;
    // The key box starts empty, so no key is taken over from an earlier capture.
    capturedKey_ = 0;
    if (rows_[size_t(row)].isKey()) {
        setEditMode(EditMode::ModifyKey);
        forwardKeys();
        editor_->openKey(false);
    } else {
        setEditMode(EditMode::ModifyDelay);
        editor_->openDelay(false);
    }
}

void CDlgMacro::onKeyOk() {
    const uint32_t key = capturedKey_;
    finishEdit(
        EditMode::InsertKey, [key](auto& rows, size_t at) { return insertKeyRows(rows, at, key); },
        1, EditMode::ModifyKey,
        [key](auto& rows, size_t at) { return modifyKeyRow(rows, at, key); });
}

void CDlgMacro::onDelayOk() {
    const std::string text = editor_->delayText().toStdString();
    finishEdit(
        EditMode::InsertDelay,
        [&text](auto& rows, size_t at) { return insertDelayRow(rows, at, text); }, 0,
        EditMode::ModifyDelay,
        [&text](auto& rows, size_t at) { return modifyDelayRow(rows, at, text); });
}

void CDlgMacro::finishEdit(EditMode insertMode, const RowEdit& insert, int insertedSelection,
                           EditMode modifyMode, const RowEdit& modify) {
    const int row = eventList_->currentSelection();
    forwardingOff();
    if (row >= 0 && row < static_cast<int>(rows_.size())) {
        if (editMode_ == insertMode && insert(rows_, size_t(row)))
            showRows(row + insertedSelection);
        if (editMode_ == modifyMode && modify(rows_, size_t(row))) showRows(row);
    }
    editor_->hideAll();
    saveSelectedMacro();
    setEditMode(EditMode::Idle);
}

// ---- recording ----

void CDlgMacro::setRecordCaption() {
    record_->SetText(qs(recordCaption(recording_, notices_.languageId())));
}

void CDlgMacro::setRecordingButtonsEnabled(bool enabled) {
    for (CGDIBitmapBtn* b : {newMacro_, deleteMacro_, insert_, deleteEvent_, modify_})
        b->setEnabled(enabled);
}

void CDlgMacro::onRecord() {
    const int64_t language = notices_.languageId();
    if (editMode_ == EditMode::InsertKey || editMode_ == EditMode::ModifyKey) {
        showNotice(std::string(programText(ProgramText::RecordBusyKey, language)));
        return;
    }
    if (editMode_ == EditMode::InsertDelay || editMode_ == EditMode::ModifyDelay) {
        showNotice(std::string(programText(ProgramText::RecordBusyDelay, language)));
        return;
    }
    forwardingOff();
    editor_->hideAll();
    if (recording_) {
        stopRecordingAndSave();
        return;
    }
    if (macroList_->currentSelection() < 0) return;
    // The recording goes into the macro shown as selected, whatever was selected before.
    rememberedMacroRow_ = macroList_->currentSelection();
    recordedMacroWasStored_ =
        macros_.library().findMacroById(macroList_->itemData(rememberedMacroRow_)).has_value();
    recording_ = true;
    // The keys recorded also reach the focused widget: none of the page's boxes may take them.
    if (QWidget* focused = focusWidget()) focused->clearFocus();
    setRecordCaption();
    setRecordingButtonsEnabled(false);
    clearEvents();
    recorder_.start();
    forwardKeys();
}

void CDlgMacro::stopRecordingAndSave() {
    if (!recording_) return;
    forwardingOff();
    const int target = rememberedMacroRow_;
    const bool reload = std::exchange(reloadWhenRecordingStops_, false);
    const uint32_t recorded = macroList_->itemData(target);
    // Storing a macro that z408ctl deleted during the recording would bring it back.
    const bool deletedMeanwhile =
        reload && recordedMacroWasStored_ && !macros_.library().findMacroById(recorded);
    // The caption and the buttons tell that the recording ended before any notice about it opens.
    recording_ = false;
    setRecordCaption();
    setRecordingButtonsEnabled(true);
    if (deletedMeanwhile) {
        showNotice(notices_.programText(ProgramText::RecordedMacroDeleted));
    } else if (rows_.empty()) {
        // Nothing was recorded: the macro keeps its events, and the list shows them again.
        loadMacroIntoList(target);
    } else {
        saveMacroAt(target);
        if (recorder_.full()) showNotice(notices_.programText(ProgramText::MacroRecordingFull));
    }
    if (!reload) return;
    // The changes made elsewhere meanwhile are shown now, with the recorded macro still chosen.
    libraryReloaded();
    selectMacroRow(recorded);
    rememberedMacroRow_ = macroList_->currentSelection();
    loadMacroIntoList(rememberedMacroRow_);
    rememberedEventRow_ = eventList_->currentSelection();
}

void CDlgMacro::leavePage() {
    closePresetMenu();
    stopRecordingAndSave();
    // A key editor left open would go on taking keys typed on the other pages.
    if (editMode_ != EditMode::Idle) closeEditors();
}

bool CDlgMacro::onHookEvent(uint32_t code, uint32_t flags) {
    if (recorder_.repeatsLast(code, flags)) return false;
    if (editMode_ == EditMode::InsertKey || editMode_ == EditMode::ModifyKey) {
        editor_->setKeyText(qs(macroKeyName(code)));
        capturedKey_ = code;
        return true;
    }
    // Forwarding can still deliver an event queued before it was switched off.
    if (!recording_) return false;
    for (const EventRow& row : recorder_.record(code, flags, ignoreDelays_->latched()))
        appendRow(row);
    return true;
}

void CDlgMacro::onSkinMouse(CGDIBitmapBtn* button, int wParam) {
    const bool capturing = editMode_ == EditMode::InsertKey || editMode_ == EditMode::ModifyKey;
    if (!recording_ && !capturing) return;
    int code = 0;
    if (button == mouseButtons_[0])
        code = kMouseLeftCode;
    else if (button == mouseButtons_[1])
        code = kMouseMiddleCode;
    else if (button == mouseButtons_[2])
        code = kMouseRightCode;
    if (code == 0 || (wParam != 513 && wParam != 514)) return;
    // Through the page's own queue, behind the key events already posted.
    sink_.post(Msg::HookEvent, static_cast<uintptr_t>(code), wParam == 514 ? kReleasedFlag : 0);
}

// ---- the hook ----

void CDlgMacro::forwardKeys() {
    // A recording or a key editor hears every key: the keyboard's navigation lets them be.
    KeyboardFocus::setListeningWindow(window(), true);
    if (hook_ && hook_->seesDesktopKeys()) {
        hook_->forwardKeysToPage();
        return;
    }
    if (!windowKeys_) qApp->installEventFilter(this);
    windowKeys_ = true;
}

void CDlgMacro::forwardingOff() {
    if (KeyboardFocus::listening(window())) KeyboardFocus::setListeningWindow(nullptr, false);
    if (hook_) hook_->forwardingOff();
    if (windowKeys_) qApp->removeEventFilter(this);
    windowKeys_ = false;
}

bool CDlgMacro::event(QEvent* event) {
    if (event->type() == MessageEvent::eventType()) {
        const auto* m = static_cast<MessageEvent*>(event);
        if (m->msg() == Msg::HookEvent && m->wParam() <= 0xFFFFFFFFu)
            onHookEvent(static_cast<uint32_t>(m->wParam()), static_cast<uint32_t>(m->lParam()));
        return true;
    }
    return CSkinPage::event(event);
}

bool CDlgMacro::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (windowKeys_ && (type == QEvent::KeyPress || type == QEvent::KeyRelease)) {
        // Without a desktop-wide hook the keys typed into this window are the recording; they
        // are taken here so that they do not also press the window's buttons.
        auto* widget = qobject_cast<QWidget*>(watched);
        if (!widget || widget->window() != window()) return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->isAutoRepeat()) return true;
        // The same codes and flags the hook would have delivered for the key.
        const HookKey k = hookKeyOf(*key);
        if (k.key != 0 && k.key != desktop::kNoVirtualKey)
            sink_.post(Msg::HookEvent, k.key, k.flags);
        return true;
    }
    if (type == QEvent::MouseMove) {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget && widget != this)
            mouseMoveHints(
                widget->mapTo(this, static_cast<QMouseEvent*>(event)->position().toPoint()));
    }
    return CSkinPage::eventFilter(watched, event);
}

// ---- loop count ----

void CDlgMacro::setLoopText(const QString& text) {
    // Showing a macro's loop count is no change of it.
    const bool was = switching_;
    switching_ = true;
    loopBox_->setText(text);
    switching_ = was;
}

void CDlgMacro::onLoopTextChanged() {
    if (!switching_) saveSelectedMacro();
}

void CDlgMacro::onLoopTimer() {
    const auto tidy = normalisedLoopText(loopBox_->text().toStdString());
    if (!tidy) return;
    loopBox_->setText(qs(*tidy));  // a change: it saves
    loopBox_->setCursorPosition(static_cast<int>(loopBox_->text().size()));
}

void CDlgMacro::normaliseLoopCount() {
    onLoopTimer();
}

// ---- notices, hints, painting ----

void CDlgMacro::showNotice(const std::string& text) {
    notices_.info(text);
}

void CDlgMacro::paintEvent(QPaintEvent* event) {
    CSkinPage::paintEvent(event);
    QPainter p(this);
    p.setFont(skinFont(12, QFont::Normal));
    p.setPen(mouseSteps_ > kMacroImageMaxSteps ? kOverStepsText : kListText);
    p.drawText(kMouseStepsRect, Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine,
               fitLine(QString::fromStdString(formatText(
                           notices_.programText(ProgramText::MacroMouseSteps),
                           {std::to_string(mouseSteps_), std::to_string(kMacroImageMaxSteps)})),
                       p, kMouseStepsRect.width()));
    if (hook_ && hook_->seesDesktopKeys()) return;
    p.setPen(kListSelectedText);
    const QString note =
        QString::fromStdString(notices_.programText(ProgramText::MacroWindowKeysOnly));
    const int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap;
    const QRect needed = p.fontMetrics().boundingRect(kWindowKeysNoteRect, flags, note);
    noteOverflow(note,
                 std::max(needed.height(), needed.width() > kWindowKeysNoteRect.width()
                                               ? kWindowKeysNoteRect.height() + 1
                                               : 0),
                 kWindowKeysNoteRect.height(), this);
    p.drawText(kWindowKeysNoteRect, flags, note);
}

void CDlgMacro::mousePressEvent(QMouseEvent* event) {
    closePresetMenu();
    CSkinPage::mousePressEvent(event);
}

void CDlgMacro::mouseMoveEvent(QMouseEvent* event) {
    CSkinPage::mouseMoveEvent(event);
    mouseMoveHints(event->position().toPoint());
}

void CDlgMacro::mouseMoveHints(const QPoint& pos) {
    const std::pair<QWidget*, intptr_t> controls[] = {
        {newMacro_, kHintNewMacro},
        {deleteMacro_, kHintDeleteMacro},
        {insert_, kHintInsert},
        {deleteEvent_, kHintDeleteEvent},
        {modify_, kHintModify},
        {record_, recording_ ? kHintRecordStop : kHintRecordStart},
        {ignoreDelays_, kHintIgnoreDelays},
        {loopBox_, kHintLoopCount},
        {mouseButtons_[0], kHintMouseLeft},
        {mouseButtons_[1], kHintMouseMiddle},
        {mouseButtons_[2], kHintMouseRight},
        {editor_->keyChoice(), kHintKey},
        {editor_->keyBox(), kHintKey},
        {editor_->delayChoice(), kHintDelay},
        {editor_->delayBox(), kHintDelay},
    };
    for (const auto& [control, hint] : controls)
        if (control->isVisible() && control->geometry().adjusted(-1, -1, 1, 1).contains(pos))
            emit hintRequested(static_cast<int>(hint));
    for (const HintArea& area : kHintAreas)
        if (area.rect.adjusted(-1, -1, 1, 1).contains(pos))
            emit hintRequested(static_cast<int>(area.hint));
}

}  // namespace z408
