// SPDX-License-Identifier: MIT
#include "bench/BenchFolder.h"

#include "tools/Cartridge.h"
#include "tools/DemoPictures.h"

#include <QDir>
#include <QRandomGenerator>

namespace zoot::bench {

namespace {

const char *const kWords[] = {"SPACE", "racer", "Quest", "of", "THE", "bits", "Pixel", "dungeon", "LEGEND",
                              "zone", "Mega", "blaster", "tetra", "ZERO", "kid", "Alpha"};

QByteArray title(QRandomGenerator &random, int index)
{
    if (index % 17 == 0)
        return {}; // listed under its file name
    if (index % 23 == 0)
        return "SAME TITLE";
    QByteArray text;
    const int words = 1 + int(random.bounded(4));
    for (int w = 0; w < words; ++w) {
        if (!text.isEmpty())
            text.append(' ');
        text.append(kWords[random.bounded(int(std::size(kWords)))]);
    }
    return text.left(1 + int(random.bounded(16)));
}

} // namespace

void makeBenchFolder(const QString &folder, int count)
{
    QDir(folder).removeRecursively();
    QDir().mkpath(folder + QStringLiteral("/Roms"));
    QRandomGenerator random(20261208);
    tools::CartridgeRecipe recipe;
    recipe.size = 512;
    for (int i = 0; i < count; ++i) {
        recipe.title = title(random, i);
        recipe.cgbFlag = (i % 3 == 0) ? std::optional<quint8>(0x80) : std::nullopt;
        recipe.sgbFlag = (i % 5 == 0) ? 0x03 : 0x00;
        tools::writeFile(QStringLiteral("%1/Roms/game %2.gb").arg(folder).arg(i, 6, 10, QLatin1Char('0')),
                         tools::makeCartridge(recipe));
    }
    tools::writeFile(folder + QStringLiteral("/back.bmp"), tools::demoBitmap());
    tools::writeFile(folder + QStringLiteral("/stars.gif"), tools::demoStarsGif());
    tools::writeFile(folder + QStringLiteral("/night.gif"), tools::demoStarsGif());
}

} // namespace zoot::bench
