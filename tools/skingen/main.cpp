// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

// Build-time generator of the skin images beside the program and of the numbered built-in
// bitmaps, all drawn from the layout table.
//   z408_skingen <program-dir> <resource-dir> <languagetype.ini>
// Writes <program-dir>/skins/..., <program-dir>/icons/hicolor/...,
// <resource-dir>/<number>.{bmp,png} and <resource-dir>/skins.qrc.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QSettings>
#include <QSvgGenerator>
#include <QTextStream>
#include <cstdio>

#include "common/resource_numbers.h"
#include "i18n/languages.h"
#include "skin_painter.h"
#include "widgets/trophy_caption.h"

using namespace z408;
using skingen::State;

namespace {

bool g_ok = true;

void save(const QImage& img, const QString& path) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (!img.save(path)) {
        std::fprintf(stderr, "skingen: cannot write %s\n", qPrintable(path));
        g_ok = false;
    }
}

State applyOnly(const skin::Control& c, State s) {
    return c.name == "apply" ? s : State::Normal;
}

State buttonTabsOnly(const skin::Control& c, State s) {
    return c.name.rfind("button", 0) == 0 && c.look == skin::Look::QuadTab ? s : State::Normal;
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr,
                     "usage: z408_skingen <program-dir> <resource-dir> <languagetype.ini>\n");
        return 2;
    }
    const QString skins = QString::fromLocal8Bit(argv[1]) + QStringLiteral("/skins/");
    const QString res = QString::fromLocal8Bit(argv[2]) + QStringLiteral("/");
    // The installation language decides which layout the page images are drawn in.
    QSettings ini(QString::fromLocal8Bit(argv[3]), QSettings::IniFormat);
    const bool chinese = ini.value(QStringLiteral("languagetype/value"), 0).toInt() == 1;
    const skin::Layout layout = chinese ? skin::Layout::Chinese : skin::Layout::English;

    QStringList resources;
    auto saveRes = [&](const QImage& img, int number, const char* ext) {
        QString name = QString::number(number) + QLatin1Char('.') + QLatin1String(ext);
        save(img, res + name);
        resources << name;
    };

    const State states[3] = {State::Normal, State::Down, State::Over};
    for (const skin::PageSkin& page : skin::pageSkins(layout)) {
        for (size_t i = 0; i < 3; ++i) {
            const QString file = QString::fromStdString(page.files[i]);
            if (file.isEmpty()) continue;
            QImage img = skingen::renderPage(page, states[i]);
            bool numbered = false;
            int number = file.toInt(&numbered);
            if (numbered)
                saveRes(img, number, "bmp");
            else
                save(img, skins + file);
        }
    }

    // Apply button looks (normal, pressed, hover) and the main settings page's button tabs
    // (pressed, normal, hover), in Chinese and in English.
    for (int zh = 0; zh < 2; ++zh) {
        skin::Layout l = zh ? skin::Layout::Chinese : skin::Layout::English;
        skin::PageSkin mainPage = skin::pageSkin("main", l);
        int base = zh ? res::kApplyChinese : res::kApplyEnglish;
        saveRes(skingen::renderPage(mainPage, &applyOnly, State::Normal), base, "bmp");
        saveRes(skingen::renderPage(mainPage, &applyOnly, State::Down), base + 1, "bmp");
        saveRes(skingen::renderPage(mainPage, &applyOnly, State::Over), base + 2, "bmp");
        skin::PageSkin settings = skin::pageSkin("settings", l);
        int tabs = zh ? res::kButtonTabsChinese : res::kButtonTabsEnglish;
        saveRes(skingen::renderPage(settings, &buttonTabsOnly, State::Down), tabs, "bmp");
        saveRes(skingen::renderPage(settings, &buttonTabsOnly, State::Normal), tabs + 1, "bmp");
        saveRes(skingen::renderPage(settings, &buttonTabsOnly, State::Over), tabs + 2, "bmp");
    }
    saveRes(skingen::renderScrollSkin(), res::kScrollSkin, "bmp");
    saveRes(skingen::renderTrayIcon(64), res::kTrayIcon, "png");
    saveRes(skingen::renderPopupBackground(), res::kPopupBackground, "png");
    for (const LanguageInfo& language : kLanguages) {
        saveRes(skingen::renderFlag(language.id, QSize(19, 11)), language.menuIconResource, "png");
        saveRes(skingen::renderFlag(language.id, QSize(37, 22)), language.indicatorResource, "bmp");
    }
    saveRes(skingen::renderMenuIcon(true), res::kMenuIconExit, "png");
    saveRes(skingen::renderMenuIcon(false), res::kMenuIconConfig, "png");

    // The desktop entry's icon in the hicolor theme's sizes and as a scalable SVG, from the one
    // drawing of the tray icon.
    const QString hicolor = QString::fromLocal8Bit(argv[1]) + QStringLiteral("/icons/hicolor/");
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
        save(skingen::renderTrayIcon(size),
             hicolor + QStringLiteral("%1x%1/apps/z408.png").arg(size));
    {
        const QString svgPath = hicolor + QStringLiteral("scalable/apps/z408.svg");
        QDir().mkpath(QFileInfo(svgPath).absolutePath());
        QSvgGenerator svg;
        svg.setFileName(svgPath);
        svg.setSize(QSize(256, 256));
        svg.setViewBox(QRect(0, 0, 256, 256));
        svg.setTitle(QStringLiteral("Z408"));
        QPainter painter;
        if (painter.begin(&svg)) {
            skingen::paintTrayIcon(painter, 256);
            painter.end();
        } else {
            std::fprintf(stderr, "skingen: cannot write %s\n", qPrintable(svgPath));
            g_ok = false;
        }
    }

    save(skingen::renderSliderThumb(), skins + QStringLiteral("Slider.png"));
    const char* iconNames[3] = {"up", "down", "delay"};
    for (int k = 0; k < 3; ++k) {
        save(skingen::renderListIcon(k + 2, false),
             skins + QString::fromLatin1(iconNames[k]) + "_normal.png");
        save(skingen::renderListIcon(k + 2, true),
             skins + QString::fromLatin1(iconNames[k]) + "_select.png");
    }
    const char* menuStates[3] = {"Nor", "Down", "Over"};
    for (size_t i = 0; i < 3; ++i) {
        save(skingen::renderPresetItem(states[i], false),
             skins + "Menu/Menu" + menuStates[i] + "L.BMP");
        save(skingen::renderPresetItem(states[i], true),
             skins + "Menu/Menu" + menuStates[i] + "HaveSub.BMP");
    }
    for (int level = 0; level < kTrophyLevels; ++level)
        save(skingen::renderTrophy(level),
             skins + QStringLiteral("trophy/trophy%1Down.bmp").arg(level));

    // The resource collection compiled into the program (":/res/<number>.<ext>").
    QFile qrc(res + QStringLiteral("skins.qrc"));
    if (!qrc.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        std::fprintf(stderr, "skingen: cannot write %s\n", qPrintable(qrc.fileName()));
        return 1;
    }
    QTextStream out(&qrc);
    out << "<RCC>\n  <qresource prefix=\"/res\">\n";
    for (const QString& name : resources) out << "    <file>" << name << "</file>\n";
    out << "  </qresource>\n</RCC>\n";
    return g_ok ? 0 : 1;
}
