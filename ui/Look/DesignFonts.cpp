// SPDX-License-Identifier: MIT
#include "ui/Look/DesignFonts.h"

#include <QFile>
#include <QFontDatabase>

namespace zoot {

namespace {

constexpr const char *kWineFontFolder = "/usr/share/wine/fonts";
const QString kTahoma = QStringLiteral("Tahoma");

void loadTahoma()
{
    if (QFontDatabase::families().contains(kTahoma))
        return;
    for (const char *file : {"tahoma.ttf", "tahomabd.ttf"}) {
        const QString path = QString::fromLatin1(kWineFontFolder) + u'/' + QLatin1String(file);
        if (QFile::exists(path))
            QFontDatabase::addApplicationFont(path);
    }
}

QFont designFont(const QString &family, qreal points, bool bold = false)
{
    static const bool loaded = (loadTahoma(), true);
    Q_UNUSED(loaded);
    QFont font(family);
    font.setPointSizeF(points);
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    const bool fixedPitch = family.compare(QLatin1String("Courier"), Qt::CaseInsensitive) == 0;
    font.setStyleHint(fixedPitch ? QFont::TypeWriter : QFont::SansSerif);
    font.setFixedPitch(fixedPitch);
    return font;
}

} // namespace

QFont windowFont()
{
    return designFont(kTahoma, 7.8);
}

QFont boldLabelFont()
{
    return designFont(kTahoma, 7.8, true);
}

QFont buttonFont()
{
    return designFont(kTahoma, 10.2, true);
}

QFont listFont()
{
    return designFont(kTahoma, 7.2);
}

QFont gamesListFont()
{
    return designFont(QStringLiteral("Courier"), 9.6);
}

} // namespace zoot
