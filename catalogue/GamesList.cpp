#include "catalogue/GamesList.h"

#include "catalogue/CatalogueOrder.h"

#include <QItemSelectionModel>
#include <QStringListModel>

namespace zoot {

GamesList::GamesList(QWidget *parent) : QListView(parent), m_model(new QStringListModel(this))
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

QString GamesList::line(int row) const
{
    return m_model->index(row).data().toString();
}

void GamesList::setSortedLines(QStringList sortedLines)
{
    m_model->setStringList(std::move(sortedLines));
}

void GamesList::addLine(const QString &line)
{
    const int row = int(catalogueInsertPosition(m_model->stringList(), line));
    m_model->insertRows(row, 1);
    m_model->setData(m_model->index(row), line);
}

void GamesList::clear()
{
    m_model->setStringList({});
}

int GamesList::selectedRow() const
{
    const QModelIndexList selected = selectionModel()->selectedRows();
    return selected.isEmpty() ? -1 : selected.first().row();
}

QString GamesList::selectedLine() const
{
    const int row = selectedRow();
    return row < 0 ? QString() : line(row);
}

void GamesList::selectRow(int row)
{
    selectionModel()->setCurrentIndex(m_model->index(row), QItemSelectionModel::ClearAndSelect);
}

QRect GamesList::lineRect(int row) const
{
    return visualRect(m_model->index(row));
}

} // namespace zoot
