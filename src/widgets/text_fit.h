// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// Every text the skin widgets paint into a place of fixed size is fitted here, so that whether a
// text is cut is decided in one place: painting uses the result, and a watch set up by a test
// hears of every cut or overflow with the control and the text.
#include <QFont>
#include <QString>
#include <vector>

class QObject;
class QPainter;

namespace z408 {

// `text` on one line of `width` pixels in `font`: the text itself, or cut with an ellipsis.
// `where` names the control for a watch.
QString fitLine(const QString& text, const QFont& font, int width, const QObject* where);

// The same in the painter's font, for the control the painter paints on.
QString fitLine(const QString& text, const QPainter& painter, int width);

// Tells a watch that `text` needs `needed` pixels where its place has `room` (for texts drawn
// whole whatever their size, and for wrapped texts that need more lines than their place has).
void noteOverflow(const QString& text, int needed, int room, const QObject* where);

// `where` as a path of object names or class names from the window down, for reports.
QString controlPath(const QObject* where);

struct TextCut {
    QString control;
    QString text;
    int needed = 0;
    int room = 0;
};

// While one exists, every cut or overflow painted is recorded in it (GUI thread only; the last
// watch made is the one that records).
class TextCutWatch {
  public:
    TextCutWatch();
    ~TextCutWatch();
    TextCutWatch(const TextCutWatch&) = delete;
    TextCutWatch& operator=(const TextCutWatch&) = delete;

    void record(TextCut cut);
    std::vector<TextCut> cuts;

  private:
    TextCutWatch* previous_;
};

}  // namespace z408
