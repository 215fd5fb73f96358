#include "widgets/skin_image.h"

#include <QFile>
#include <QPainter>
#include <algorithm>

namespace z408 {

QImage LoadSkinImage(const QString& path) {
    QImage img;
    if (!img.load(path)) return {};
    return img;
}

QImage loadResourceImage(int number) {
    for (const char* ext : {"png", "bmp"}) {
        QString path = QStringLiteral(":/res/%1.%2").arg(number).arg(QLatin1String(ext));
        if (QFile::exists(path)) return LoadSkinImage(path);
    }
    return {};
}

QImage dimmedImage(const QImage& normal) {
    if (normal.isNull()) return normal;
    QImage img = normal.convertToFormat(QImage::Format_RGB32);
    QPainter p(&img);
    p.fillRect(img.rect(), QColor(10, 11, 14, 140));
    return img;
}

QString skinPath(const QString& programDirectory, const QString& relative) {
    return programDirectory + QStringLiteral("/skins/") + relative;
}

QFont skinFont(int pixelHeight, int weight) {
    QFont f;
    f.setFamilies({QStringLiteral("Noto Sans"), QStringLiteral("Noto Sans CJK SC"),
                   QStringLiteral("DejaVu Sans")});
    // Heights are character-cell heights, as the skins were laid out for; the glyphs of Noto Sans
    // fill a cell of that height at about 86 % of it.
    f.setPixelSize(std::max(1, (pixelHeight * 86 + 50) / 100));
    f.setWeight(static_cast<QFont::Weight>(weight));
    return f;
}

}  // namespace z408
