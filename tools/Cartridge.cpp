// SPDX-License-Identifier: MIT
#include "tools/Cartridge.h"

#include <QFile>

namespace zoot::tools {

QByteArray makeCartridge(const CartridgeRecipe &recipe)
{
    QByteArray rom(qMax<qint64>(recipe.size, 0x150 + 2), '\0');
    auto at = [&rom](int offset) -> char & { return rom[offset]; };

    // Entry point: nop; jp 0x150. At 0x150: jr -2, an endless loop.
    at(0x100) = 0x00;
    at(0x101) = char(0xC3);
    at(0x102) = 0x50;
    at(0x103) = 0x01;
    at(0x150) = 0x18;
    at(0x151) = char(0xFE);

    for (int i = 0; i < qMin<int>(recipe.title.size(), 16); ++i)
        at(0x134 + i) = recipe.title.at(i);
    if (recipe.cgbFlag)
        at(0x143) = char(*recipe.cgbFlag);
    at(0x146) = char(recipe.sgbFlag);
    at(0x147) = 0x00; // ROM only
    at(0x148) = 0x00; // 32 KiB
    at(0x149) = 0x00; // no RAM
    at(0x14A) = 0x01; // overseas
    at(0x14B) = 0x33;

    at(0x14D) = char(headerChecksum(rom));

    quint16 globalSum = 0;
    for (qsizetype i = 0; i < rom.size(); ++i) {
        if (i != 0x14E && i != 0x14F)
            globalSum = quint16(globalSum + quint8(rom.at(i)));
    }
    at(0x14E) = char(globalSum >> 8);
    at(0x14F) = char(globalSum & 0xFF);
    return rom;
}

quint8 headerChecksum(const QByteArray &rom)
{
    quint8 sum = 0;
    for (int i = 0x134; i <= 0x14C && i < rom.size(); ++i)
        sum = quint8(sum - quint8(rom.at(i)) - 1);
    return sum;
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

} // namespace zoot::tools
