// SPDX-License-Identifier: MIT
// Checks against a corpus of real-world images kept outside the repository
// (public test ROMs and header-tool outputs, deliberately odd bytes),
// described by expected.tsv: name, size, title area, 0x143, 0x146. Without
// the corpus every test here is skipped, and CTest reports this program as
// skipped.
#include "catalogue/HeaderProbes.h"
#include "catalogue/ScanRoms.h"
#include "platform/QtPlatform.h"
#include "platform/ZootError.h"
#include "tests/support/RecordingPlatform.h"
#include "tools/Cartridge.h"

#include <QtTest>

using namespace zoot;

namespace {

QString expectedTitle(const QByteArray &area)
{
    QString title;
    for (int i = 0; i < area.size(); ++i) {
        const uchar byte = uchar(area.at(i));
        if (byte == 0x00 || byte == 0x80 || (i == 15 && byte == 0xC0))
            continue;
        title.append(QChar(byte));
    }
    return title;
}

QString corpusFolder()
{
    return qEnvironmentVariable("ZOOT_SHARED_CORPUS");
}

} // namespace

class CorpusTest : public QObject {
    Q_OBJECT
    QtPlatform platform;

private slots:
    void corpus_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QStringList>("fields");
        const QString folder = corpusFolder();
        QFile table(folder + QStringLiteral("/expected.tsv"));
        if (!table.open(QIODevice::ReadOnly))
            QSKIP("the shared header corpus is not beside this checkout");
        while (!table.atEnd()) {
            const QStringList fields = QString::fromUtf8(table.readLine()).trimmed().split(u'\t');
            if (fields.size() == 6)
                QTest::newRow(qPrintable(fields.at(0))) << folder + u'/' + fields.at(0) << fields;
        }
    }
    void corpus()
    {
        QFETCH(QString, path);
        QFETCH(QStringList, fields);
        if (fields.at(2) == u"-") {
            QVERIFY_THROWS_EXCEPTION(ZootError, TitleProbe(platform, path));
            QVERIFY_THROWS_EXCEPTION(ZootError, ColourProbe(platform, path));
            QVERIFY_THROWS_EXCEPTION(ZootError, SuperProbe(platform, path));
            return;
        }
        QCOMPARE(TitleProbe(platform, path), expectedTitle(QByteArray::fromHex(fields.at(2).toLatin1())));
        const uint sgb = fields.at(4).toUInt(nullptr, 16);
        const QString super = SuperProbe(platform, path);
        QCOMPARE(super == u"SGB", sgb == 0x03);
        QCOMPARE(super == u"GB", sgb == 0x00);
        const uint cgb = fields.at(3).toUInt(nullptr, 16);
        if (cgb == 0x80 || cgb == 0xC0)
            QCOMPARE(ColourProbe(platform, path), QStringLiteral("CGB"));
        else if (cgb == 0x00)
            QCOMPARE(ColourProbe(platform, path), QStringLiteral("NoCGB"));
        else
            QVERIFY_THROWS_NO_EXCEPTION(ColourProbe(platform, path)); // decided by a later byte
    }

    // Real ROMs from the shared corpus carry correct header checksums: ours
    // must compute the same byte for them.
    void checksumAgreesWithRealImages()
    {
        const QDir corpus(corpusFolder());
        const QStringList images = corpus.entryList({QStringLiteral("*.gb")}, QDir::Files);
        int checked = 0;
        for (const QString &name : images) {
            QFile file(corpus.filePath(name));
            if (!file.open(QIODevice::ReadOnly) || file.size() < 32 * 1024)
                continue;
            const QByteArray rom = file.readAll();
            QVERIFY2(tools::headerChecksum(rom) == quint8(rom.at(0x14D)), qPrintable(name));
            ++checked;
        }
        if (checked == 0)
            QSKIP("the shared header corpus is not beside this checkout");
    }

    void parallelScanOfTheCorpus()
    {
        const QString corpus = corpusFolder();
        if (!QFile::exists(corpus + QStringLiteral("/expected.tsv")))
            QSKIP("the shared header corpus is not beside this checkout");
        QTemporaryDir app;
        QVERIFY(QFile::link(corpus, app.filePath(QStringLiteral("Roms"))));
        test::RecordingPlatform platform(app.path(), app.filePath(QStringLiteral("ZOOTfront.conf")));
        platform.readDelayUs = 300; // as on a network share: the scan calls in all its readers
        const Catalogue sequential = ScanRoms(platform, nullptr, 1);
        QVERIFY(!sequential.games.isEmpty());
        QCOMPARE(ScanRoms(platform, nullptr, kReadsInFlight).games, sequential.games);
    }
};

QTEST_GUILESS_MAIN(CorpusTest)
#include "tst_corpus.moc"
