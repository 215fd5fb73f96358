// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

// Renders every page with real skin widgets on it, the dialogs, the menus, the flags and the
// trophies to PNG files, offscreen, for review.
//   z408_skingallery [program-dir] [output-dir]     (defaults: the build's bin/, /tmp/z408-gallery)
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <cstdio>

#include <QKeyEvent>
#include <QTemporaryDir>

#include "app/dlg_info.h"
#include "common/program_texts.h"
#include "common/text.h"
#include "common/user_notices.h"
#include "functions/keyboard_layout.h"
#include "i18n/language_context.h"
#include "macros/macro_library.h"
#include "pages/setting_advance_dlg.h"
#include "pages/setting_dlg.h"
#include "pages/setting_single_combo_dlg.h"
#include "skin_page.h"
#include "widgets/bitmap_edit.h"
#include "widgets/color_btn.h"
#include "widgets/gdi_bitmap_btn.h"
#include "widgets/irr_button.h"
#include "widgets/list_box_ex.h"
#include "widgets/menu_ex_a.h"
#include "widgets/png_h_progress_bar.h"
#include "widgets/png_h_slider.h"
#include "widgets/png_h_slider_bar.h"
#include "widgets/preset_menu.h"
#include "widgets/skin_image.h"
#include "widgets/trophy_caption.h"
#include "widgets/xp_menu.h"

using namespace z408;
using gallery::PaintedText;
using gallery::SkinPage;

namespace {

QString g_programDir;
QString g_out;
const skin::Layout kLayout = skin::Layout::English;

template <class T>
T* find(SkinPage& page, const char* name) {
    return dynamic_cast<T*>(page.control(QString::fromLatin1(name)));
}

void latch(SkinPage& page, std::initializer_list<const char*> names) {
    for (const char* n : names) {
        if (auto* b = find<CGDIBitmapBtn>(page, n)) b->setLatched(true);
        if (auto* b = find<CIrrButton>(page, n)) b->setLatched(true);
    }
}

void caption(SkinPage& page, const char* name, const QString& text) {
    if (auto* b = find<CGDIBitmapBtn>(page, name)) b->SetText(text);
}

void hide(SkinPage& page, std::initializer_list<const char*> names) {
    for (const char* n : names)
        if (QWidget* w = page.control(QString::fromLatin1(n))) w->hide();
}

bool save(QWidget& w, const QString& name) {
    w.show();
    QCoreApplication::processEvents();
    const QString path = g_out + QLatin1Char('/') + name;
    const bool ok = w.grab().save(path);
    std::printf("%s %s\n", ok ? "wrote" : "FAILED", qPrintable(path));
    return ok;
}

bool saveImage(const QImage& img, const QString& name) {
    const QString path = g_out + QLatin1Char('/') + name;
    const bool ok = img.save(path);
    std::printf("%s %s\n", ok ? "wrote" : "FAILED", qPrintable(path));
    return ok;
}

// The main window with tab `tab` (1 … 5) chosen and `page` in its page area.
std::unique_ptr<SkinPage> mainWindow(int tab, const QString& hint) {
    auto window = std::make_unique<SkinPage>(skin::pageSkin("main", kLayout), g_programDir);
    latch(*window, {"profile1"});
    find<CIrrButton>(*window, QStringLiteral("tab%1").arg(tab).toLatin1().constData())
        ->setLatched(true);
    auto* apply = find<CIrrButton>(*window, "apply");
    apply->SetBitmaps(157, 159, 158, 157);
    apply->setCheckMode(false);
    if (tab > 2) {
        for (const char* p : {"profile1", "profile2", "profile3", "profile4", "profile5", "apply"})
            window->control(QString::fromLatin1(p))->setEnabled(false);
    }
    hide(*window, {"hint", "flag"});  // the window paints the hint text; the flag is a picture
    auto* flag = new QLabel(window.get());
    flag->setGeometry(19, 592, 36, 23);
    flag->setScaledContents(true);
    flag->setPixmap(QPixmap::fromImage(loadResourceImage(143)));
    window->addText({QRect(67, 598, 233, 30), hint, QColor(0xBE, 0xBE, 0xBE), 13,
                     Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap});
    return window;
}

SkinPage* placePage(SkinPage& window, const char* id) {
    auto* page = new SkinPage(skin::pageSkin(id, kLayout), g_programDir, &window);
    page->move(skin::kPagesRect.left, skin::kPagesRect.top);
    return page;
}

void settingsPage(SkinPage& page) {
    latch(page, {"dpi1", "dpi3", "dpi4", "dpi5", "dpi7", "dpi9", "dpi11", "precision", "rate3",
                 "scrollLines", "button3", "button5", "marker0"});
    const QImage sliderBackground = loadResourceImage(163);
    auto setSlider = [&](const char* name, int min, int max, int pos) {
        auto* s = find<CPngHSliderBar>(page, name);
        s->SetBackground(s->x(), s->y(), s->width(), s->height(), sliderBackground);
        s->SetRange(min, max);
        s->SetPos(pos);
    };
    setSlider("speedSlider", 1, 20, 10);
    setSlider("heightSlider", 1, 30, 8);
    find<CBitmapEdit>(page, "lineCount")->setText(QStringLiteral("3"));
    for (int i = 0; i < 7; ++i)
        find<CIrrButton>(page, QStringLiteral("button%1").arg(i).toLatin1().constData())
            ->SetBitmaps(164, 165, 163, 164);
}

void lightingPage(SkinPage& page) {
    const std::pair<const char*, const char*> modes[] = {
        {"mode4", "Spectrum"},  {"mode3", "Pulse"},     {"mode6", "Light off"},
        {"mode2", "Breathing"}, {"mode1", "Always on"}, {"mode5", "Symphony"},
        {"proximityOn", "On"},  {"proximityOff", "Off"}};
    for (const auto& [name, text] : modes) caption(page, name, QString::fromLatin1(text));
    latch(page, {"mode5", "multicolour", "proximityOn", "swatch9"});
    const QColor colours[4] = {QColor(250, 5, 126), QColor(1, 193, 250), QColor(249, 237, 0),
                               QColor(1, 193, 250)};
    const char* wells[4] = {"multicolour1", "multicolour2", "multicolour3", "singleColour"};
    for (int i = 0; i < 4; ++i) {
        auto* w = find<CColorBtn>(page, wells[i]);
        w->setColor(colours[i]);
        w->setCurrent(i == 1);
    }
    const std::tuple<const char*, int, int, int> sliders[] = {
        {"mode1Slider", 1, 10, 6}, {"mode2Slider", 1, 5, 3},     {"mode5Slider", 1, 3, 2},
        {"redSlider", 0, 255, 1},  {"greenSlider", 0, 255, 193}, {"blueSlider", 0, 255, 250}};
    for (const auto& [name, min, max, pos] : sliders) {
        auto* s = find<CPngHSliderBar>(page, name);
        s->SetRange(min, max);
        s->SetPos(pos);
    }
    find<CPngHSliderBar>(page, "mode1Slider")->Enable(false);
    find<CPngHSliderBar>(page, "mode2Slider")->Enable(false);
    const std::pair<const char*, int> values[] = {
        {"redValue", 1}, {"greenValue", 193}, {"blueValue", 250}};
    for (const auto& [name, v] : values) {
        auto* e = find<CBitmapEdit>(page, name);
        e->setText(QString::number(v));
        e->setEnabled(false);
    }
}

void macroPage(SkinPage& page) {
    caption(page, "presetButton", QStringLiteral("Counter-Strike: Global Offensive"));
    caption(page, "newMacro", QStringLiteral("New"));
    caption(page, "deleteMacro", QStringLiteral("Delete"));
    caption(page, "insert", QStringLiteral("+"));
    caption(page, "deleteEvent", QStringLiteral("-"));
    caption(page, "modify", QStringLiteral("..."));
    caption(page, "record", QStringLiteral("Start Record"));
    caption(page, "ignoreDelays", QStringLiteral("Record delays"));
    latch(page, {"ignoreDelays"});
    hide(page, {"keyChoice", "keyBox", "keyOk", "delayChoice", "delayBox", "delayOk"});
    find<CBitmapEdit>(page, "loopCount")->setText(QStringLiteral("1"));
    auto* macros = find<CListBoxEx>(page, "macroFrame");
    for (const char* n :
         {"Quick buy AK", "Grenade throw", "Jump crouch", "Knife switch", "Defuse", "Drop bomb"})
        macros->AddItem(0, QString::fromLatin1(n), 1);
    macros->setCurrentRow(1);
    auto* events = find<CListBoxEx>(page, "eventFrame");
    events->setProgramDirectory(g_programDir);
    const char* keys[] = {"G", "4", "Mouse left", "Space", "G", "4", "Mouse left", "Space"};
    for (int round = 0; round < 5; ++round)
        for (int i = 0; i < 4; ++i) {
            events->AddItem(3, QString::fromLatin1(keys[i]), 1);
            events->AddItem(4, QStringLiteral("%1  ms").arg(40 + 10 * i), 1);
            events->AddItem(2, QString::fromLatin1(keys[i]), 1);
        }
    events->setCurrentRow(3);
    events->scrollToTop();
}

// The large trophy of `level` with its texts in English, as the statistics page shows it.
QImage trophyLook(int level) {
    QImage t =
        LoadSkinImage(skinPath(g_programDir, QStringLiteral("trophy/trophy%1Down.bmp").arg(level)));
    if (t.isNull()) return t;
    QPainter p(&t);
    paintTrophyTexts(p, level, kLanguageEnglish);
    return t;
}

void statsPage(SkinPage& page, int level) {
    auto* trophy = find<CGDIBitmapBtn>(page, "trophy");
    const QImage t = trophyLook(level);
    trophy->SetLooks(t, t, t, t);
    trophy->setCheckMode(CGDIBitmapBtn::CheckMode::Latch);
    trophy->setLatched(true);
    for (int i = 0; i <= level; ++i)
        latch(page, {QStringLiteral("trophy%1").arg(i).toLatin1().constData()});
    auto* bar = find<CGDIBitmapBtn>(page, "levelBar");
    bar->setLatched(true);
    bar->resize((level + 1) * 273 / 13, bar->height());
    caption(page, "reset", QStringLiteral("Reset"));
    hide(page, {"value0", "value1", "value2", "value3", "value4", "value5", "value6",
                "value7"});  // painted
    const int tops[8] = {85, 119, 152, 183, 250, 284, 319, 384};
    const char* values[8] = {"1203512", "80311",  "398120",  "1681943",
                             "520311",  "498002", "1018313", "4521.37"};
    for (int i = 0; i < 8; ++i)
        page.addText({QRect(152, tops[i], 75, 20), QString::fromLatin1(values[i]),
                      QColor(0xDC, 0xDC, 0xDC), 14, Qt::AlignRight | Qt::AlignVCenter});
}

void supportPage(SkinPage& page) {
    page.addText({QRect(127, 160, 247, 24), QStringLiteral("V1.0.1"), QColor(193, 210, 238), 16});
    page.addText({QRect(440, 160, 247, 24), QStringLiteral("V 0.1.2"), QColor(193, 210, 238), 16});
    for (const char* n : {"driverVersion", "firmwareVersion"})
        if (auto* b = find<CGDIBitmapBtn>(page, n))
            b->setCheckMode(CGDIBitmapBtn::CheckMode::Latch);
}

// The real function picker on each of its pages, with a little state to show, in the language
// of `languageId` (1 Simplified Chinese, 2 English), in the layout of the installation.
void pickers(int languageId, const QString& suffix) {
    QTemporaryDir dataDir;
    LanguageContext language(g_programDir.toStdString(), dataDir.path().toStdString());
    RecordingNotices notices;
    language.ApplyInstallationLanguage();  // the skins' layout, from skins/languagetype.ini
    language.ApplyLanguage(LanguageRequest::AtStartup, languageId, false, notices);
    MacroLibrary macros;
    const std::pair<uint8_t, const char16_t*> samples[] = {
        {21, u"Quick buy"}, {21, u"Grenade throw"}, {21, u"Jump crouch"}, {3, u"Reload"}};
    uint32_t tick = 1;
    size_t slot = 0;
    for (const auto& [preset, name] : samples) {
        MacroEntry& m = macros.slot(slot++);
        m.setRecordSize(4104);
        m.setTag(0xE8E80010u);
        m.setId(makeMacroId(preset, tick++));
        m.setName(name);
    }
    const PickerContext context{
        g_programDir, language, macros, nullptr, nullptr, notices, UsKeyboardLayout::instance()};
    const QString current = languageId == 1 ? QStringLiteral("单击") : QStringLiteral("Click");
    const std::pair<PickerPage, const char*> pages[] = {{PickerPage::KeyCombination, "combo"},
                                                        {PickerPage::Macro, "macro"},
                                                        {PickerPage::Basic, "basic"},
                                                        {PickerPage::Advanced, "advanced"}};
    for (const auto& [page, name] : pages) {
        CSettingDlg picker(context, 2, current);
        picker.showPage(page);
        if (page == PickerPage::KeyCombination) {
            for (const auto& [key, type] : {std::pair{Qt::Key_Control, QEvent::KeyPress},
                                            std::pair{Qt::Key_Shift, QEvent::KeyPress},
                                            std::pair{Qt::Key_F, QEvent::KeyPress}})
                picker.comboPage()->ownKeyEvent(QKeyEvent(type, key, Qt::NoModifier));
        }
        if (page == PickerPage::Advanced) {
            picker.advancedPage()->setPathChooser(
                [](int) { return QStringLiteral("/usr/bin/gimp"); });
            picker.advancedPage()->browse(1);
        }
        save(picker, QStringLiteral("picker_%1%2.png").arg(QLatin1String(name), suffix));
    }
}

void infoBox(bool twoButtons, const QString& text, const QString& name) {
    SkinPage box(skin::pageSkin(twoButtons ? "info2" : "info1", kLayout), g_programDir);
    for (const char* b : {"ok", "cancel"})
        if (auto* btn = find<CGDIBitmapBtn>(box, b))
            btn->SetTextColors(QColor(83, 97, 103), Qt::white, Qt::white);
    caption(box, "ok", twoButtons ? QStringLiteral("OK") : QStringLiteral("OK (5s)"));
    caption(box, "cancel", QStringLiteral("Cancel"));
    box.addText({QRect(10, 9, 90, 14), QStringLiteral("Tips"), QColor(83, 97, 103), 14});
    box.addText({QRect(90, 64, 215, 40), text, QColor(83, 97, 103), 14,
                 Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap});
    save(box, name);
}

void progressDialog() {
    SkinPage dlg(skin::pageSkin("progress", kLayout), g_programDir);
    auto* bar = new CPngHProgressBar(&dlg);
    bar->Create(QRect(35, 47, 260, 9), &dlg, 777);
    bar->SetImages(35, 47, 260, 9, dlg.image(0), dlg.image(1));
    bar->SetRange(0, 100);
    bar->SetPos(60);
    bar->SetReadOnly(true);
    dlg.addText({QRect(35, 18, 290, 24),
                 QStringLiteral("Updating is in progress, please wait\u2026"),
                 QColor(0x80, 0x80, 0x80), 11});
    save(dlg, QStringLiteral("dialog_progress.png"));
}

void menus() {
    CMenuExA languages;
    languages.Create(nullptr, QPoint(0, 0));
    languages.show();
    QCoreApplication::processEvents();
    QMouseEvent move(QEvent::MouseMove, QPointF(60, 6 + 22 + 10), QPointF(60, 38), Qt::NoButton,
                     Qt::NoButton, {});
    QCoreApplication::sendEvent(&languages, &move);
    saveImage(languages.render(), QStringLiteral("menu_languages.png"));
    languages.close();

    CXPMenu tray;
    QAction* config = tray.AddItem(1012, QStringLiteral("Config"), 0x6000);
    tray.AddItem(1011, QStringLiteral("Exit"), 0x6001);
    tray.popup(QPoint(100, 100));
    QCoreApplication::processEvents();
    tray.setActiveAction(config);
    saveImage(tray.grab().toImage(), QStringLiteral("menu_tray.png"));
    tray.hide();

    // The game-preset menu with its item skins, the pointer on the third item.
    CPresetMenu presets;
    const QImage looks[3] = {
        LoadSkinImage(skinPath(g_programDir, QStringLiteral("Menu/MenuNorL.BMP"))),
        LoadSkinImage(skinPath(g_programDir, QStringLiteral("Menu/MenuOverL.BMP"))),
        LoadSkinImage(skinPath(g_programDir, QStringLiteral("Menu/MenuDownL.BMP")))};
    const QColor colours[3] = {QColor(83, 97, 103), Qt::white, QColor(21, 140, 185)};
    QVector<CPresetMenu::Item> items;
    int id = 0;
    for (const char* g :
         {"Battlefield 3", "Star Wars: The Old Republic", "Counter-Strike: Global Offensive",
          "Elder Scrolls V: Skyrim", "Team Fortress 2", "Batman Arkham City", "Civilization 5",
          "World of Tanks", "Customize"})
        items.push_back({++id, QString::fromLatin1(g)});
    presets.CreateMenuEx(nullptr, 24, QPoint(0, 0), colours, looks, items);
    QCoreApplication::processEvents();
    QMouseEvent over(QEvent::MouseMove, QPointF(60, 2 * 24 + 8), QPointF(60, 56), Qt::NoButton,
                     Qt::NoButton, {});
    QCoreApplication::sendEvent(&presets, &over);
    saveImage(presets.grab().toImage(), QStringLiteral("menu_presets.png"));
    presets.DestroyMenuEx();
}

void sheets() {
    QImage flags(12 * 46 + 8, 60, QImage::Format_RGB32);
    flags.fill(QColor(24, 26, 30));
    QPainter p(&flags);
    for (int i = 0; i < 12; ++i) {
        p.drawImage(8 + i * 46, 8, loadResourceImage(142 + i));
        p.drawImage(8 + i * 46, 38, loadResourceImage(130 + i));
    }
    p.drawImage(flags.width() - 72, 0, QImage());
    p.end();
    saveImage(flags, QStringLiteral("flags.png"));

    QImage trophies(7 * 150, 2 * 226, QImage::Format_RGB32);
    trophies.fill(Qt::black);
    QPainter t(&trophies);
    for (int level = 0; level < kTrophyLevels; ++level) {
        const QImage img = trophyLook(level);
        t.drawImage(QRect((level % 7) * 150, (level / 7) * 226, 149, 225), img);
    }
    t.end();
    saveImage(trophies, QStringLiteral("trophies.png"));

    QImage icons(200, 64, QImage::Format_RGB32);
    icons.fill(QColor(24, 26, 30));
    QPainter i(&icons);
    i.drawImage(0, 0, loadResourceImage(128));
    int x = 72;
    for (const char* f : {"up_normal.png", "down_normal.png", "delay_normal.png", "up_select.png",
                          "down_select.png", "delay_select.png"}) {
        i.drawImage(x, 24, LoadSkinImage(skinPath(g_programDir, QString::fromLatin1(f))));
        x += 20;
    }
    i.drawImage(72, 4, loadResourceImage(1011));
    i.drawImage(92, 4, loadResourceImage(1012));
    i.drawImage(112, 2, LoadSkinImage(skinPath(g_programDir, QStringLiteral("Slider.png"))));
    i.end();
    saveImage(icons, QStringLiteral("icons.png"));
}

}  // namespace

// The macro page's event editor and the notices of a macro cut short or not saved, in English,
// German and Russian: the editor's buttons carry the language's texts, the box the whole notice.
void editorAndNotices() {
    const std::pair<int, const char*> languages[] = {{2, "en"}, {5, "de"}, {10, "ru"}};
    for (const auto& [id, tag] : languages) {
        QTemporaryDir dataDir;
        LanguageContext language(g_programDir.toStdString(), dataDir.path().toStdString());
        RecordingNotices notices;
        language.ApplyInstallationLanguage();
        language.ApplyLanguage(LanguageRequest::AtStartup, id, false, notices);
        auto text = [&](std::u16string_view key) {
            return QString::fromStdU16String(language.strings().text(key));
        };
        auto w = mainWindow(3, QString());
        SkinPage& page = *placePage(*w, "macro");
        for (const char* n : {"keyChoice", "keyBox", "keyOk", "delayChoice", "delayBox", "delayOk"})
            if (QWidget* c = page.control(QString::fromLatin1(n))) c->show();
        latch(page, {"keyChoice"});
        caption(page, "keyOk", text(u"str_macro_msg6"));
        caption(page, "delayOk", text(u"str_macro_msg7"));
        w->show();
        QCoreApplication::processEvents();
        const QRect editor(page.pos() + QPoint(630, 300), QSize(280, 140));
        saveImage(w->grab(editor).toImage().scaled(editor.size() * 2),
                  QStringLiteral("editor_%1.png").arg(QLatin1String(tag)));
        const std::pair<ProgramText, const char*> shown[] = {
            {ProgramText::MacroCutInMouse, "cut_in_mouse"},
            {ProgramText::MacroLibraryFull, "library_full"},
            {ProgramText::MacroCutToSlot, "cut_to_slot"}};
        for (const auto& [t, name] : shown) {
            const QString notice = QString::fromStdString(
                formatText(programText(t, id), {"Rocket Jump Combo 12", "1998"}));
            CDlgInfo box(notice, InfoButtons::Ok, InfoCountdown::None, id);
            save(box,
                 QStringLiteral("notice_%1_%2.png").arg(QLatin1String(name), QLatin1String(tag)));
        }
    }
}

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    g_programDir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(Z408_PROGRAM_DIR);
    g_out = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QStringLiteral("/tmp/z408-gallery");
    if (!QDir().mkpath(g_out)) {
        std::fprintf(stderr, "skingallery: cannot create %s\n", qPrintable(g_out));
        return 1;
    }

    {
        auto w = mainWindow(1, QStringLiteral("Choose which DPI values the mouse offers"));
        settingsPage(*placePage(*w, "settings"));
        save(*w, QStringLiteral("main_settings.png"));
    }
    {
        auto w = mainWindow(2, QString());
        lightingPage(*placePage(*w, "lighting"));
        save(*w, QStringLiteral("main_lighting.png"));
    }
    {
        auto w = mainWindow(3, QStringLiteral("Record a macro"));
        macroPage(*placePage(*w, "macro"));
        save(*w, QStringLiteral("main_macro.png"));
    }
    {
        auto w = mainWindow(4, QString());
        statsPage(*placePage(*w, "stats"), 6);
        save(*w, QStringLiteral("main_stats.png"));
    }
    {
        auto w = mainWindow(5, QStringLiteral("Check for a firmware update"));
        supportPage(*placePage(*w, "support"));
        save(*w, QStringLiteral("main_support.png"));
    }
    pickers(2, QString());
    pickers(1, QStringLiteral("_zh"));
    infoBox(true, QStringLiteral("Do you want to restore the default setting?"),
            QStringLiteral("dialog_info_two.png"));
    infoBox(false, QStringLiteral("The mouse cannot be found."),
            QStringLiteral("dialog_info_timed.png"));
    progressDialog();
    editorAndNotices();
    menus();
    sheets();
    return 0;
}
