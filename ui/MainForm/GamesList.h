// SPDX-License-Identifier: MIT
#pragma once

#include "catalogue/CatalogueEntry.h"

#include <QListView>

namespace zoot {

class CatalogueModel;

// The games list: a single-selection list of catalogue lines kept in catalogue
// order. A scan hands over all its entries at once (already sorted, taken
// without a copy).
class GamesList : public QListView {
    Q_OBJECT
public:
    explicit GamesList(QWidget *parent = nullptr);

    int count() const;

    // Replaces every line with sorted, which must be in catalogue order; no
    // line is selected afterwards.
    void setSortedEntries(QList<CatalogueEntry> sorted);
    // Replaces every line with lines that no scan made, such as placeholders,
    // given in their catalogue order: sorting them would load the collator's
    // language data for lines that are never shown long.
    void setLines(const QStringList &lines);

    int selectedRow() const;              // -1 when no line is selected
    CatalogueEntry selectedEntry() const; // empty when no line is selected
    void selectRow(int row);

signals:
    // The selected line changed, by mouse, keyboard or program.
    void selectedLineChanged();

private:
    CatalogueModel *m_model;
};

} // namespace zoot
