// SPDX-License-Identifier: MIT
#include "ui/MainForm/GamesList.h"

#include <QAbstractListModel>
#include <QItemSelectionModel>

namespace zoot {

// The entries behind the list; the view shows their lines.
class CatalogueModel : public QAbstractListModel {
public:
    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex &parent = {}) const override { return parent.isValid() ? 0 : int(entries.size()); }

    QVariant data(const QModelIndex &index, int role) const override
    {
        if (!index.isValid() || index.row() >= entries.size())
            return {};
        if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)
            return entries.at(index.row()).line;
        return {};
    }

    void reset(QList<CatalogueEntry> sorted)
    {
        beginResetModel();
        entries = std::move(sorted);
        endResetModel();
    }

    QList<CatalogueEntry> entries;
};

GamesList::GamesList(QWidget *parent) : QListView(parent), m_model(new CatalogueModel(this))
{
    setModel(m_model);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setUniformItemSizes(true);
    setTextElideMode(Qt::ElideNone);
    setWordWrap(false);
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, &GamesList::selectedLineChanged);
}

int GamesList::count() const
{
    return m_model->rowCount();
}

void GamesList::setSortedEntries(QList<CatalogueEntry> sorted)
{
    m_model->reset(std::move(sorted));
}

void GamesList::setLines(const QStringList &lines)
{
    QList<CatalogueEntry> entries;
    for (const QString &line : lines)
        entries.append(entryOfLine(line));
    m_model->reset(std::move(entries));
}

int GamesList::selectedRow() const
{
    const QModelIndexList selected = selectionModel()->selectedRows();
    return selected.isEmpty() ? -1 : selected.first().row();
}

CatalogueEntry GamesList::selectedEntry() const
{
    const int row = selectedRow();
    return row < 0 ? CatalogueEntry() : m_model->entries.at(row);
}

void GamesList::selectRow(int row)
{
    selectionModel()->setCurrentIndex(m_model->index(row), QItemSelectionModel::ClearAndSelect);
}

} // namespace zoot
