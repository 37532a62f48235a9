// SPDX-License-Identifier: MIT
#include "catalogue/TextOrder.h"

#include <QCollator>
#include <QRandomGenerator>
#include <QtTest>

#include <algorithm>

using namespace zoot;

namespace {

const QStringList kNames{"b", "B", "a", "A", "aa", "Ab", "_x", "[y", "0", "9", "~", "\u00E9", "Z", "zz"};

// kNames in order, written out by hand: by code point with letter case
// folded, and as English collates them (punctuation and symbols, digits,
// letters, an accent after its letter); names equal but for case go upper
// case first.
const QStringList kByCodePoint{"0", "9", "[y", "_x", "A", "a", "aa", "Ab", "B", "b", "Z", "zz", "~", "\u00E9"};
const QStringList kInEnglish{"_x", "[y", "~", "0", "9", "A", "a", "aa", "Ab", "B", "b", "\u00E9", "Z", "zz"};

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

// Qt's own comparison for the locale: QString's case-blind compare under C,
// else the locale's collator; ties by exact text.
QStringList sortedByQt(QStringList texts, const QLocale &locale)
{
    QCollator collator(locale);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    const bool c = locale.language() == QLocale::C;
    std::stable_sort(texts.begin(), texts.end(), [&](const QString &a, const QString &b) {
        const int order = c ? a.compare(b, Qt::CaseInsensitive) : collator.compare(a, b);
        return order != 0 ? order < 0 : a < b;
    });
    return texts;
}

} // namespace

class TextOrderTest : public QObject {
    Q_OBJECT

private slots:
    void namesInOrder_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("C") << QLocale::c() << kByCodePoint;
        QTest::newRow("English") << QLocale(QLocale::English, QLocale::UnitedStates) << kInEnglish;
        // The order every scan uses, picked up from the environment: the test
        // runs under C.UTF-8 and again under en_US.UTF-8.
        if (QLocale().language() == QLocale::C)
            QTest::newRow("the user's, C") << QLocale() << kByCodePoint;
        else if (QLocale().language() == QLocale::English)
            QTest::newRow("the user's, English") << QLocale() << kInEnglish;
    }
    void namesInOrder()
    {
        QFETCH(QLocale, locale);
        QFETCH(QStringList, expected);
        for (const bool reversed : {false, true}) {
            QStringList names = kNames;
            if (reversed)
                std::reverse(names.begin(), names.end());
            TextOrder(locale).sort(names);
            QCOMPARE(names, expected);
        }
    }

    // Large lists, sorted in two parts on packed keys, in Qt's own order.
    void largeListsInQtsOrder_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QStringList>("alphabet");
        QTest::addColumn<int>("maxLength");
        const QLocale c = QLocale::c();
        QTest::newRow("ASCII letters and punctuation, short")
            << c << QStringList{"a", "A", "b", "B", "z", "Z", " ", "[", "_", "0", "9", "~"} << 6;
        // Long shared beginnings put the difference past the packed prefix.
        QTest::newRow("long shared prefixes") << c << QStringList{"x", "X", "y", " "} << 30;
        QTest::newRow("Latin-1 and beyond")
            << c << QStringList{"\u00E9", "\u00C9", "e", "E", "\u00DF", "\u1E9E", "\u03A3", "\u03C3", "\u03C2", "\u0130", "i"} << 8;
        QTest::newRow("outside the BMP") << c << QStringList{"\U00010400", "\U00010428", "a", "A", "\U0001F600", "\u00C0"} << 14;
        QTest::newRow("English") << QLocale(QLocale::English) << QStringList{"a", "A", "\u00E9", "\u00C9", "e", " ", "b"} << 5;
        QTest::newRow("German") << QLocale(QLocale::German) << QStringList{"a", "\u00E4", "\u00C4", "s", "\u00DF", " "} << 5;
    }
    void largeListsInQtsOrder()
    {
        QFETCH(QLocale, locale);
        QFETCH(QStringList, alphabet);
        QFETCH(int, maxLength);
        const QStringList items = randomTexts(alphabet, maxLength);
        QStringList sorted = items;
        TextOrder(locale).sort(sorted);
        QCOMPARE(sorted, sortedByQt(items, locale));
    }
};

QTEST_GUILESS_MAIN(TextOrderTest)
#include "tst_textorder.moc"
