// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "widgets/text_fit.h"

#include <QFontMetrics>
#include <QObject>
#include <QPainter>
#include <QStringList>
#include <QWidget>
#include <algorithm>

namespace z408 {
namespace {

TextCutWatch* g_watch = nullptr;

}  // namespace

QString controlPath(const QObject* where) {
    QStringList parts;
    for (const QObject* o = where; o; o = o->parent()) {
        const QString name = o->objectName();
        parts.prepend(name.isEmpty() ? QString::fromLatin1(o->metaObject()->className()) : name);
    }
    return parts.join(QLatin1Char('/'));
}

QString fitLine(const QString& text, const QFont& font, int width, const QObject* where) {
    const QFontMetrics fm(font);
    const QString shown = fm.elidedText(text, Qt::ElideRight, std::max(0, width));
    if (shown != text && g_watch)
        g_watch->record({controlPath(where), text, fm.horizontalAdvance(text), width});
    return shown;
}

QString fitLine(const QString& text, const QPainter& painter, int width) {
    return fitLine(text, painter.font(), width, dynamic_cast<const QWidget*>(painter.device()));
}

void noteOverflow(const QString& text, int needed, int room, const QObject* where) {
    if (g_watch && needed > room) g_watch->record({controlPath(where), text, needed, room});
}

TextCutWatch::TextCutWatch() : previous_(g_watch) {
    g_watch = this;
}

TextCutWatch::~TextCutWatch() {
    g_watch = previous_;
}

void TextCutWatch::record(TextCut cut) {
    cuts.push_back(std::move(cut));
}

}  // namespace z408
