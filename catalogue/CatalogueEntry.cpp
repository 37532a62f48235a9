// SPDX-License-Identifier: MIT
#include "catalogue/CatalogueEntry.h"

#include "platform/NativeName.h"
#include "platform/PathJoin.h"
#include "platform/TextOrder.h"

#include <algorithm>

namespace zoot {

QString displayTitle(const QString &headerTitle, const QString &fileName)
{
    if (!headerTitle.isEmpty())
        return headerTitle.left(kMaxTitle);
    return (u'[' + fileName + u']').left(kMaxTitle);
}

QString catalogueLine(const QString &title, const QString &fileName)
{
    return title.leftJustified(kTitleField, u' ') + joinPath(kRomsFolder, fileName);
}

CatalogueEntry catalogueEntry(const QString &headerTitle, const QString &fileName)
{
    const QString shown = readableText(fileName);
    return {catalogueLine(displayTitle(headerTitle, shown), shown), joinPath(kRomsFolder, fileName)};
}

CatalogueEntry entryOfLine(const QString &line)
{
    return {line, relativePathOfLine(line)};
}

QString relativePathOfLine(const QString &line)
{
    return trimSpaces(line.mid(kTitleField - 1));
}

void sortCatalogue(QList<CatalogueEntry> &entries)
{
    QStringList lines;
    lines.reserve(entries.size());
    for (const CatalogueEntry &entry : entries)
        lines.append(entry.line);
    QList<CatalogueEntry> sorted;
    sorted.reserve(entries.size());
    for (const qsizetype position : TextOrder().sortedPositions(lines))
        sorted.append(std::move(entries[position]));
    entries = std::move(sorted);
}

qsizetype catalogueInsertPosition(const QList<CatalogueEntry> &entries, const CatalogueEntry &entry)
{
    const TextOrder order;
    const auto at = std::upper_bound(entries.begin(), entries.end(), entry,
                                     [&](const CatalogueEntry &a, const CatalogueEntry &b) {
                                         return order.less(a.line, b.line);
                                     });
    return at - entries.begin();
}

} // namespace zoot
