// SPDX-License-Identifier: MIT
#pragma once

#include <QIcon>

namespace zoot {

// The program's pictures are drawn here rather than shipped as files.
QIcon handheldIcon(); // a handheld console, 32x32: the main window's icon
QIcon homepageIcon(); // a globe, 32x32 and 48x48

} // namespace zoot
