// SPDX-License-Identifier: MIT
#pragma once

#include <QFont>
#include <QRect>
#include <QString>

namespace zoot {

// Window geometry is designed in twips: 15 twips make one device-independent
// pixel (Qt scales pixels for high-density screens itself).
inline constexpr double kTwipsPerPixel = 15.0;

inline int px(int twips)
{
    return qRound(twips / kTwipsPerPixel);
}

inline QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(px(left), px(top), px(width), px(height));
}

// A design font; where the family is not installed, the style hint picks a
// like one, so the fixed-pitch games list stays fixed-pitch.
inline QFont designFont(const QString &family, qreal points, bool bold = false)
{
    QFont font(family);
    font.setPointSizeF(points);
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    const bool fixedPitch = family.compare(QLatin1String("Courier"), Qt::CaseInsensitive) == 0;
    font.setStyleHint(fixedPitch ? QFont::TypeWriter : QFont::SansSerif);
    font.setFixedPitch(fixedPitch);
    return font;
}

} // namespace zoot
