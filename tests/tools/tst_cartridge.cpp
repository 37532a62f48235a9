// SPDX-License-Identifier: MIT
#include "catalogue/HeaderProbes.h"
#include "platform/QtPlatform.h"
#include "tests/support/AppFolder.h"
#include "tools/Cartridge.h"

#include <QtTest>

using namespace zoot;
using zoot::tools::CartridgeRecipe;

class CartridgeTest : public QObject {
    Q_OBJECT

private slots:
    // The checksum bytes of this recipe were worked out by hand once; the
    // shared corpus's test checks the header checksum against real images.
    void generatedImagesCarryWhatWasAskedFor()
    {
        CartridgeRecipe recipe;
        recipe.title = "DEMO GAME";
        recipe.cgbFlag = 0x80;
        recipe.sgbFlag = 0x03;
        const QByteArray rom = tools::makeCartridge(recipe);
        QCOMPARE(rom.size(), 32 * 1024);
        QCOMPARE(quint8(rom.at(0x14B)), quint8(0x33));
        QCOMPARE(quint8(rom.at(0x14D)), quint8(0xD1));
        QCOMPARE(rom.mid(0x14E, 2), QByteArray("\x06\x11"));

        test::AppFolder folder;
        const QString path = folder.addRaw(QStringLiteral("Roms/demo.gb"), rom);
        QtPlatform platform(folder.path());
        QCOMPARE(TitleProbe(*platform.openFolder(folder.romsPath()), QStringLiteral("demo.gb")), QStringLiteral("DEMO GAME"));
        QCOMPARE(ColourProbe(platform, path), QStringLiteral("CGB"));
        QCOMPARE(SuperProbe(platform, path), QStringLiteral("SGB"));
    }
};

QTEST_GUILESS_MAIN(CartridgeTest)
#include "tst_cartridge.moc"
