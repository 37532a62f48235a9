// SPDX-License-Identifier: MIT
#include "catalogue/TextOrder.h"

#include <QCollator>
#include <QCollatorSortKey>
#include <QThread>

#include <algorithm>
#include <array>
#include <numeric>
#include <optional>
#include <thread>
#include <vector>

namespace zoot {

namespace {

// Below this many texts, one thread sorts faster than two.
constexpr qsizetype kParallelFrom = 4096;

// Simple case folding, with a fast path for the ASCII text most names are.
QString folded(const QString &text)
{
    const bool ascii = std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; });
    if (!ascii)
        return text.toCaseFolded();
    QString out(text.size(), Qt::Uninitialized);
    char16_t *to = reinterpret_cast<char16_t *>(out.data());
    for (const QChar c : text) {
        const char16_t unit = c.unicode();
        *to++ = unit >= u'A' && unit <= u'Z' ? char16_t(unit + 32) : unit;
    }
    return out;
}

// The first twelve units of the folded text, packed so that comparing the
// three words compares those units in order; shorter text pads with 0 and so
// sorts first, as it does in full. Most comparisons of a large list end here,
// without fetching the strings from memory far apart.
using Prefix = std::array<quint64, 3>;

Prefix packedPrefix(const QString &text)
{
    Prefix prefix{};
    const qsizetype units = std::min<qsizetype>(text.size(), 12);
    for (qsizetype i = 0; i < units; ++i)
        prefix[size_t(i / 4)] |= quint64(text.at(i).unicode()) << (48 - 16 * (i % 4));
    return prefix;
}

// A text's place in the order: its folded form under the C locale, where Qt
// collates by code point (and its sort keys there would keep letter case),
// else the collator's sort key. Comparing folded forms is comparing with
// Qt::CaseInsensitive.
struct Key {
    Prefix prefix{};
    QString folded;
    std::optional<QCollatorSortKey> collated;

    int compare(const Key &other) const
    {
        if (collated)
            return collated->compare(*other.collated);
        if (prefix != other.prefix)
            return prefix < other.prefix ? -1 : 1;
        return folded.compare(other.folded);
    }
};

// A collator serves one thread at a time: each sorting thread makes its own.
QCollator caseBlindCollator(const QLocale &locale)
{
    QCollator collator(locale);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    return collator;
}

} // namespace

TextOrder::TextOrder(const QLocale &locale) : m_locale(locale), m_byCodePoint(locale.language() == QLocale::C) {}

QList<qsizetype> TextOrder::sortedPositions(const QStringList &texts) const
{
    std::vector<Key> keys(size_t(texts.size()));
    QList<qsizetype> order(texts.size());
    std::iota(order.begin(), order.end(), 0);
    const auto less = [&](qsizetype a, qsizetype b) {
        const int byKey = keys[size_t(a)].compare(keys[size_t(b)]);
        return byKey != 0 ? byKey < 0 : texts.at(a) < texts.at(b);
    };
    // Each part keys and sorts its share of the texts; the parts are merged.
    const auto sortPart = [&](qsizetype begin, qsizetype end) {
        const QCollator collator = caseBlindCollator(m_locale);
        for (qsizetype i = begin; i < end; ++i) {
            Key &key = keys[size_t(i)];
            if (m_byCodePoint) {
                key.folded = folded(texts.at(i));
                key.prefix = packedPrefix(key.folded);
            } else {
                key.collated = collator.sortKey(texts.at(i));
            }
        }
        std::sort(order.begin() + begin, order.begin() + end, less);
    };
    if (texts.size() < 2)
        return order; // nothing to compare, and no collator to make
    const qsizetype half = texts.size() / 2;
    if (texts.size() < kParallelFrom || QThread::idealThreadCount() < 2) {
        sortPart(0, texts.size());
        return order;
    }
    std::thread first(sortPart, 0, half);
    sortPart(half, texts.size());
    first.join();
    std::inplace_merge(order.begin(), order.begin() + half, order.end(), less);
    return order;
}

void TextOrder::sort(QStringList &texts) const
{
    QStringList sorted;
    sorted.reserve(texts.size());
    for (const qsizetype position : sortedPositions(texts))
        sorted.append(std::move(texts[position]));
    texts = std::move(sorted);
}

} // namespace zoot
