#pragma once

#include <QStringList>

namespace zoot {

// The games list's order: ascending in the platform's collation with letter
// case ignored; lines that still compare equal fall back to their exact text,
// so the order never depends on the order the lines came in.
void sortCatalogueLines(QStringList &lines);

// Where line belongs in lines that are already in catalogue order.
qsizetype catalogueInsertPosition(const QStringList &lines, const QString &line);

} // namespace zoot
