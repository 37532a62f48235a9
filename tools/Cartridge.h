// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace zoot::tools {

struct CartridgeRecipe {
    QByteArray title;              // raw bytes for 0x134.., at most 16 are used
    std::optional<quint8> cgbFlag; // written at 0x143 over the title when set
    quint8 sgbFlag = 0x00;         // 0x146
    qint64 size = 32 * 1024;       // whole image; 512 gives a header-only image
};

// A runnable ROM-only image: a jump to an endless loop at 0x150, the old
// licensee byte 0x33 (needed for the Super Game Boy functions), and correct
// header and global checksums.
QByteArray makeCartridge(const CartridgeRecipe &recipe);

// The header checksum byte (0x14D) that bytes 0x134-0x14C of rom call for.
quint8 headerChecksum(const QByteArray &rom);

// Writes bytes to path; false when the file cannot be written completely.
bool writeFile(const QString &path, const QByteArray &bytes);

} // namespace zoot::tools
