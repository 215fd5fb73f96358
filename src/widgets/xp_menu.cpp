// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "widgets/xp_menu.h"

#include <QPainter>
#include <QProxyStyle>
#include <QStyleOptionMenuItem>
#include <algorithm>

#include "widgets/skin_image.h"
#include "widgets/text_fit.h"

namespace z408 {

namespace {

const QColor kSelectedFill(177, 185, 207), kSelectedFrame(49, 106, 197), kFill(219, 216, 209);
const QColor kSelectedText(0, 60, 145), kText(0, 0, 0);

QFont itemFont() {
    QFont font(QStringLiteral("Arial"));
    font.setFamilies(
        {QStringLiteral("Arial"), QStringLiteral("Noto Sans"), QStringLiteral("DejaVu Sans")});
    font.setPixelSize(12);  // a 14-pixel character cell
    font.setWeight(QFont::Medium);
    return font;
}

class XPMenuStyle : public QProxyStyle {
  public:
    XPMenuStyle() : QProxyStyle(QStringLiteral("Fusion")) {}

    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget) const override {
        if (type == CT_MenuItem) {
            // 75 wide, or wider for a text that would not fit beside the icon column (the text
            // starts 33 pixels in; 4 more keep it off the edge).
            const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
            const int text = item ? QFontMetrics(itemFont()).horizontalAdvance(item->text) : 0;
            return QSize(std::max(75, 33 + text + 4), 22);
        }
        return QProxyStyle::sizeFromContents(type, option, size, widget);
    }

    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override {
        switch (metric) {
            case PM_MenuPanelWidth:
                return 1;
            case PM_MenuHMargin:
            case PM_MenuVMargin:
                return 0;
            default:
                return QProxyStyle::pixelMetric(metric, option, widget);
        }
    }

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* p,
                     const QWidget* widget) const override {
        const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
        if (element != CE_MenuItem || !item) {
            QProxyStyle::drawControl(element, option, p, widget);
            return;
        }
        const QRect r = item->rect;
        const bool selected =
            item->state.testFlag(State_Selected) && item->state.testFlag(State_Enabled);
        const QPixmap icon = item->icon.pixmap(16, 16);
        const QPoint iconAt(r.left() + (25 - 16) / 2, r.top() + (r.height() - 16) / 2);
        p->save();
        if (selected) {
            p->setPen(kSelectedFrame);
            p->setBrush(kSelectedFill);
            p->drawRect(r.adjusted(0, 0, -1, -1));
            if (!icon.isNull()) p->drawPixmap(iconAt - QPoint(1, 1), icon);
        } else {
            p->fillRect(QRect(r.left(), r.top(), 25, r.height()), kFill);
            p->fillRect(QRect(r.left() + 25, r.top(), r.width() - 25, r.height()), kFill);
            if (!icon.isNull()) p->drawPixmap(iconAt, icon);
        }
        // A switch item shows its state in the icon column.
        if (icon.isNull() && item->checkType == QStyleOptionMenuItem::NonExclusive &&
            item->checked) {
            p->setPen(QPen(selected ? kSelectedText : kText, 2));
            const QPoint c = iconAt + QPoint(8, 8);
            p->drawPolyline(QPolygon({c + QPoint(-5, 0), c + QPoint(-2, 4), c + QPoint(5, -4)}));
        }
        p->setFont(itemFont());
        p->setPen(selected ? kSelectedText : kText);
        const QRect textRect(r.left() + 25 + 8, r.top(), r.width() - 33, r.height());
        p->drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                    fitLine(item->text, p->font(), textRect.width(), widget));
        p->restore();
    }
};

}  // namespace

CXPMenu::CXPMenu(QWidget* parent) : QMenu(parent) {
    auto* style = new XPMenuStyle;
    style->setParent(this);
    setStyle(style);
    connect(this, &QMenu::triggered, this,
            [this](QAction* action) { emit commandChosen(action->data().toInt()); });
}

QAction* CXPMenu::AddItem(int iconResource, const QString& text, int commandId) {
    return AddItem(loadResourceImage(iconResource), text, commandId);
}

QAction* CXPMenu::AddItem(const QImage& icon, const QString& text, int commandId) {
    QAction* action = addAction(QIcon(QPixmap::fromImage(icon)), text);
    action->setData(commandId);
    return action;
}

}  // namespace z408
