// SPDX-License-Identifier: MIT
#include "platform/TextOrder.h"

#include <QRandomGenerator>
#include <QtTest>

#include <algorithm>

using namespace zoot;

namespace {

// The order the fast path must give under the C locale: Qt's case-insensitive
// compare, ties by the exact text.
QStringList referenceOrder(QStringList items)
{
    std::stable_sort(items.begin(), items.end(), [](const QString &a, const QString &b) {
        const int folded = a.compare(b, Qt::CaseInsensitive);
        return folded != 0 ? folded < 0 : a < b;
    });
    return items;
}

QStringList randomTexts(const QStringList &alphabet, int maxLength)
{
    QRandomGenerator random(7);
    QStringList items;
    for (int i = 0; i < 6000; ++i) { // enough to be sorted in two parts
        QString text;
        const int length = int(random.bounded(maxLength + 1));
        for (int c = 0; c < length; ++c)
            text += alphabet.at(random.bounded(int(alphabet.size())));
        items.append(text);
    }
    return items;
}

} // namespace

class TextOrderTest : public QObject {
    Q_OBJECT

private slots:
    void codePointOrderAgreesWithTheReference_data()
    {
        QTest::addColumn<QStringList>("alphabet");
        QTest::addColumn<int>("maxLength");
        QTest::newRow("ASCII letters and punctuation, short")
            << QStringList{"a", "A", "b", "B", "z", "Z", " ", "[", "_", "0", "9", "~"} << 6;
        // Long shared beginnings put the difference past the packed prefix.
        QTest::newRow("long shared prefixes") << QStringList{"x", "X", "y", " "} << 30;
        QTest::newRow("Latin-1 and beyond")
            << QStringList{"\u00E9", "\u00C9", "e", "E", "\u00DF", "\u1E9E", "\u03A3", "\u03C3", "\u03C2", "\u0130", "i"} << 8;
        QTest::newRow("outside the BMP")
            << QStringList{"\U00010400", "\U00010428", "a", "A", "\U0001F600", "\u00C0"} << 14;
    }
    void codePointOrderAgreesWithTheReference()
    {
        QFETCH(QStringList, alphabet);
        QFETCH(int, maxLength);
        const QStringList items = randomTexts(alphabet, maxLength);
        QStringList sorted = items;
        TextOrder(QLocale::c()).sort(sorted);
        QCOMPARE(sorted, referenceOrder(items));
    }

    // Sorting and the pairwise compare are one order, in every locale.
    void sortAgreesWithLess()
    {
        const QStringList items = randomTexts({"a", "A", "\u00E9", "\u00C9", "e", " ", "b"}, 5);
        for (const QLocale &locale : {QLocale::c(), QLocale(QLocale::English), QLocale(QLocale::German)}) {
            const TextOrder order(locale);
            QStringList sorted = items;
            order.sort(sorted);
            for (qsizetype i = 1; i < sorted.size(); ++i)
                QVERIFY2(!order.less(sorted.at(i), sorted.at(i - 1)), qPrintable(locale.name()));
        }
    }
};

QTEST_GUILESS_MAIN(TextOrderTest)
#include "tst_textorder.moc"
