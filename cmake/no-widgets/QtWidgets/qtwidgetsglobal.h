// SPDX-License-Identifier: MIT
// Found before Qt's own header of this name by the libraries that must work
// without the window system: any Qt Gui or Qt Widgets header includes it.
#error "catalogue/, options/, launch/ and platform/ use no Qt Gui or Qt Widgets header"
