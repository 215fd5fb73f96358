// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

// The macro page on Qt's offscreen platform, against the skins and language files of the build's
// program directory, with a virtual clock and a hook that only notes what the page asks of it.
#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QTest>
#include <functional>
#include <tuple>

#include "common/file_io.h"
#include "config/profile_store.h"
#include "functions/function_catalogue.h"
#include "i18n/language_context.h"
#include "macros/game_presets.h"
#include "macros/macro_fixtures.h"
#include "macros/macro_store.h"
#include "pages/dlg_macro.h"
#include "pages/macro_event_editor.h"
#include "pages/macro_page_hook.h"
#include "spin_until.h"
#include "temp_dir.h"
#include "widgets/bitmap_edit.h"
#include "widgets/gdi_bitmap_btn.h"
#include "widgets/list_box_ex.h"

namespace z408 {
namespace {

using Mode = CDlgMacro::EditMode;
constexpr uint32_t kA = 0x41, kB = 0x42, kUp = 0x80;

constexpr auto down = test::keyDown;
constexpr auto up = test::keyUp;
constexpr auto pause = test::delay;

class FakeHook : public MacroPageHook {
  public:
    bool seesDesktopKeys() const override { return desktop; }
    void forwardKeysToPage() override { forwarding = true; }
    void forwardingOff() override { forwarding = false; }
    bool desktop = true;
    bool forwarding = false;
};

// Notes what the record button said at the moment each notice opened.
class PageNotices : public RecordingNotices {
  public:
    bool show(const Notice& notice) override {
        captions.push_back(captionNow ? captionNow() : QString());
        return RecordingNotices::show(notice);
    }
    std::function<QString()> captionNow;
    QStringList captions;
};

class MacroPageTest : public ::testing::Test {
  protected:
    MacroPageTest() {
        clock.advance(0x12345678);
        store.active().fillDefaults(false);
        macros.saveMacroLibrary();  // the file exists, as after any start-up
        notices.shown.clear();
    }

    std::unique_ptr<CDlgMacro> makePage(MacroPageHook* pageHook) {
        auto p = std::make_unique<CDlgMacro>(QStringLiteral(Z408_PROGRAM_DIR), false, language,
                                             notices, macros, store, clock, pageHook, nullptr);
        p->fillForPreset(kCustomGamePreset);
        notices.captionNow = [p = p.get()] { return p->recordButton()->shownCaption(); };
        return p;
    }

    // The stored macro of a macro-list row (an empty record when it is not in the library).
    MacroEntry stored(int row) const {
        const auto slot = library->findMacroById(page->macroList()->itemData(row));
        return slot ? library->slot(*slot) : MacroEntry{};
    }
    static std::vector<uint32_t> events(const MacroEntry& m) {
        std::vector<uint32_t> out;
        for (size_t i = 0; i < m.eventCount(); ++i) out.push_back(m.event(i));
        return out;
    }
    // A macro already in the library, as a file would bring it.
    void addStored(uint32_t id, std::initializer_list<uint32_t> evs, std::u16string_view name,
                   uint32_t loop = 1) {
        ASSERT_TRUE(library->placeMacro(test::macroRecord(id, evs, name, loop)));
    }
    // Press, hold and release a key through the hook.
    void tap(uint32_t key, uint64_t heldMs) {
        page->onHookEvent(key, 0);
        clock.advance(heldMs);
        page->onHookEvent(key, kUp);
    }
    void selectMacro(int row) { page->macroList()->setCurrentRow(row); }
    void selectEvent(int row) { page->eventList()->setCurrentRow(row); }
    QStringList eventTexts() const {
        QStringList out;
        for (int i = 0; i < page->eventList()->count(); ++i) out << page->eventList()->itemText(i);
        return out;
    }
    void newNamedMacro(const QString& name) {
        page->onNewMacro();
        QLineEdit* edit = page->macroList()->renameEdit();
        ASSERT_NE(edit, nullptr);
        edit->selectAll();
        QTest::keyClicks(edit, name);
        QTest::keyClick(edit, Qt::Key_Return);
    }
    void recordTapOfA() {
        page->onRecord();
        ASSERT_TRUE(page->recording());
        tap(kA, 250);
        page->onRecord();
        ASSERT_FALSE(page->recording());
    }

    test::TempDir dir;
    LanguageContext language{Z408_PROGRAM_DIR, dir.path()};
    const bool languageLoaded = language.LoadLanguageFile("Language/en.xml");
    PageNotices notices;
    ManualClock clock;
    std::unique_ptr<MacroLibrary> library = std::make_unique<MacroLibrary>();
    MacroStore macros{*library, dir.path(), notices, clock};
    ProfileStore store{dir.path(), notices};
    FakeHook hook;
    std::unique_ptr<CDlgMacro> page;
};

TEST_F(MacroPageTest, ControlsSitWhereTheLayoutPutsThem) {
    page = makePage(&hook);
    EXPECT_EQ(page->presetButton()->geometry(), QRect(QPoint(25, 48), QPoint(326, 70)));
    EXPECT_EQ(page->macroList()->geometry(), QRect(QPoint(27, 89), QPoint(324, 405)));
    EXPECT_EQ(page->eventList()->geometry(), QRect(QPoint(345, 51), QPoint(625, 405)));
    EXPECT_EQ(page->recordButton()->geometry(), QRect(QPoint(783, 22), QPoint(898, 52)));
    EXPECT_EQ(page->loopBox()->geometry(), QRect(QPoint(852, 87), QPoint(891, 101)));
    EXPECT_EQ(page->mouseButton(1)->geometry(), QRect(QPoint(715, 185), QPoint(739, 206)));
    EXPECT_EQ(page->presetButton()->shownCaption(), QStringLiteral("Customize"));
    EXPECT_EQ(page->recordButton()->shownCaption(), QStringLiteral("Start Record"));
    EXPECT_EQ(page->loopBox()->text(), QStringLiteral("1"));
    EXPECT_EQ(page->loopBox()->maxLength(), 5);
    EXPECT_FALSE(page->editor().keyBox()->isVisibleTo(page.get()));
}

TEST_F(MacroPageTest, APresetListsItsMacrosAndShowsTheLast) {
    addStored(makeMacroId(3, 1), {down(kA), up(kA)}, u"first", 7);
    addStored(makeMacroId(21, 2), {down(kB)}, u"custom", kLoopCountSingleKey);
    addStored(makeMacroId(3, 3), {down(kB), pause(40), up(kB), 0x11000000, down(kA)}, u"second",
              12);
    page = makePage(&hook);
    ASSERT_EQ(page->macroList()->count(), 1);
    EXPECT_EQ(page->loopBox()->text(), QStringLiteral("1"));  // 0xFFFE reads as one
    EXPECT_EQ(eventTexts(), QStringList{QStringLiteral("B")});

    const auto before = macros.library().image();
    const auto fileTime = std::filesystem::last_write_time(macros.path());
    page->onPresetChosen(3);
    EXPECT_EQ(page->presetButton()->shownCaption(),
              QStringLiteral("Counter-Strike: Global Offensive"));
    ASSERT_EQ(page->macroList()->count(), 2);
    EXPECT_EQ(page->macroList()->itemText(1), QStringLiteral("second"));
    EXPECT_EQ(page->macroList()->currentSelection(), 1);
    // The events up to the unknown one, and the loop count; looking changes nothing stored.
    EXPECT_EQ(eventTexts(), (QStringList{"B", "40  ms", "B"}));
    EXPECT_EQ(page->loopBox()->text(), QStringLiteral("12"));
    EXPECT_EQ(macros.library().image(), before);
    EXPECT_EQ(std::filesystem::last_write_time(macros.path()), fileTime);

    selectMacro(0);
    EXPECT_EQ(eventTexts(), (QStringList{"A", "A"}));
    EXPECT_EQ(page->loopBox()->text(), QStringLiteral("7"));
}

TEST_F(MacroPageTest, NewMacroIsNamedRecordedAndStored) {
    page = makePage(&hook);
    newNamedMacro(QStringLiteral("Jump and run"));  // a space is part of a name
    EXPECT_EQ(page->macroList()->itemText(0), QStringLiteral("Jump and run"));
    const uint32_t id = page->macroList()->itemData(0);
    EXPECT_EQ(id, makeMacroId(21, static_cast<uint32_t>(clock.nowMs())));
    EXPECT_FALSE(library->findMacroById(id));  // no events yet, so not stored

    page->onRecord();
    EXPECT_TRUE(hook.forwarding);
    EXPECT_EQ(page->recordButton()->shownCaption(), QStringLiteral("Stop Record"));
    for (CGDIBitmapBtn* b : {page->newMacroButton(), page->deleteMacroButton(),
                             page->insertButton(), page->deleteEventButton(), page->modifyButton()})
        EXPECT_FALSE(b->isEnabled());
    // The key arrives through the page's message queue, held for 250 ms with auto-repeats.
    page->sink().post(Msg::HookEvent, kA, 0);
    ASSERT_TRUE(test::spinUntil([&] { return page->eventList()->count() == 1; }));
    for (int i = 0; i < 5; ++i) {
        clock.advance(50);
        page->sink().post(Msg::HookEvent, kA, 0);
    }
    page->sink().post(Msg::HookEvent, kA, kUp);
    ASSERT_TRUE(test::spinUntil([&] { return page->eventList()->count() == 3; }));
    page->onRecord();
    EXPECT_FALSE(hook.forwarding);
    EXPECT_TRUE(page->newMacroButton()->isEnabled());

    const MacroEntry m = stored(0);
    EXPECT_EQ(events(m), (std::vector<uint32_t>{down(kA), pause(250), up(kA)}));
    EXPECT_EQ(m.name(), u"Jump and run");
    EXPECT_EQ(m.loopCount(), 1u);
    EXPECT_EQ(m.recordSize(), 4100u + 4 * 3);
    EXPECT_EQ(m.tag(), kMacroTagUsed);
    EXPECT_EQ(eventTexts(), (QStringList{"A", "250  ms", "A"}));

    // Renaming a stored macro stores the new name at once.
    ASSERT_TRUE(page->macroList()->StartRename(0));
    page->macroList()->renameEdit()->selectAll();
    QTest::keyClicks(page->macroList()->renameEdit(), QStringLiteral("Dash"));
    QTest::keyClick(page->macroList()->renameEdit(), Qt::Key_Return);
    EXPECT_EQ(stored(0).name(), u"Dash");
}

TEST_F(MacroPageTest, OnScreenButtonsAndTheDelayToggleWhileRecording) {
    page = makePage(&hook);
    newNamedMacro(QStringLiteral("clicks"));
    page->onRecord();
    QTest::mousePress(page->mouseButton(1), Qt::LeftButton);
    ASSERT_TRUE(test::spinUntil([&] { return page->eventList()->count() == 1; }));
    clock.advance(80);
    QTest::mouseRelease(page->mouseButton(1), Qt::LeftButton);
    ASSERT_TRUE(test::spinUntil([&] { return page->eventList()->count() == 3; }));
    EXPECT_EQ(eventTexts(), (QStringList{"Left Button", "80  ms", "Left Button"}));
    page->onRecord();
    EXPECT_EQ(events(stored(0)), (std::vector<uint32_t>{down(1), pause(80), up(1)}));

    // Outside a recording and the key editor the buttons add nothing.
    QTest::mouseClick(page->mouseButton(2), Qt::LeftButton);
    QCoreApplication::processEvents();
    EXPECT_EQ(page->eventList()->count(), 3);

    QTest::mouseClick(page->ignoreDelaysButton(), Qt::LeftButton);
    ASSERT_TRUE(page->ignoreDelaysButton()->latched());
    page->onRecord();
    tap(kB, 300);
    page->onRecord();
    EXPECT_EQ(events(stored(0)), (std::vector<uint32_t>{down(kB), up(kB)}));
}

TEST_F(MacroPageTest, EveryWayOutOfARecordingSavesIntoTheRecordedMacro) {
    addStored(makeMacroId(21, 1), {down(kA), up(kA)}, u"one");
    addStored(makeMacroId(21, 2), {down(kB), up(kB)}, u"two");
    page = makePage(&hook);
    ASSERT_EQ(page->macroList()->currentSelection(), 1);

    // Another macro selected: the recording goes into "two", then "one" is shown.
    page->onRecord();
    tap(kA, 10);
    selectMacro(0);
    EXPECT_FALSE(page->recording());
    EXPECT_FALSE(hook.forwarding);
    EXPECT_EQ(events(stored(1)), (std::vector<uint32_t>{down(kA), pause(10), up(kA)}));
    EXPECT_EQ(eventTexts(), (QStringList{"A", "A"}));

    // Leaving the page (another tab, the window hidden), with the loop box focused: the keys
    // recorded do not go into it.
    page->loopBox()->setFocus();
    page->onRecord();
    EXPECT_FALSE(page->loopBox()->hasFocus());
    tap(kB, 20);
    page->leavePage();
    EXPECT_FALSE(page->recording());
    EXPECT_EQ(page->recordButton()->shownCaption(), QStringLiteral("Start Record"));
    EXPECT_EQ(events(stored(0)), (std::vector<uint32_t>{down(kB), pause(20), up(kB)}));

    // Another preset chosen.
    page->onRecord();
    tap(kA, 30);
    page->onPresetChosen(5);
    EXPECT_FALSE(page->recording());
    EXPECT_EQ(events(library->slot(*library->findMacroById(makeMacroId(21, 1)))),
              (std::vector<uint32_t>{down(kA), pause(30), up(kA)}));
}

TEST_F(MacroPageTest, EditingRowsThroughTheEditors) {
    addStored(makeMacroId(21, 1), {down(kA), up(kA), down(kB), up(kB)}, u"edit me");
    page = makePage(&hook);

    // Insert a delay above row 1: Insert, delay choice, 200, OK.
    selectEvent(1);
    page->onInsert();
    EXPECT_EQ(page->editMode(), Mode::InsertKey);
    EXPECT_TRUE(page->editor().keyChoice()->isVisibleTo(page.get()));
    EXPECT_TRUE(page->editor().delayChoice()->isVisibleTo(page.get()));
    page->onDelayChoice();
    EXPECT_EQ(page->editMode(), Mode::InsertDelay);
    EXPECT_FALSE(hook.forwarding);
    QTest::keyClicks(page->editor().delayBox(), QStringLiteral("200"));
    page->onDelayOk();
    EXPECT_EQ(page->editMode(), Mode::Idle);
    EXPECT_FALSE(page->editor().delayBox()->isVisibleTo(page.get()));
    EXPECT_EQ(events(stored(0)),
              (std::vector<uint32_t>{down(kA), pause(200), up(kA), down(kB), up(kB)}));

    // A second delay next to it joins it: 200 + 300.
    selectEvent(2);
    page->onInsert();
    page->onDelayChoice();
    QTest::keyClicks(page->editor().delayBox(), QStringLiteral("300"));
    page->onDelayOk();
    EXPECT_EQ(eventTexts(), (QStringList{"A", "500  ms", "A", "B", "B"}));

    // Insert a key above row 3: the key comes from the hook, repeats of it change nothing.
    selectEvent(3);
    page->onInsert();
    page->onDelayChoice();
    page->onKeyChoice();
    EXPECT_EQ(page->editMode(), Mode::InsertKey);
    EXPECT_TRUE(hook.forwarding);
    page->onHookEvent(0x43, 0);
    EXPECT_EQ(page->editor().keyBox()->text(), QStringLiteral("C"));
    page->onKeyOk();
    EXPECT_FALSE(hook.forwarding);
    EXPECT_EQ(events(stored(0)), (std::vector<uint32_t>{down(kA), pause(500), up(kA), down(0x43),
                                                        up(0x43), down(kB), up(kB)}));

    // Modify the release of B into a release of the left button, through the on-screen button.
    selectEvent(6);
    page->onModify();
    EXPECT_EQ(page->editMode(), Mode::ModifyKey);
    QTest::mousePress(page->mouseButton(1), Qt::LeftButton);
    QTest::mouseRelease(page->mouseButton(1), Qt::LeftButton);
    ASSERT_TRUE(test::spinUntil(
        [&] { return page->editor().keyBox()->text() == QStringLiteral("Left Button"); }));
    notices.shown.clear();
    page->onKeyOk();
    // B is pressed and no longer released: its release is added at the end, and the person told.
    EXPECT_EQ(events(stored(0)), (std::vector<uint32_t>{down(kA), pause(500), up(kA), down(0x43),
                                                        up(0x43), down(kB), up(1), up(kB)}));
    ASSERT_EQ(notices.shown.size(), 1u);
    EXPECT_EQ(notices.shown[0].text, notices.programText(ProgramText::MacroReleasesAdded));

    // Modify a delay beyond what insertion may reach.
    selectEvent(1);
    page->onModify();
    EXPECT_EQ(page->editMode(), Mode::ModifyDelay);
    QTest::keyClicks(page->editor().delayBox(), QStringLiteral("9999"));
    page->onDelayOk();
    EXPECT_EQ(events(stored(0))[1], pause(9999));

    // Delete a row; deleting the last remaining row stores the macro empty, so that the mouse
    // does not go on playing an event the list no longer shows.
    selectEvent(1);
    page->onDeleteEvent();
    EXPECT_EQ(events(stored(0)).size(), 7u);
    while (page->eventList()->count() > 1) {
        selectEvent(0);
        page->onDeleteEvent();
    }
    selectEvent(0);
    page->onDeleteEvent();
    EXPECT_EQ(page->eventList()->count(), 0);
    EXPECT_TRUE(stored(0).isStorable());
    EXPECT_TRUE(events(stored(0)).empty());
}

TEST_F(MacroPageTest, EditModeTransitionsAndRecordingRefusals) {
    addStored(makeMacroId(21, 1), {down(kA), pause(5), up(kA)}, u"m");
    page = makePage(&hook);
    struct Step {
        const char* what;
        std::function<void()> act;
        Mode mode;
        bool keysForwarded;
    };
    const Step steps[] = {
        {"insert", [&] { page->onInsert(); }, Mode::InsertKey, false},
        {"delay choice", [&] { page->onDelayChoice(); }, Mode::InsertDelay, false},
        {"key choice", [&] { page->onKeyChoice(); }, Mode::InsertKey, true},
        {"event selection closes", [&] { selectEvent(0); }, Mode::Idle, false},
        {"modify a delay", [&] { selectEvent(1), page->onModify(); }, Mode::ModifyDelay, false},
        {"delay OK", [&] { page->onDelayOk(); }, Mode::Idle, false},
        {"modify a key", [&] { selectEvent(2), page->onModify(); }, Mode::ModifyKey, true},
        {"key OK", [&] { page->onKeyOk(); }, Mode::Idle, false},
        {"key choice open", [&] { page->onInsert(), page->onKeyChoice(); }, Mode::InsertKey, true},
        {"page left", [&] { page->leavePage(); }, Mode::Idle, false},
    };
    for (const Step& s : steps) {
        s.act();
        EXPECT_EQ(page->editMode(), s.mode) << s.what;
        EXPECT_EQ(hook.forwarding, s.keysForwarded) << s.what;
    }

    const auto insertKey = [&] { page->onInsert(); };
    const auto insertDelay = [&] { page->onInsert(), page->onDelayChoice(); };
    const std::tuple<int32_t, std::function<void()>, const char*> refusals[] = {
        {2, insertKey, "It is Modifying or inserting a button,you can not record"},
        {2, insertDelay, "It is Modifying or inserting a delay,you can not record"},
        {1, insertKey, "正在修改/插入一个键，无法录制"},
        {5, insertDelay,
         "Eine Pause wird gerade bearbeitet oder eingefügt; Aufnahme nicht möglich."},
    };
    for (const auto& [id, open, text] : refusals) {
        notices.language = id;
        open();
        notices.shown.clear();
        page->onRecord();
        EXPECT_FALSE(page->recording());
        ASSERT_EQ(notices.shown.size(), 1u);
        EXPECT_EQ(notices.shown[0].text, text);
        selectEvent(page->eventList()->currentSelection() == 0 ? 1 : 0);  // closes the editor
        EXPECT_EQ(page->editMode(), Mode::Idle);
    }
    // The record and preset buttons follow a language switch too.
    const std::tuple<int32_t, QString, QString> captions[] = {
        {5, QStringLiteral("Aufnehmen"), QStringLiteral("Eigene Makros")},
        {1, QStringLiteral("开始录制"), QStringLiteral("玩家自定义")},
        {2, QStringLiteral("Start Record"), QStringLiteral("Customize")},
    };
    for (const auto& [id, record, preset] : captions) {
        notices.language = id;
        page->refreshTexts();
        EXPECT_EQ(page->recordButton()->shownCaption(), record) << id;
        EXPECT_EQ(page->presetButton()->shownCaption(), preset) << id;
    }
}

TEST_F(MacroPageTest, LoopCountIsSavedAndTidied) {
    addStored(makeMacroId(21, 1), {down(kA), up(kA)}, u"loop");
    page = makePage(&hook);
    page->loopBox()->setText(QStringLiteral("5"));
    EXPECT_EQ(stored(0).loopCount(), 5u);

    const std::pair<const char*, const char*> cases[] = {
        {"0042", "42"}, {"70000", "65533"}, {"abc", "1"}, {"", "1"}, {"42", "42"}};
    for (const auto& [typed, shown] : cases) {
        page->loopBox()->setText(QString::fromLatin1(typed));
        page->normaliseLoopCount();  // as the loop timer and Apply do
        EXPECT_EQ(page->loopBox()->text(), QString::fromLatin1(shown)) << typed;
        EXPECT_EQ(stored(0).loopCount(), QString::fromLatin1(shown).toUInt()) << typed;
    }
    EXPECT_EQ(page->loopTimer().interval(), 4000);
    EXPECT_TRUE(page->loopTimer().isActive());

    // A single press is stored with its own loop count and shown as 1.
    selectEvent(1);
    page->onDeleteEvent();
    EXPECT_EQ(stored(0).loopCount(), kLoopCountSingleKey);
}

// z408ctl changes Macro.cfg while a recording runs: the window reads the file and tells the page.
TEST_F(MacroPageTest, ALibraryChangedDuringARecordingIsShownWhenItStops) {
    const uint32_t one = makeMacroId(21, 1), two = makeMacroId(21, 2), three = makeMacroId(21, 3);
    struct Case {
        const char* what;
        uint32_t deletedElsewhere;
        QStringList listAfter;
        bool recordingKept;
    };
    const Case cases[] = {
        // The new macro takes the first free slot: the deleted one's.
        {"another macro deleted, one added", one, {"three", "two"}, true},
        {"the recorded macro deleted", two, {"one", "three"}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        library->assign({});
        addStored(one, {down(kA), up(kA)}, u"one");
        addStored(two, {down(kB), up(kB)}, u"two");
        ASSERT_TRUE(macros.saveMacroLibrary());
        notices.shown.clear();
        page = makePage(&hook);
        page->onRecord();  // into "two", the last one
        tap(kA, 40);

        auto elsewhere = std::make_unique<MacroLibrary>(*library);
        elsewhere->clearMacro(c.deletedElsewhere);
        ASSERT_TRUE(elsewhere->placeMacro(test::macroRecord(three, {down(kB), up(kB)}, u"three")));
        ASSERT_TRUE(writeFileAtomic(macros.path(), elsewhere->image()));
        ASSERT_TRUE(macros.loadMacroLibrary());
        page->libraryReloaded();
        EXPECT_EQ(page->macroList()->count(), 2);  // the recording goes on in its list
        clock.advance(5);
        tap(kB, 10);
        page->onRecord();

        QStringList listed;
        for (int i = 0; i < page->macroList()->count(); ++i)
            listed << page->macroList()->itemText(i);
        EXPECT_EQ(listed, c.listAfter);
        EXPECT_EQ(library->findMacroById(two).has_value(), c.recordingKept);
        if (c.recordingKept) {
            EXPECT_EQ(events(library->slot(*library->findMacroById(two))),
                      (std::vector<uint32_t>{down(kA), pause(40), up(kA), pause(5), down(kB),
                                             pause(10), up(kB)}));
            EXPECT_EQ(page->macroList()->itemData(page->macroList()->currentSelection()), two);
            EXPECT_TRUE(notices.shown.empty());
        } else {
            ASSERT_EQ(notices.shown.size(), 1u);
            EXPECT_EQ(notices.shown[0].text,
                      "Another program deleted the macro being recorded: the recording was not "
                      "kept.");
        }
        // What the file holds is what the page lists.
        auto onDisk = std::make_unique<MacroLibrary>();
        ASSERT_TRUE(readMacroLibraryFile(dir.path(), *onDisk));
        EXPECT_EQ(onDisk->image(), library->image());
    }
}

TEST_F(MacroPageTest, DeleteIsRefusedWhileAProfileUsesTheMacro) {
    addStored(makeMacroId(21, 1), {down(kA), up(kA)}, u"keep");
    addStored(makeMacroId(21, 2), {down(kB), up(kB)}, u"used");
    page = makePage(&hook);
    const uint32_t used = makeMacroId(21, 2);

    MacroIdList ids{};
    ids[3] = used;
    store.table().setMacroIds(4, ids);
    page->onDeleteMacro();
    ASSERT_EQ(notices.shown.size(), 1u);
    EXPECT_EQ(notices.shown[0].text, "The macro is being applied and cannot be deleted!");
    EXPECT_TRUE(library->findMacroById(used));

    store.table().setMacroIds(4, MacroIdList{});
    store.active().button(2).setFunctionType(fn::Macro);
    store.active().button(2).setMacroId(used);
    page->onDeleteMacro();
    EXPECT_EQ(notices.shown.size(), 2u);

    store.active().fillDefaults(false);
    page->onDeleteMacro();
    EXPECT_FALSE(library->findMacroById(used));
    EXPECT_EQ(page->macroList()->count(), 1);
    EXPECT_EQ(page->eventList()->count(), 0);
    // No row is selected after the deletion: the remaining one loads when clicked.
    selectMacro(0);
    EXPECT_EQ(eventTexts(), (QStringList{"A", "A"}));
}

TEST_F(MacroPageTest, AFullLibraryAndAnOverlongListAreTold) {
    page = makePage(&hook);
    newNamedMacro(QStringLiteral("big"));
    for (size_t i = 0; i < kMacroSlotCount; ++i) {
        MacroEntry filler;
        filler.setRecordSize(4104);
        filler.setTag(kMacroTagUsed);
        filler.setId(makeMacroId(1, static_cast<uint32_t>(i + 1)));
        ASSERT_TRUE(library->placeMacro(filler));
    }
    recordTapOfA();
    ASSERT_EQ(notices.shown.size(), 1u);  // told, once
    EXPECT_EQ(notices.shown[0].text, notices.programText(ProgramText::MacroLibraryFull));
    EXPECT_EQ(page->eventList()->count(), 3);  // and the rows stay
    page->loopBox()->setText(QStringLiteral("3"));
    EXPECT_EQ(notices.shown.size(), 1u);

    library->clearMacro(makeMacroId(1, 1));
    notices.shown.clear();
    notices.captions.clear();
    // A whole recording: 999 keys and their pauses, more than a slot holds.
    page->onRecord();
    for (uint32_t i = 0; i < 1100; ++i) {
        clock.advance(2);
        page->onHookEvent(0x41 + i % 2, (i / 2) % 2 ? kUp : 0);
    }
    // The recording stops short of 999 keys only to keep room for releasing what it holds.
    const int keys = (page->eventList()->count() + 1) / 2;
    EXPECT_GE(keys, 998);
    EXPECT_LE(keys, 999);
    EXPECT_EQ(page->eventList()->count(), 2 * keys - 1);
    page->onRecord();
    const MacroEntry m = stored(0);
    ASSERT_EQ(m.name(), u"big");
    EXPECT_LE(m.eventCount(), kMaxMacroEvents);
    EXPECT_EQ(m.rawEventCount(), m.eventCount());
    // Nothing is left held on the mouse at the cut.
    int held = 0;
    for (uint32_t e : events(m))
        held += macroEventKind(e) == uint8_t(MacroEventKind::KeyDown) ? 1
                : macroEventKind(e) == uint8_t(MacroEventKind::KeyUp) ? -1
                                                                      : 0;
    EXPECT_EQ(held, 0);
    ASSERT_EQ(notices.shown.size(), 2u);
    EXPECT_EQ(notices.shown[0].text, notices.programText(ProgramText::MacroCutToSlot));
    EXPECT_EQ(notices.shown[1].text, notices.programText(ProgramText::MacroRecordingFull));
    // The record button tells the truth while the notices are open.
    EXPECT_EQ(notices.captions, (QStringList{"Start Record", "Start Record"}));
    page->loopBox()->setText(QStringLiteral("2"));  // saved again, not told again
    EXPECT_EQ(notices.shown.size(), 2u);
    EXPECT_EQ(stored(0).loopCount(), 2u);
}

TEST_F(MacroPageTest, WithoutADesktopHookTheWindowsOwnKeysAreRecorded) {
    hook.desktop = false;
    page = makePage(&hook);
    newNamedMacro(QStringLiteral("local"));
    page->onRecord();
    EXPECT_TRUE(page->takesWindowKeys());
    EXPECT_FALSE(hook.forwarding);
    // Keys typed into any widget of the window, as X delivers them (keysym 'a').
    auto send = [&](QEvent::Type type, bool autoRepeat = false) {
        QKeyEvent e(type, Qt::Key_A, Qt::NoModifier, 38, 0x61, 0, QStringLiteral("a"), autoRepeat);
        QCoreApplication::sendEvent(page->loopBox(), &e);
    };
    send(QEvent::KeyPress);
    ASSERT_TRUE(test::spinUntil([&] { return page->eventList()->count() == 1; }));
    clock.advance(120);
    send(QEvent::KeyPress, true);
    send(QEvent::KeyRelease);
    ASSERT_TRUE(test::spinUntil([&] { return page->eventList()->count() == 3; }));
    // A key event without an X keysym (a native Wayland window, a synthesised event) is read
    // by its key, as the key page of the picker reads it.
    constexpr uint32_t kF5 = 0x74;
    int rows = 3;
    for (QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
        clock.advance(30);
        QKeyEvent e(type, Qt::Key_F5, Qt::NoModifier);
        QCoreApplication::sendEvent(page->loopBox(), &e);
        rows += 2;
        ASSERT_TRUE(test::spinUntil([&] { return page->eventList()->count() == rows; }));
    }
    EXPECT_EQ(page->loopBox()->text(), QStringLiteral("1"));  // the keys went to the recording
    page->onRecord();
    EXPECT_FALSE(page->takesWindowKeys());
    EXPECT_EQ(events(stored(0)), (std::vector<uint32_t>{down(kA), pause(120), up(kA), pause(30),
                                                        down(kF5), pause(30), up(kF5)}));
}

TEST_F(MacroPageTest, NamesAreNeverBlankNorTakenAndTypedNamesAreKept) {
    addStored(makeMacroId(3, 1), {down(kA), up(kA)}, u"Jump");  // another game's macro
    addStored(makeMacroId(21, 2), {down(kB), up(kB)}, u"Run");
    page = makePage(&hook);
    auto rename = [&](int row, const QString& typed) {
        ASSERT_TRUE(page->macroList()->StartRename(row));
        page->macroList()->renameEdit()->selectAll();
        QTest::keyClick(page->macroList()->renameEdit(), Qt::Key_Backspace);
        QTest::keyClicks(page->macroList()->renameEdit(), typed);
        QTest::keyClick(page->macroList()->renameEdit(), Qt::Key_Return);
    };
    const struct {
        QString typed;
        std::string says;
    } refused[] = {
        {QString(), notices.programText(ProgramText::MacroNameBlank)},
        {QStringLiteral("   "), notices.programText(ProgramText::MacroNameBlank)},
        {QStringLiteral("Jump"), "Another macro is already called \"Jump\": choose another name."},
    };
    for (const auto& r : refused) {
        notices.shown.clear();
        rename(0, r.typed);
        ASSERT_EQ(notices.shown.size(), 1u) << r.typed.toStdString();
        EXPECT_EQ(notices.shown[0].text, r.says);
        EXPECT_EQ(page->macroList()->itemText(0), QStringLiteral("Run"));
        EXPECT_EQ(stored(0).name(), u"Run");
    }

    // New macros get free default names; a second one may not take the first one's name.
    page->onNewMacro();
    QTest::keyClick(page->macroList()->renameEdit(), Qt::Key_Return);
    page->onNewMacro();
    EXPECT_EQ(page->macroList()->itemText(1), QStringLiteral("New Macro"));
    EXPECT_EQ(page->macroList()->itemText(2), QStringLiteral("New Macro 2"));
    // Made within one tick of the clock, yet each has an id (and so a slot) of its own.
    EXPECT_NE(page->macroList()->itemData(1), page->macroList()->itemData(2));
    notices.shown.clear();
    page->macroList()->renameEdit()->selectAll();
    QTest::keyClicks(page->macroList()->renameEdit(), QStringLiteral("New Macro"));
    QTest::keyClick(page->macroList()->renameEdit(), Qt::Key_Return);
    EXPECT_EQ(notices.shown.size(), 1u);
    EXPECT_EQ(page->macroList()->itemText(2), QStringLiteral("New Macro 2"));

    // A name still being typed is taken when New macro is clicked and when the library reloads.
    ASSERT_TRUE(page->macroList()->StartRename(0));
    page->macroList()->renameEdit()->selectAll();
    QTest::keyClicks(page->macroList()->renameEdit(), QStringLiteral("Sprint"));
    page->onNewMacro();
    EXPECT_EQ(stored(0).name(), u"Sprint");
    QTest::keyClick(page->macroList()->renameEdit(), Qt::Key_Escape);
    ASSERT_TRUE(page->macroList()->StartRename(0));
    page->macroList()->renameEdit()->selectAll();
    QTest::keyClicks(page->macroList()->renameEdit(), QStringLiteral("Dash"));
    page->libraryReloaded();
    EXPECT_EQ(library->slot(*library->findMacroById(makeMacroId(21, 2))).name(), u"Dash");
    EXPECT_EQ(page->macroList()->itemText(0), QStringLiteral("Dash"));
}

// tests/data/macros/damaged_slots.cfg: damaged loop counts are shown as played without a
// rewrite, and a key the mouse cannot send shows its code and is told of when saved.
TEST_F(MacroPageTest, DamagedMacrosAreShownAsPlayedAndNotRewrittenByViewing) {
    std::vector<uint8_t> fixture;
    ASSERT_TRUE(readFilePrefix(std::filesystem::path(Z408_TEST_DATA) / "macros/damaged_slots.cfg",
                               kMacroLibrarySize, fixture));
    ASSERT_TRUE(writeFileAtomic(macros.path(), fixture));
    ASSERT_TRUE(macros.loadMacroLibrary());
    page = makePage(&hook);
    ASSERT_EQ(page->macroList()->count(), 4);
    const std::vector<uint8_t> before = fixture;
    const std::pair<int, const char*> shown[] = {{1, "1"}, {2, "65533"}};
    for (const auto& [row, loop] : shown) {
        selectMacro(row);
        EXPECT_EQ(page->loopBox()->text(), QString::fromLatin1(loop)) << row;
        page->normaliseLoopCount();  // the 4 s tidy-up
        std::vector<uint8_t> now;
        ASSERT_TRUE(readFilePrefix(macros.path(), kMacroLibrarySize, now));
        EXPECT_TRUE(std::equal(before.begin(), before.end(), now.begin())) << row;
    }

    selectMacro(3);
    EXPECT_EQ(eventTexts(), (QStringList{"0x7C", "0x7C"}));
    notices.shown.clear();
    page->loopBox()->setText(QStringLiteral("2"));
    ASSERT_EQ(notices.shown.size(), 1u);
    EXPECT_EQ(notices.shown[0].text,
              "The mouse has no code for these keys of the macro and sends nothing for them: 0x7C");
}

TEST_F(MacroPageTest, TheMouseStepsOfTheShownMacroAndAnEmptyRecording) {
    MacroEntry longOne = test::macroRecord(makeMacroId(21, 1), {}, u"long");
    for (size_t i = 0; i < 300; ++i) longOne.setEvent(i, i % 2 ? up(kA) : down(kA));
    longOne.setEventCount(300);
    ASSERT_TRUE(library->placeMacro(longOne));
    addStored(makeMacroId(21, 2), {down(kA), pause(2000), up(kA)}, u"short");
    page = makePage(&hook);
    EXPECT_EQ(page->mouseSteps(), 4u);  // press, long delay (two words), release
    selectMacro(0);
    EXPECT_EQ(page->mouseSteps(), 300u);

    // A recording that caught nothing leaves the macro as it was, and the list shows it again.
    page->onRecord();
    EXPECT_EQ(page->eventList()->count(), 0);
    page->onRecord();
    EXPECT_EQ(page->eventList()->count(), 300);
    EXPECT_EQ(stored(0).eventCount(), 300u);
}

}  // namespace
}  // namespace z408
