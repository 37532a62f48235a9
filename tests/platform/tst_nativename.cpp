// SPDX-License-Identifier: MIT
// Names as bytes: every byte string decodes to a text of its own and encodes
// back to the same bytes; valid UTF-8 reads as the characters it encodes.
#include "platform/NativeName.h"

#include <QRandomGenerator>
#include <QtTest>

using namespace zoot;

namespace {

// Pieces that byte strings are made of: the awkward cases of UTF-8 beside
// plain letters and every single byte value.
QList<QByteArray> pieces()
{
    QList<QByteArray> out{
        "a", " ", ".gb", "\xEF\xBB\xBF",  // a byte-order mark
        "\xC3\xA9", "\xE6\x97\xA5", "\xF0\x9F\x98\x80", "\xF4\x8F\xBF\xBF", // valid, up to U+10FFFF
        "\xC3", "\xE6\x97", "\xF0\x9F\x98",  // truncated
        "\xC0\x80", "\xC1\xBF", "\xE0\x80\xAF", "\xF0\x80\x80\x80", // overlong
        "\xED\xA0\x80", "\xED\xBF\xBF",  // encoded surrogates
        "\xF4\x90\x80\x80", "\xF8\x88\x80\x80\x80", // past U+10FFFF
        "\xED\xB2\x80", // the surrogate a stand-in uses, encoded
    };
    for (int byte = 0; byte < 256; ++byte)
        out.append(QByteArray(1, char(byte)));
    return out;
}

// Text written with "{HH}" where the stand-in for byte 0xHH stands.
QString withStandIns(const QString &written)
{
    QString text;
    for (qsizetype i = 0; i < written.size(); ++i) {
        if (written.at(i) == u'{') {
            text += QChar(char16_t(0xDC00 + written.mid(i + 1, 2).toInt(nullptr, 16)));
            i += 3;
        } else {
            text += written.at(i);
        }
    }
    return text;
}

} // namespace

class NativeNameTest : public QObject {
    Q_OBJECT

private slots:
    void decodesAsExpected_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("ASCII") << QByteArray("game.gb") << QStringLiteral("game.gb");
        QTest::newRow("UTF-8 up to four bytes")
            << QByteArray("\xC3\xA9\xE6\x97\xA5\xF0\x9F\x98\x80") << QStringLiteral("\u00E9\u65E5\U0001F600");
        QTest::newRow("byte-order mark first") << QByteArray("\xEF\xBB\xBF" "bom.gb") << QStringLiteral("\uFEFFbom.gb");
        QTest::newRow("byte-order mark alone") << QByteArray("\xEF\xBB\xBF.gb") << QStringLiteral("\uFEFF.gb");
        QTest::newRow("byte-order mark after a stray byte")
            << QByteArray("\xFF\xEF\xBB\xBFx.gb") << withStandIns(QStringLiteral("{FF}\uFEFFx.gb"));
        QTest::newRow("Latin-1") << QByteArray("caf\xE9.gb") << withStandIns(QStringLiteral("caf{E9}.gb"));
        QTest::newRow("overlong") << QByteArray("\xC0\x80") << withStandIns(QStringLiteral("{C0}{80}"));
        QTest::newRow("encoded surrogate") << QByteArray("\xED\xA0\x80") << withStandIns(QStringLiteral("{ED}{A0}{80}"));
        QTest::newRow("past U+10FFFF") << QByteArray("\xF4\x90\x80\x80") << withStandIns(QStringLiteral("{F4}{90}{80}{80}"));
        QTest::newRow("truncated, then ASCII") << QByteArray("\xE6\x97x") << withStandIns(QStringLiteral("{E6}{97}x"));
    }
    void decodesAsExpected()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QCOMPARE(decodeNative(bytes), text);
        QCOMPARE(encodeNative(text), bytes);
    }

    // The property the whole program rests on: no two names share a text,
    // and a text gives back its name's bytes.
    void everyByteStringRoundTrips()
    {
        const QList<QByteArray> parts = pieces();
        QRandomGenerator random(20261209);
        for (int round = 0; round < 20000; ++round) {
            QByteArray bytes;
            const int count = int(random.bounded(1, 8));
            for (int i = 0; i < count; ++i)
                bytes += parts.at(random.bounded(int(parts.size())));
            const QString text = decodeNative(bytes);
            QVERIFY2(encodeNative(text) == bytes, bytes.toHex(' ').constData());
        }
    }

    void readableTextShowsStandInsAsReplacementCharacters()
    {
        QCOMPARE(readableText(decodeNative("caf\xE9 \xF0\x90\x82\x80.gb")), QStringLiteral("caf\uFFFD \U00010080.gb"));
    }
};

QTEST_GUILESS_MAIN(NativeNameTest)
#include "tst_nativename.moc"
