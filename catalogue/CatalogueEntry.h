// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QString>

namespace zoot {

// A games-list line: the display title padded with spaces to 45 columns, then
// the image's path relative to the application folder ("Roms", separator, name).
inline constexpr int kTitleField = 45;
inline constexpr int kMaxTitle = kTitleField - 1;

inline const QString kRomsFolder = QStringLiteral("Roms");

// One line of the games list and the image it stands for.
struct CatalogueEntry {
    QString line;         // as shown: bytes that are not UTF-8 read as U+FFFD
    QString relativePath; // "Roms/<name>" with the name's exact bytes; "" for none
    // False for an image whose header a cancelled scan did not read: its read
    // may be stuck, so it is not read again until the next scan.
    bool headerRead = true;

    bool operator==(const CatalogueEntry &) const = default;
};

// The display title: the header title, or "[" name "]" when that is empty. A
// title never takes column 45, so the path can always be read back.
QString displayTitle(const QString &headerTitle, const QString &fileName);

// The entry of the image fileName (its exact bytes) with that header title.
CatalogueEntry catalogueEntry(const QString &headerTitle, const QString &fileName);

// An entry for a line that was not made by a scan, such as the placeholder:
// its path is what the line holds from column 45 on.
CatalogueEntry entryOfLine(const QString &line);

// The relative path of a line: column 45 to the end, spaces trimmed. An empty
// line, or one without a path, gives "".
QString relativePathOfLine(const QString &line);

// Sorts entries in the games list's order: by line, in the text order, and
// lines that are the same text by their exact paths.
void sortCatalogue(QList<CatalogueEntry> &entries);

} // namespace zoot
