// SPDX-License-Identifier: MIT
#pragma once

#include <QFont>

namespace zoot {

// The fonts the windows are designed in. "Tahoma" is used where it is
// installed; otherwise Wine's Tahoma-metric faces (Debian's fonts-wine, kept
// outside fontconfig's path) are loaded for the program, so captions take the
// room they were designed for. "Courier" falls back to any fixed-pitch face,
// so the games list's columns line up.
QFont windowFont();    // "Tahoma" 7.8: every control that names no font of its own
QFont boldLabelFont(); // "Tahoma" 7.8 bold: the About window's lines
QFont buttonFont();    // "Tahoma" 10.2 bold: the main push buttons
QFont listFont();      // "Tahoma" 7.2: the drop-down lists
QFont gamesListFont(); // "Courier" 9.6: the games list

} // namespace zoot
