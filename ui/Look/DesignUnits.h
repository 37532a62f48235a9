// SPDX-License-Identifier: MIT
#pragma once

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

} // namespace zoot
