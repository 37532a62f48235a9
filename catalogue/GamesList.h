#pragma once

#include <QListView>
#include <QStringList>

class QStringListModel;

namespace zoot {

// The games list: a single-selection list of catalogue lines kept in catalogue
// order. A scan hands over all its lines at once (already sorted, taken
// without a copy); a single line added later goes to its place.
class GamesList : public QListView {
    Q_OBJECT
public:
    explicit GamesList(QWidget *parent = nullptr);

    int count() const;
    QString line(int row) const;

    // Replaces every line with sortedLines, which must be in catalogue order;
    // no line is selected afterwards.
    void setSortedLines(QStringList sortedLines);
    void addLine(const QString &line);
    void clear();

    int selectedRow() const;      // -1 when no line is selected
    QString selectedLine() const; // "" when no line is selected
    void selectRow(int row);
    QRect lineRect(int row) const; // in viewport coordinates

signals:
    // The selected line changed, by mouse, keyboard or program.
    void selectedLineChanged();

private:
    QStringListModel *m_model;
};

} // namespace zoot
