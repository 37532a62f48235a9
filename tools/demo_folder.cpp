// SPDX-License-Identifier: MIT
// zoot-demo-folder DIR
// Fills DIR with what the launcher expects beside it: a Roms folder of
// generated cartridges, two background pictures and the text document.
#include "tools/Cartridge.h"
#include "tools/DemoPictures.h"

#include <QCoreApplication>
#include <QDir>
#include <QTextStream>

using zoot::tools::CartridgeRecipe;
using zoot::tools::makeCartridge;
using zoot::tools::writeFile;

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTextStream err(stderr);
    if (app.arguments().size() != 2) {
        err << "usage: zoot-demo-folder DIR\n";
        return 2;
    }
    const QDir dir(app.arguments().at(1));
    if (!dir.mkpath(QStringLiteral("Roms"))) {
        err << "zoot-demo-folder: cannot create " << dir.filePath(QStringLiteral("Roms")) << "\n";
        return 1;
    }
    struct Demo {
        const char *file;
        CartridgeRecipe recipe;
    };
    const Demo demos[] = {
        {"space_racer.gb", {"SPACE RACER", 0x00, 0x00}},
        {"Bubble Garden.gbc", {"BUBBLE GARDEN", 0x80, 0x00}},
        {"color-quest.cgb", {"COLOR QUEST", 0xC0, 0x00}},
        {"tower.gb", {"Tower Of Bits", 0x00, 0x03}},
        {"duel.gb", {"PIXEL DUEL", 0x80, 0x03}},
        {"alpha.gb", {"alpha centauri", 0x00, 0x00}},
        {"untitled homebrew.gb", {"", 0x00, 0x00}},
        {"maze.GB", {"MAZE RUNNER", 0x00, 0x00}},
    };
    bool ok = true;
    for (const Demo &demo : demos)
        ok &= writeFile(dir.filePath(QStringLiteral("Roms/") + QLatin1String(demo.file)), makeCartridge(demo.recipe));
    ok &= writeFile(dir.filePath(QStringLiteral("back.bmp")), zoot::tools::demoBitmap());
    ok &= writeFile(dir.filePath(QStringLiteral("stars.gif")), zoot::tools::demoStarsGif());
    ok &= writeFile(dir.filePath(QStringLiteral("ZOOTfront.txt")),
                    "ZOOTfront - a launcher for the ZOOT Game Boy emulator.\n\n"
                    "Pick a game, set the options, press Play with the left mouse button to start it,\n"
                    "or with any other button to see the command line. The right mouse button on the\n"
                    "games list reads the Roms folder again.\n");
    if (!ok) {
        err << "zoot-demo-folder: could not write every file in " << dir.path() << "\n";
        return 1;
    }
    return 0;
}
