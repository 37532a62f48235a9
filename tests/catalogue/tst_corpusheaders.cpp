// SPDX-License-Identifier: MIT
// Checks the probes against a corpus of real-world images kept outside the
// repository (public test ROMs and header-tool outputs, deliberately odd
// bytes), described by expected.tsv: name, size, title area, 0x143, 0x146.
#include "catalogue/HeaderProbes.h"
#include "platform/QtPlatform.h"
#include "platform/ZootError.h"

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

} // namespace

class CorpusHeadersTest : public QObject {
    Q_OBJECT
    QtPlatform platform;

private slots:
    void corpus_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QStringList>("fields");
        const QString folder = qEnvironmentVariable("ZOOT_SHARED_CORPUS");
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
};

QTEST_GUILESS_MAIN(CorpusHeadersTest)
#include "tst_corpusheaders.moc"
