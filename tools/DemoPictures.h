// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>

namespace zoot::tools {

// Background pictures drawn for the demo folder and the tests.
QByteArray demoBitmap();   // a .bmp gradient
QByteArray demoStarsGif(); // a .gif star field

} // namespace zoot::tools
