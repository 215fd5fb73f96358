// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "skin_page.h"

#include <QPainter>

#include "i18n/languages.h"
#include "pages/skin_controls.h"
#include "widgets/bitmap_edit.h"
#include "widgets/color_btn.h"
#include "widgets/gdi_bitmap_btn.h"
#include "widgets/irr_button.h"
#include "widgets/list_box_ex.h"
#include "widgets/png_h_slider.h"
#include "widgets/png_h_slider_bar.h"
#include "widgets/skin_caption.h"
#include "widgets/skin_image.h"
#include "widgets/skin_scroll_wnd.h"

namespace z408::gallery {

using skin::Look;

SkinPage::SkinPage(const skin::PageSkin& page, const QString& programDir, QWidget* parent)
    : QWidget(parent), page_(page) {
    for (int i = 0; i < 3; ++i) {
        const QString file = QString::fromStdString(page.files[static_cast<size_t>(i)]);
        bool numbered = false;
        const int number = file.toInt(&numbered);
        images_[i] = file.isEmpty() ? images_[0]
                     : numbered     ? loadResourceImage(number)
                                    : LoadSkinImage(skinPath(programDir, file));
    }
    if (images_[2].isNull()) images_[2] = images_[0];
    resize(page.width, page.height);
    for (const skin::Control& c : page.controls) build(c, programDir);
}

void SkinPage::build(const skin::Control& c, const QString& programDir) {
    const QString name = QString::fromStdString(c.name);
    const QRect r = toQRect(c.rect);
    // As on the pages: a control the normal image leaves out takes its normal look from the
    // hover image.
    const QImage& normal = c.hiddenUntilUsed ? images_[2] : images_[0];
    QWidget* w = nullptr;
    switch (c.look) {
        case Look::Button:
        case Look::Toggle:
        case Look::Check:
        case Look::Radio:
        case Look::Chip:
        case Look::Tab:
        case Look::Swatch:
        case Look::Arrow:
        case Look::Glyph:
        case Look::Marker:
        case Look::Trophy:
        case Look::TrophyStage:
        case Look::LevelBar: {
            auto* b = new CGDIBitmapBtn(this);
            b->SetBitmaps(r, normal, images_[2], images_[1], normal);
            const bool twoState =
                c.look != Look::Button && c.look != Look::Arrow && c.look != Look::Glyph;
            b->setCheckMode(twoState ? CGDIBitmapBtn::CheckMode::Latch
                                     : CGDIBitmapBtn::CheckMode::Off);
            if (c.text != ProgramText::Count)
                b->SetSkinCaption(c, [c] { return captionText(c, kLanguageEnglish); });
            w = b;
            break;
        }
        case Look::QuadTab: {
            auto* b = new CIrrButton(this);
            QPolygon poly;
            for (const skin::Point& p : c.quad) poly << QPoint(p.x, p.y);
            b->Create(QString(), poly, this);
            b->SetImages(images_[0], images_[2], images_[1], images_[0]);
            b->setCheckMode(true);
            if (c.text != ProgramText::Count)
                b->SetSkinCaption(c, [c] { return captionText(c, kLanguageEnglish); });
            w = b;
            break;
        }
        case Look::Track: {
            auto* s = new CPngHSliderBar(this);
            s->Create(skinPath(programDir, QStringLiteral("Slider.png")), c.rect.left,
                      c.rect.top - 4, c.rect.right, c.rect.bottom + 4, this, 0);
            s->SetBackground(c.rect.left, c.rect.top - 4, c.rect.width(), c.rect.height() + 8,
                             images_[0]);
            s->SetTrackRect(c.rect.left, c.rect.top - 4, c.rect.right, c.rect.bottom + 4);
            s->thumb()->SetPlacement(1);
            s->SetRange(c.firstStop, c.lastStop);
            s->SetPos(c.firstStop);
            w = s;
            break;
        }
        case Look::Field: {
            auto* e = new CBitmapEdit(this, 13);
            e->setGeometry(r.adjusted(3, 1, -3, -1));
            e->SetBackground(r.left() + 3, r.top() + 1, r.width() - 6, r.height() - 2, normal);
            e->setAlignment(Qt::AlignCenter);
            QPalette pal = e->palette();
            pal.setColor(QPalette::Text, QColor(21, 140, 185));
            e->setPalette(pal);
            w = e;
            break;
        }
        case Look::ListFrame: {
            auto* l = new CListBoxEx(this);
            l->setGeometry(r.adjusted(1, 1, -1, -1));
            l->SetBackgroundColour(QColor(20, 20, 20), QColor(37, 41, 48));
            l->SetTextColours(QColor(150, 156, 168), QColor(21, 160, 210));
            l->SetItemHeight(18);
            SkinWndScroll(l, loadResourceImage(166));
            w = l;
            break;
        }
        case Look::ColourWell: {
            auto* b = new CColorBtn(this);
            b->setGeometry(r.adjusted(3, 3, -3, -3));
            b->setDrawBorder(true);
            w = b;
            break;
        }
        default:
            return;
    }
    w->setObjectName(name);
    controls_.insert(name, w);
}

void SkinPage::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(0, 0, images_[0]);
    // The previews are English: the pages draw the language texts over their images the same way.
    paintLanguageCaptions(p, page_, kLanguageEnglish, rect());
    p.setRenderHint(QPainter::TextAntialiasing);
    for (const PaintedText& t : texts_) {
        p.setFont(skinFont(t.pixelSize, QFont::Normal));
        p.setPen(t.colour);
        p.drawText(t.rect, t.flags, t.text);
    }
}

}  // namespace z408::gallery
