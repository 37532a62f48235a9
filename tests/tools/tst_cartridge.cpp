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
    void generatedImagesCarryWhatWasAskedFor()
    {
        CartridgeRecipe recipe;
        recipe.title = "DEMO GAME";
        recipe.cgbFlag = 0x80;
        recipe.sgbFlag = 0x03;
        const QByteArray rom = tools::makeCartridge(recipe);
        QCOMPARE(rom.size(), 32 * 1024);
        QCOMPARE(quint8(rom.at(0x14B)), quint8(0x33));
        QCOMPARE(quint8(rom.at(0x14D)), tools::headerChecksum(rom));
        quint16 sum = 0;
        for (qsizetype i = 0; i < rom.size(); ++i)
            if (i != 0x14E && i != 0x14F)
                sum = quint16(sum + quint8(rom.at(i)));
        QCOMPARE(quint16(quint8(rom.at(0x14E)) << 8 | quint8(rom.at(0x14F))), sum);

        test::AppFolder folder;
        const QString path = folder.addRaw(QStringLiteral("Roms/demo.gb"), rom);
        QtPlatform platform(folder.path());
        QCOMPARE(TitleProbe(platform, path), QStringLiteral("DEMO GAME"));
        QCOMPARE(ColourProbe(platform, path), QStringLiteral("CGB"));
        QCOMPARE(SuperProbe(platform, path), QStringLiteral("SGB"));
    }
};

QTEST_GUILESS_MAIN(CartridgeTest)
#include "tst_cartridge.moc"
