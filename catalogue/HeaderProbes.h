// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace zoot {

class Folder;
class Platform;

// The three facts read from a cartridge header. Each probe reads the image
// afresh and closes it before it returns; a file that cannot be read, or that
// ends before the probe has its answer, raises ZootError.

// The title area 0x134-0x143 of the image name in an opened folder: its 16
// bytes as Latin-1 characters, leaving out 0x00 and 0x80 anywhere and 0xC0 in
// the last position (the colour flag).
QString TitleProbe(const Folder &folder, const QString &name);

// "CGB" or "NoCGB", from the colour flag at 0x143: 0x80 and 0xC0 give "CGB",
// 0x00 "NoCGB"; any other value leaves it to the first later 0x00 or 0x80
// within the first 16 KiB bank, and "NoCGB" when there is none.
QString ColourProbe(const Platform &platform, const QString &path);

// "GB", "SGB" or the flag byte at 0x146 as a one-character string.
QString SuperProbe(const Platform &platform, const QString &path);

} // namespace zoot
