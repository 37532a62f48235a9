#include "catalogue/CatalogueOrder.h"

#include "platform/CaseInsensitiveSort.h"

#include <QCollator>
#include <QCollatorSortKey>

#include <algorithm>
#include <numeric>
#include <vector>

namespace zoot {

namespace {

QCollator catalogueCollator()
{
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    return collator;
}

bool lessInOrder(const QCollator &collator, const QString &a, const QString &b)
{
    const int order = collator.compare(a, b);
    return order != 0 ? order < 0 : a < b;
}

// Under the C locale Qt collates by code points, and its sort keys there keep
// letter case even when told to ignore it; the plain case-insensitive compare
// is that collation, and fast.
bool collatesByCodePoint(const QCollator &collator)
{
    return collator.locale().language() == QLocale::C;
}

} // namespace

void sortCatalogueLines(QStringList &lines)
{
    // One sort key per line, compared cheaply, instead of a full collation per
    // comparison: the sort of a large collection stays n log n cheap steps.
    const QCollator collator = catalogueCollator();
    if (collatesByCodePoint(collator)) {
        sortIgnoringCase(lines);
        return;
    }
    std::vector<QCollatorSortKey> keys;
    keys.reserve(size_t(lines.size()));
    for (const QString &line : lines)
        keys.push_back(collator.sortKey(line));
    std::vector<qsizetype> order(size_t(lines.size()));
    std::iota(order.begin(), order.end(), 0);
    std::sort(order.begin(), order.end(), [&](qsizetype a, qsizetype b) {
        const int byKey = keys[size_t(a)].compare(keys[size_t(b)]);
        return byKey != 0 ? byKey < 0 : lines.at(a) < lines.at(b);
    });
    QStringList sorted;
    sorted.reserve(lines.size());
    for (qsizetype index : order)
        sorted.append(std::move(lines[index]));
    lines = std::move(sorted);
}

qsizetype catalogueInsertPosition(const QStringList &lines, const QString &line)
{
    const QCollator collator = catalogueCollator();
    const auto at = std::upper_bound(lines.begin(), lines.end(), line, [&](const QString &a, const QString &b) {
        return lessInOrder(collator, a, b);
    });
    return at - lines.begin();
}

} // namespace zoot
