#include "widgets/skin_image.h"

#include <QFile>

namespace z408 {

QImage LoadSkinImage(const QString& path)
{
    QImage img;
    if (!img.load(path)) return {};
    return img;
}

QImage loadResourceImage(int number)
{
    for (const char* ext : {"png", "bmp"}) {
        QString path = QStringLiteral(":/res/%1.%2").arg(number).arg(QLatin1String(ext));
        if (QFile::exists(path)) return LoadSkinImage(path);
    }
    return {};
}

QString skinPath(const QString& programDirectory, const QString& relative)
{
    return programDirectory + QStringLiteral("/skins/") + relative;
}

QFont skinFont(int pixelHeight, int weight)
{
    QFont f;
    f.setFamilies({QStringLiteral("Noto Sans"), QStringLiteral("Noto Sans CJK SC"), QStringLiteral("DejaVu Sans")});
    f.setPixelSize(pixelHeight);
    f.setWeight(static_cast<QFont::Weight>(weight));
    return f;
}

}  // namespace z408
