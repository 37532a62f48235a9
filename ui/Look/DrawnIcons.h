// SPDX-License-Identifier: MIT
#pragma once

#include <QIcon>
#include <QImage>

namespace zoot {

// The program's pictures are drawn here rather than shipped as files.
QIcon handheldIcon(); // a handheld console, 32x32: the main window's icon
QImage handheldPicture(int size); // the same at any size: the desktop's icon
QIcon homepageIcon(); // a globe, 32x32 and 48x48

} // namespace zoot
