// SPDX-License-Identifier: MIT
#pragma once

#include "catalogue/CatalogueEntry.h"

#include <QListView>

namespace zoot {

class CatalogueModel;

// The games list: a single-selection list of catalogue lines kept in catalogue
// order. A scan hands over all its entries at once (already sorted, taken
// without a copy); a single line added later goes to its place.
class GamesList : public QListView {
    Q_OBJECT
public:
    explicit GamesList(QWidget *parent = nullptr);

    int count() const;
    QString line(int row) const;

    // Replaces every line with sorted, which must be in catalogue order; no
    // line is selected afterwards.
    void setSortedEntries(QList<CatalogueEntry> sorted);
    void addLine(const QString &line);
    void clear();

    int selectedRow() const;                // -1 when no line is selected
    QString selectedLine() const;           // "" when no line is selected
    CatalogueEntry selectedEntry() const;   // empty when no line is selected
    void selectRow(int row);
    QRect lineRect(int row) const; // in viewport coordinates

signals:
    // The selected line changed, by mouse, keyboard or program.
    void selectedLineChanged();

private:
    CatalogueModel *m_model;
};

} // namespace zoot
