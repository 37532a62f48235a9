// SPDX-License-Identifier: MIT
#include "catalogue/CatalogueEntry.h"
#include "catalogue/ScanRoms.h"
#include "platform/NativeName.h"
#include "platform/QtPlatform.h"
#include "platform/ZootError.h"
#include "tests/support/AppFolder.h"
#include "tests/support/RecordingPlatform.h"
#include "tools/DemoPictures.h"

#include <QtTest>

#include <sys/stat.h>

using namespace zoot;
using zoot::test::AppFolder;

namespace {

QStringList lines(const QList<CatalogueEntry> &entries)
{
    QStringList out;
    for (const CatalogueEntry &entry : entries)
        out.append(entry.line);
    return out;
}

QString line(const QString &title, const QString &file)
{
    return title + QString(kTitleField - title.size(), u' ') + QStringLiteral("Roms/") + file;
}

// A scan of a temporary application folder.
struct Scan {
    explicit Scan(const AppFolder &folder) : platform(folder.path()) {}
    void run() { found = ScanRoms(platform); }
    QStringList games() const { return lines(found.games); }

    QtPlatform platform;
    Catalogue found;
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
        QCOMPARE(scan.games(), (QStringList{line("alpha", "d.gb"), line("ALPHA", "game_b.gb"), line("Beta", "c.gb"),
                                            line("beta", "game_a.gb")}));
    }

    // The order is the user's locale's: run under C.UTF-8 and en_US.UTF-8.
    void orderFollowsTheLocale()
    {
        AppFolder folder;
        folder.addImage(QStringLiteral("1.gb"), "zebra");
        folder.addImage(QStringLiteral("2.gb"), "\xE9" "clair");
        folder.addImage(QStringLiteral("3.gb"), "Eclair 2");
        folder.addImage(QStringLiteral("4.gb"), "apple");
        Scan scan(folder);
        scan.run();
        QStringList titles;
        for (const QString &l : scan.games())
            titles.append(l.left(kMaxTitle).trimmed());
        if (QLocale().language() == QLocale::C)
            QCOMPARE(titles, (QStringList{"apple", "Eclair 2", "zebra", "\u00E9clair"})); // by code point
        else if (QLocale().language() == QLocale::English)
            QCOMPARE(titles, (QStringList{"apple", "\u00E9clair", "Eclair 2", "zebra"}));
        else
            QSKIP("the expected order is written for the C and English locales only");
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
        const QStringList got = scan.games();
        QVERIFY(got.contains(line("[blank.gb]", "blank.gb")));
        QVERIFY(got.contains(line("[flags.gb]", "flags.gb")));
        QVERIFY(got.contains(QStringLiteral("ABCDEFGHIJKLMNOP") + QString(29, u' ') + QStringLiteral("Roms/sixteen.gb")));
        // A fallback title too long for the field is cut to 44 characters, so
        // column 45 stays a space and the path reads back.
        const QString cut = u'[' + QString(43, u'n');
        QVERIFY(got.contains(cut + u' ' + QStringLiteral("Roms/") + longName));
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
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), folder.romsPath() + QStringLiteral("/zero.gb")));
        Scan scan(folder);
        scan.run();
        QStringList paths;
        for (const QString &l : scan.games())
            paths.append(relativePathOfLine(l));
        paths.sort();
        QCOMPARE(paths, (QStringList{"Roms/game.GB", "Roms/game.cgb", "Roms/game.gbc", "Roms/linked.gb"}));
    }

    void picturesFromTheApplicationFolderOnly()
    {
        AppFolder folder;
        folder.addImage(QStringLiteral("a.gb"), "A");
        Scan scan(folder);
        scan.run();
        QCOMPARE(scan.found.pictures, QStringList());
        folder.addRaw(QStringLiteral("stars.gif"), tools::demoStarsGif());
        folder.addRaw(QStringLiteral("back.bmp"), tools::demoBitmap());
        folder.addRaw(QStringLiteral("Roms/inside.bmp"), tools::demoBitmap());
        folder.addRaw(QStringLiteral("notes.png"), "x");
        QVERIFY(QFile::link(QStringLiteral("back.bmp"), folder.path() + QStringLiteral("/linked.bmp")));
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), folder.path() + QStringLiteral("/zero.bmp")));
        scan.run();
        QCOMPARE(scan.found.pictures, (QStringList{"back.bmp", "linked.bmp", "stars.gif"}));
    }

    // No images: the pictures are not read, so the background list stays.
    void emptyRomsFolderReadsNoPictures()
    {
        AppFolder folder;
        folder.addRaw(QStringLiteral("back.bmp"), tools::demoBitmap());
        Scan scan(folder);
        scan.run();
        QVERIFY(scan.found.games.isEmpty());
        QCOMPARE(scan.found.pictures, std::nullopt);
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
        QCOMPARE(scan.games(), (QStringList{line("[aaa-empty.gb]", "aaa-empty.gb"), line("[bbb-short.gb]", "bbb-short.gb"),
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
        for (const QString &l : scan.games())
            paths.append(relativePathOfLine(l).mid(5));
        QCOMPARE(QSet<QString>(paths.begin(), paths.end()), QSet<QString>(names.begin(), names.end()));
        QVERIFY(!QFile::exists(QStringLiteral("pwned")));
    }

    // A name that is not UTF-8 (Latin-1 from old FAT media) is read through
    // its exact bytes and shown readably; the entry keeps the bytes.
    void namesThatAreNotUtf8()
    {
        AppFolder folder;
        const QString cafe = decodeNative("caf\xE9.gb");
        const QString blank = decodeNative("\xFF\xFE.gb");
        folder.addImage(cafe, "CAFE", 0x80, 0x03);
        folder.addImage(blank, QByteArray());
        Scan scan(folder);
        scan.run();
        QCOMPARE(scan.found.games.size(), 2);
        const CatalogueEntry titled = scan.found.games.at(1);
        QCOMPARE(titled.line, line("CAFE", QStringLiteral("caf\uFFFD.gb")));
        QCOMPARE(encodeNative(titled.relativePath), QByteArray("Roms/caf\xE9.gb"));
        const CatalogueEntry fallback = scan.found.games.at(0);
        QCOMPARE(fallback.line, line(QStringLiteral("[\uFFFD\uFFFD.gb]"), QStringLiteral("\uFFFD\uFFFD.gb")));
        QCOMPARE(encodeNative(fallback.relativePath), QByteArray("Roms/\xFF\xFE.gb"));
        // Lines that read the same go by their exact names, in whatever order they come.
        for (const bool reversed : {false, true}) {
            QList<CatalogueEntry> same{catalogueEntry("CAFE", cafe), catalogueEntry("CAFE", decodeNative("caf\xE8.gb"))};
            if (reversed)
                std::swap(same[0], same[1]);
            sortCatalogue(same);
            QCOMPARE(encodeNative(same.first().relativePath), QByteArray("Roms/caf\xE8.gb"));
        }
    }

    // Many readers at once list exactly what one reader lists, with or
    // without file types from the folder, and leave no descriptor open.
    void parallelScanListsWhatSequentialScanLists()
    {
        AppFolder folder;
        for (int i = 0; i < 150; ++i)
            folder.addImage(QStringLiteral("game%1.gb").arg(i), QByteArray("GAME ") + QByteArray::number(i % 40));
        folder.addRaw(QStringLiteral("Roms/short.gb"), QByteArray(300, 'x'));
        folder.addRaw(QStringLiteral("Roms/empty.gbc"), QByteArray());
        const QString locked = folder.addImage(QStringLiteral("locked.gb"), "LOCKED");
        QFile::setPermissions(locked, QFileDevice::Permissions());
        folder.addImage(decodeNative("caf\xE9.gb"), QByteArray());
        folder.addImage(decodeNative("caf\xE8.gb"), QByteArray());
        const QString roms = folder.romsPath();
        QVERIFY(QFile::link(roms + QStringLiteral("/loop-b.gb"), roms + QStringLiteral("/loop-a.gb")));
        QVERIFY(QFile::link(roms + QStringLiteral("/loop-a.gb"), roms + QStringLiteral("/loop-b.gb")));
        QVERIFY(QFile::link(roms + QStringLiteral("/gone.gb"), roms + QStringLiteral("/broken.gb")));
        QVERIFY(QFile::link(roms, roms + QStringLiteral("/folder-link.gb")));
        QVERIFY(QFile::link(roms + QStringLiteral("/game1.gb"), roms + QStringLiteral("/linked.gb")));
        QDir(roms).mkdir(QStringLiteral("folder.gb"));
        QCOMPARE(::mkfifo(QFile::encodeName(roms + QStringLiteral("/pipe.gb")).constData(), 0600), 0);

        const int descriptors = test::openDescriptorCount();
        test::RecordingPlatform platform(folder.path(), folder.settingsFile());
        platform.readDelayUs = 300; // as on a network share: the scan calls in all its readers
        const Catalogue sequential = ScanRoms(platform, 1);
        QCOMPARE(sequential.games.size(), 150 + 6);
        // Each entry that may be a file is read once: not the FIFO, not the folder.
        QCOMPARE(platform.reads, 150 + 6 + 4);
        QCOMPARE(ScanRoms(platform, kReadsInFlight).games, sequential.games);
        platform.hideTypes = true;
        QCOMPARE(ScanRoms(platform, kReadsInFlight).games, sequential.games);
        QCOMPARE(test::openDescriptorCount(), descriptors);
    }
};

QTEST_MAIN(ScanRomsTest)
#include "tst_scanroms.moc"
