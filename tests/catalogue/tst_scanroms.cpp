#include "catalogue/CatalogueEntry.h"
#include "catalogue/CatalogueOrder.h"
#include "catalogue/GamesList.h"
#include "catalogue/ScanRoms.h"
#include "platform/QtPlatform.h"
#include "platform/ZootError.h"
#include "tests/support/AppFolder.h"
#include "tools/DemoPictures.h"

#include <QComboBox>
#include <QtTest>

#include <sys/stat.h>

using namespace zoot;
using zoot::test::AppFolder;

namespace {

QStringList lines(const GamesList &list)
{
    QStringList out;
    for (int i = 0; i < list.count(); ++i)
        out.append(list.line(i));
    return out;
}

QStringList entries(const QComboBox &combo)
{
    QStringList out;
    for (int i = 0; i < combo.count(); ++i)
        out.append(combo.itemText(i));
    return out;
}

QString line(const QString &title, const QString &file)
{
    return title + QString(kTitleField - title.size(), u' ') + QStringLiteral("Roms/") + file;
}

// The platform a scan reads through and the two lists it fills.
struct Scan {
    explicit Scan(const AppFolder &folder) : platform(folder.path()) {}
    void run() { ScanRoms(platform, games, backgrounds); }

    QtPlatform platform;
    GamesList games;
    QComboBox backgrounds;
};

} // namespace

class ScanRomsTest : public QObject {
    Q_OBJECT

private slots:
    void orderFollowsTitlesIgnoringCase()
    {
        AppFolder folder;
        folder.addImage(QStringLiteral("game_b.gb"), "ALPHA");
        folder.addImage(QStringLiteral("game_a.gb"), "beta");
        folder.addImage(QStringLiteral("c.gb"), "Beta");
        folder.addImage(QStringLiteral("d.gb"), "alpha");
        Scan scan(folder);
        scan.run();
        // Letter case is ignored; equal titles fall to their paths (d.gb before
        // game_b.gb, c.gb before game_a.gb).
        QCOMPARE(lines(scan.games), (QStringList{line("alpha", "d.gb"), line("ALPHA", "game_b.gb"), line("Beta", "c.gb"),
                                            line("beta", "game_a.gb")}));
        QCOMPARE(scan.games.selectedRow(), -1);
    }

    void equalTitlesOrderedByPath()
    {
        AppFolder folder;
        folder.addImage(QStringLiteral("zz.gb"), "SAME");
        folder.addImage(QStringLiteral("aa.gb"), "SAME");
        folder.addImage(QStringLiteral("mm.gb"), "SAME");
        Scan scan(folder);
        scan.run();
        QCOMPARE(lines(scan.games), (QStringList{line("SAME", "aa.gb"), line("SAME", "mm.gb"), line("SAME", "zz.gb")}));
    }

    void layoutWithFallbackTitles()
    {
        AppFolder folder;
        folder.addImage(QStringLiteral("blank.gb"), QByteArray(16, '\0'));
        folder.addRaw(QStringLiteral("Roms/flags.gb"), test::headerBytes(512, {{0x134, QByteArray(16, char(0x80))}}));
        folder.addImage(QStringLiteral("sixteen.gb"), "ABCDEFGHIJKLMNOP");
        const QString longName = QString(60, u'n') + QStringLiteral(".gb");
        folder.addImage(longName, QByteArray());
        Scan scan(folder);
        scan.run();
        const QStringList got = lines(scan.games);
        QVERIFY(got.contains(line("[blank.gb]", "blank.gb")));
        QVERIFY(got.contains(line("[flags.gb]", "flags.gb")));
        QVERIFY(got.contains(QStringLiteral("ABCDEFGHIJKLMNOP") + QString(29, u' ') + QStringLiteral("Roms/sixteen.gb")));
        // A fallback title too long for the field is cut to 44 characters, so
        // column 45 stays a space and the path reads back.
        const QString cut = (u'[' + longName).left(kMaxTitle);
        QVERIFY(got.contains(cut + u' ' + QStringLiteral("Roms/") + longName));
        for (const QString &l : got) {
            QCOMPARE(l.at(kTitleField - 1), QChar(u' '));
            QVERIFY(relativePathOfLine(l).startsWith(QStringLiteral("Roms/")));
        }
        QCOMPARE(relativePathOfLine(cut + u' ' + QStringLiteral("Roms/") + longName), QStringLiteral("Roms/") + longName);
    }

    void whichFilesAreListed()
    {
        AppFolder folder;
        folder.addImage(QStringLiteral("game.GB"), "UPPER");
        folder.addImage(QStringLiteral("game.cgb"), "CGB EXT");
        folder.addImage(QStringLiteral("game.gbc"), "GBC EXT");
        folder.addImage(QStringLiteral("game.Gbc2"), "NOT ME");
        folder.addImage(QStringLiteral("game.gba"), "ADVANCE");
        folder.addImage(QStringLiteral("game.sav"), "SAVE");
        folder.addImage(QStringLiteral(".hidden.gb"), "HIDDEN");
        QDir(folder.romsPath()).mkdir(QStringLiteral("folder.gb"));
        QVERIFY(QFile::link(folder.romsPath() + QStringLiteral("/game.cgb"), folder.romsPath() + QStringLiteral("/linked.gb")));
        QVERIFY(QFile::link(folder.romsPath() + QStringLiteral("/gone.gb"), folder.romsPath() + QStringLiteral("/broken.gb")));
        QVERIFY(::mkfifo(QFile::encodeName(folder.romsPath() + QStringLiteral("/pipe.gb")).constData(), 0600) == 0);
        Scan scan(folder);
        scan.run();
        QStringList paths;
        for (const QString &l : lines(scan.games))
            paths.append(relativePathOfLine(l));
        paths.sort();
        QCOMPARE(paths, (QStringList{"Roms/game.GB", "Roms/game.cgb", "Roms/game.gbc", "Roms/linked.gb"}));
    }

    void picturesFromTheApplicationFolderOnly()
    {
        AppFolder folder;
        folder.addImage(QStringLiteral("a.gb"), "A");
        folder.addRaw(QStringLiteral("stars.gif"), tools::demoStarsGif());
        folder.addRaw(QStringLiteral("back.bmp"), tools::demoBitmap());
        folder.addRaw(QStringLiteral("Roms/inside.bmp"), tools::demoBitmap());
        folder.addRaw(QStringLiteral("notes.png"), "x");
        Scan scan(folder);
        scan.backgrounds.addItem(QStringLiteral("stale"));
        scan.run();
        QCOMPARE(entries(scan.backgrounds), (QStringList{"back.bmp", "stars.gif"}));
        QCOMPARE(scan.backgrounds.currentIndex(), 0);
    }

    void noPicturesLeavesNoSelection()
    {
        AppFolder folder;
        folder.addImage(QStringLiteral("a.gb"), "A");
        Scan scan(folder);
        scan.backgrounds.addItem(QStringLiteral("stale"));
        scan.run();
        QCOMPARE(scan.backgrounds.count(), 0);
        QCOMPARE(scan.backgrounds.currentIndex(), -1);
    }

    void emptyRomsFolderLeavesBackgroundsUntouched()
    {
        AppFolder folder;
        folder.addRaw(QStringLiteral("back.bmp"), tools::demoBitmap());
        QtPlatform platform(folder.path());
        GamesList games;
        games.addLine(QStringLiteral("old line"));
        QComboBox backgrounds;
        backgrounds.addItems({QStringLiteral("kept1"), QStringLiteral("kept2")});
        backgrounds.setCurrentIndex(1);
        ScanRoms(platform, games, backgrounds);
        QCOMPARE(games.count(), 0);
        QCOMPARE(entries(backgrounds), (QStringList{"kept1", "kept2"}));
        QCOMPARE(backgrounds.currentIndex(), 1);
    }

    void missingRomsFolderFailsBeforeAnyChange()
    {
        AppFolder folder;
        QDir(folder.romsPath()).removeRecursively();
        QtPlatform platform(folder.path());
        GamesList games;
        games.addLine(QStringLiteral("old line"));
        QComboBox backgrounds;
        backgrounds.addItem(QStringLiteral("kept"));
        try {
            ScanRoms(platform, games, backgrounds);
            QFAIL("the scan did not fail");
        } catch (const ZootError &error) {
            QVERIFY(error.description().contains(folder.romsPath()));
        }
        QCOMPARE(lines(games), QStringList{"old line"});
        QCOMPARE(entries(backgrounds), QStringList{"kept"});
    }

    void twoScansGiveIdenticalLists()
    {
        AppFolder folder;
        folder.addImage(QStringLiteral("a.gb"), "ONE");
        folder.addImage(QStringLiteral("b.gb"), "TWO");
        folder.addRaw(QStringLiteral("back.bmp"), tools::demoBitmap());
        Scan scan(folder);
        scan.run();
        const QStringList first = lines(scan.games);
        scan.backgrounds.setCurrentIndex(-1);
        scan.games.selectRow(1);
        scan.run();
        QCOMPARE(lines(scan.games), first);
        QCOMPARE(scan.games.count(), 2);
        QCOMPARE(scan.games.selectedRow(), -1);
        QCOMPARE(entries(scan.backgrounds), QStringList{"back.bmp"});
        QCOMPARE(scan.backgrounds.currentIndex(), 0);
    }

    void brokenImagesDoNotHideTheCollection()
    {
        AppFolder folder;
        folder.addRaw(QStringLiteral("Roms/aaa-empty.gb"), QByteArray());
        folder.addRaw(QStringLiteral("Roms/bbb-short.gb"), QByteArray(300, 'x'));
        folder.addImage(QStringLiteral("zzz.gb"), "LAST GAME");
        const int before = test::openDescriptorCount();
        Scan scan(folder);
        scan.run();
        QCOMPARE(lines(scan.games), (QStringList{line("[aaa-empty.gb]", "aaa-empty.gb"), line("[bbb-short.gb]", "bbb-short.gb"),
                                            line("LAST GAME", "zzz.gb")}));
        QCOMPARE(test::openDescriptorCount(), before);
    }

    void hostileFileNamesAreListedAsTheyAre()
    {
        AppFolder folder;
        const QStringList names{QStringLiteral("$(touch pwned).gb"), QStringLiteral("a;b.gb"),
                                QStringLiteral("  spaced  name .gb"), QStringLiteral("-rf.gb"),
                                QStringLiteral("\u65E5\u672C \u00E9.gb"), QStringLiteral("quote\".gb")};
        for (const QString &name : names)
            folder.addImage(name, QByteArray());
        Scan scan(folder);
        scan.run();
        QStringList paths;
        for (const QString &l : lines(scan.games))
            paths.append(relativePathOfLine(l).mid(5));
        QCOMPARE(QSet<QString>(paths.begin(), paths.end()), QSet<QString>(names.begin(), names.end()));
        QVERIFY(!QFile::exists(QStringLiteral("pwned")));
    }

    // Lines put in one at a time, in any order, stand where a whole sorted
    // fill would put them.
    void singleLinesGoToTheirPlace()
    {
        QStringList sorted{line("beta", "1.gb"), line("ALPHA", "2.gb"), line("alpha", "3.gb"), line("Gamma", "4.gb"),
                           line("[x.gb]", "x.gb"), line("alpha", "0.gb")};
        sortCatalogueLines(sorted);
        GamesList games;
        for (int i : {3, 0, 4, 2, 5, 1})
            games.addLine(sorted.at(i));
        QCOMPARE(lines(games), sorted);
        GamesList filled;
        filled.setSortedLines(sorted);
        QCOMPARE(lines(filled), sorted);
        QCOMPARE(filled.selectedRow(), -1);
    }
};

QTEST_MAIN(ScanRomsTest)
#include "tst_scanroms.moc"
