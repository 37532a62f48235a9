// SPDX-License-Identifier: MIT
#include "platform/DesignFonts.h"

#include <QFile>
#include <QFontDatabase>

namespace zoot {

namespace {

constexpr const char *kWineFontFolder = "/usr/share/wine/fonts";

void loadTahoma()
{
    if (QFontDatabase::families().contains(QStringLiteral("Tahoma")))
        return;
    for (const char *file : {"tahoma.ttf", "tahomabd.ttf"}) {
        const QString path = QString::fromLatin1(kWineFontFolder) + u'/' + QLatin1String(file);
        if (QFile::exists(path))
            QFontDatabase::addApplicationFont(path);
    }
}

} // namespace

QFont designFont(const QString &family, qreal points, bool bold)
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

} // namespace zoot
