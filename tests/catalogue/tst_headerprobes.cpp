// SPDX-License-Identifier: MIT
#include "catalogue/HeaderProbes.h"
#include "platform/QtPlatform.h"
#include "platform/ZootError.h"
#include "tests/support/AppFolder.h"
#include "tests/support/RecordingPlatform.h"

#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

using namespace zoot;
using zoot::test::AppFolder;
using zoot::test::headerBytes;

namespace {

QByteArray titleArea(const QByteArray &bytes)
{
    QByteArray area = bytes.leftJustified(16, '\0', true);
    return area;
}

} // namespace

class HeaderProbesTest : public QObject {
    Q_OBJECT
    AppFolder folder;
    QtPlatform platform{folder.path()};

    QString image(const QByteArray &bytes) { return folder.addRaw(QStringLiteral("probe.gb"), bytes); }
    // The title probe of the file name in the folder at path.
    QString titleIn(const QString &path, const QString &name = QStringLiteral("probe.gb"))
    {
        return TitleProbe(*platform.openFolder(path), name);
    }

private slots:
    void title_data()
    {
        QTest::addColumn<QByteArray>("area");
        QTest::addColumn<QString>("expected");
        QTest::newRow("all zero") << titleArea({}) << QString();
        QTest::newRow("all 0x80") << QByteArray(16, char(0x80)) << QString();
        QTest::newRow("space racer then 0x80")
            << QByteArray("SPACE RACER").append(QByteArray(4, '\0')).append(char(0x80)) << QStringLiteral("SPACE RACER");
        QTest::newRow("0x00 and 0x80 skipped, not the end")
            << titleArea(QByteArray("AB\0C\x80" "D", 6)) << QStringLiteral("ABCD");
        QTest::newRow("15 letters then 0x80") << QByteArray("ABCDEFGHIJKLMNO\x80") << QStringLiteral("ABCDEFGHIJKLMNO");
        QTest::newRow("15 letters then 0xC0 (colour flag, left out)")
            << QByteArray("ABCDEFGHIJKLMNO\xC0") << QStringLiteral("ABCDEFGHIJKLMNO");
        QTest::newRow("0xC0 just before the flag is a letter")
            << QByteArray("ABCDEFGHIJKLMN\xC0\x80") << QStringLiteral("ABCDEFGHIJKLMN\u00C0");
        QTest::newRow("0xC0 inside the title is a letter")
            << titleArea(QByteArray("A\xC0" "B")) << QStringLiteral("A\u00C0B");
        QTest::newRow("16 letters, no flag") << QByteArray("ABCDEFGHIJKLMNOP") << QStringLiteral("ABCDEFGHIJKLMNOP");
        QTest::newRow("Latin-1 one to one, no trimming")
            << titleArea(QByteArray(" \xE9t\xE9 ")) << QStringLiteral(" \u00E9t\u00E9 ");
    }
    void title()
    {
        QFETCH(QByteArray, area);
        QFETCH(QString, expected);
        image(headerBytes(512, {{0x134, area}}));
        QCOMPARE(titleIn(folder.path()), expected);
    }

    void colour_data()
    {
        QTest::addColumn<QByteArray>("fromFlag");
        QTest::addColumn<QString>("expected");
        QTest::newRow("0x80") << QByteArray("\x80") << QStringLiteral("CGB");
        QTest::newRow("0x00") << QByteArray(1, '\0') << QStringLiteral("NoCGB");
        QTest::newRow("0xC0 colour only") << QByteArray("\xC0\x00", 2) << QStringLiteral("CGB");
        QTest::newRow("other flag, then 0x00") << QByteArray("\x41\x00", 2) << QStringLiteral("NoCGB");
        QTest::newRow("other flag, digits, then 0x80") << QByteArray("\x41" "01\x80") << QStringLiteral("CGB");
        QTest::newRow("walk does not stop at a later 0xC0") << QByteArray("\x41\xC0\x00", 3) << QStringLiteral("NoCGB");
    }
    void colour()
    {
        QFETCH(QByteArray, fromFlag);
        QFETCH(QString, expected);
        const QString path = image(headerBytes(512, {{0x143, fromFlag}}));
        QCOMPARE(ColourProbe(platform, path), expected);
    }

    // The walk of an undecided flag ends with the first 16 KiB bank, in one
    // read however large the file: a selection never walks a huge file.
    void colourWalkEndsWithTheFirstBank_data()
    {
        QTest::addColumn<qint64>("size");
        QTest::addColumn<qint64>("decidingAt");
        QTest::addColumn<QString>("expected");
        QTest::newRow("0x80 at the bank's last byte") << qint64(0x4000) << qint64(0x3FFF) << QStringLiteral("CGB");
        QTest::newRow("0x80 just past the bank") << qint64(0x8000) << qint64(0x4000) << QStringLiteral("NoCGB");
        QTest::newRow("64 MiB with no deciding byte") << (qint64(64) << 20) << qint64(-1) << QStringLiteral("NoCGB");
    }
    void colourWalkEndsWithTheFirstBank()
    {
        QFETCH(qint64, size);
        QFETCH(qint64, decidingAt);
        QFETCH(QString, expected);
        QByteArray bytes(size, char(0xFF));
        if (decidingAt >= 0)
            bytes[decidingAt] = char(0x80);
        const QString path = image(bytes);
        test::RecordingPlatform counting(folder.path(), folder.settingsFile());
        QCOMPARE(ColourProbe(counting, path), expected);
        QCOMPARE(counting.reads.load(), 2);
    }

    void super_data()
    {
        QTest::addColumn<int>("flag");
        QTest::addColumn<QString>("expected");
        QTest::newRow("0x03") << 0x03 << QStringLiteral("SGB");
        QTest::newRow("0x00") << 0x00 << QStringLiteral("GB");
        QTest::newRow("0x01") << 0x01 << QStringLiteral("\u0001");
        QTest::newRow("0xC2") << 0xC2 << QStringLiteral("\u00C2");
    }
    void super()
    {
        QFETCH(int, flag);
        QFETCH(QString, expected);
        const QString path = image(headerBytes(512, {{0x146, QByteArray(1, char(flag))}}));
        QCOMPARE(SuperProbe(platform, path), expected);
    }

    // Each probe, on a file it cannot finish, raises the program's error, names
    // the file, and leaves no descriptor open.
    void failures_data()
    {
        QTest::addColumn<int>("probe");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("title: empty file") << 0 << QByteArray();
        QTest::newRow("title: ends inside the title") << 0 << QByteArray(0x143, 'A');
        QTest::newRow("colour: ends before the flag") << 1 << QByteArray(0x143, 'A');
        QTest::newRow("colour: walk reaches the end") << 1 << QByteArray(5000, 'A');
        QTest::newRow("super: ends before the flag") << 2 << QByteArray(0x146, '\0');
    }
    void failures()
    {
        QFETCH(int, probe);
        QFETCH(QByteArray, bytes);
        const QString path = image(bytes);
        const int before = test::openDescriptorCount();
        try {
            switch (probe) {
            case 0: titleIn(folder.path()); break;
            case 1: ColourProbe(platform, path); break;
            default: SuperProbe(platform, path); break;
            }
            QFAIL("the probe did not fail");
        } catch (const ZootError &error) {
            QVERIFY2(error.description().contains(QFileInfo(path).fileName()), qPrintable(error.description()));
        }
        QCOMPARE(test::openDescriptorCount(), before);
    }

    // Only regular files are read: a folder fails, and a FIFO (an image
    // replaced after the scan) fails at once instead of waiting for a writer.
    void missingFileFolderAndFifoFail()
    {
        const QString fifo = folder.romsPath() + QStringLiteral("/fifo.gb");
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        const int before = test::openDescriptorCount();
        QVERIFY_THROWS_EXCEPTION(ZootError, titleIn(folder.romsPath(), QStringLiteral("absent.gb")));
        QVERIFY_THROWS_EXCEPTION(ZootError, SuperProbe(platform, folder.romsPath()));
        QVERIFY_THROWS_EXCEPTION(ZootError, ColourProbe(platform, folder.romsPath()));
        ::alarm(20); // a probe that blocks on the FIFO ends the test here
        QVERIFY_THROWS_EXCEPTION(ZootError, titleIn(folder.romsPath(), QStringLiteral("fifo.gb")));
        QVERIFY_THROWS_EXCEPTION(ZootError, ColourProbe(platform, fifo));
        ::alarm(0);
        QCOMPARE(test::openDescriptorCount(), before);
    }
};

QTEST_GUILESS_MAIN(HeaderProbesTest)
#include "tst_headerprobes.moc"
