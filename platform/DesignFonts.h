// SPDX-License-Identifier: MIT
#pragma once

#include <QFont>
#include <QString>

namespace zoot {

// A font the windows are designed in: "Tahoma" for captions, "Courier" for
// the games list. Tahoma is used where it is installed; otherwise Wine's
// Tahoma-metric faces (Debian's fonts-wine, kept outside fontconfig's path)
// are loaded for the program, so captions take the room they were designed
// for. Other families fall back by style: the games list stays fixed-pitch.
QFont designFont(const QString &family, qreal points, bool bold = false);

} // namespace zoot
