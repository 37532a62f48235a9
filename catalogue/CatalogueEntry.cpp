// SPDX-License-Identifier: MIT
#include "catalogue/CatalogueEntry.h"

#include "platform/NativeName.h"
#include "platform/PathJoin.h"
#include "catalogue/TextOrder.h"

#include <algorithm>

namespace zoot {

namespace {

// Removes leading and trailing space characters only: the padding of a line.
// A file name may hold other white space.
QString trimSpaces(QStringView text)
{
    while (text.startsWith(u' '))
        text = text.sliced(1);
    while (text.endsWith(u' '))
        text.chop(1);
    return text.toString();
}

// The title padded to its field, then the relative path.
QString lineOf(const QString &title, const QString &relativePath)
{
    QString line;
    line.reserve(std::max<qsizetype>(title.size(), kTitleField) + relativePath.size());
    line.append(title);
    line.resize(std::max<qsizetype>(line.size(), kTitleField), u' ');
    line.append(relativePath);
    return line;
}

} // namespace

QString displayTitle(const QString &headerTitle, const QString &fileName)
{
    if (!headerTitle.isEmpty())
        return headerTitle.left(kMaxTitle);
    QString title;
    title.reserve(fileName.size() + 2);
    return title.append(u'[').append(fileName).append(u']').left(kMaxTitle);
}

CatalogueEntry catalogueEntry(const QString &headerTitle, const QString &fileName)
{
    // A scan makes one of these per image: the path is joined once when the
    // name reads as it is.
    const QString shown = readableText(fileName);
    QString relative = joinPath(kRomsFolder, fileName);
    const QString shownPath = shown == fileName ? relative : joinPath(kRomsFolder, shown);
    return {lineOf(displayTitle(headerTitle, shown), shownPath), std::move(relative)};
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
    // Lines that are the same text (names whose bytes differ only where they
    // are not UTF-8) go by their exact paths.
    for (auto run = sorted.begin(); run != sorted.end();) {
        const auto end = std::find_if(run, sorted.end(), [&](const CatalogueEntry &e) { return e.line != run->line; });
        std::sort(run, end, [](const CatalogueEntry &a, const CatalogueEntry &b) { return a.relativePath < b.relativePath; });
        run = end;
    }
    entries = std::move(sorted);
}

} // namespace zoot
