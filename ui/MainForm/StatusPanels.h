#pragma once

#include <QStatusBar>
#include <QVector>

class QLabel;

namespace zoot {

// A status bar of keyed panels, each a label that can be enabled and disabled
// on its own; a disabled panel shows its text grayed.
class StatusPanels : public QStatusBar {
    Q_OBJECT
public:
    explicit StatusPanels(QWidget *parent);

    // widthTwips is both the panel's width and its minimum width.
    QLabel *addPanel(const QString &key, const QString &text, int widthTwips);

    QLabel *panel(const QString &key) const; // nullptr for an unknown key
    QLabel *panel(int position) const;       // 1 is the leftmost

private:
    QVector<QLabel *> m_panels;
};

} // namespace zoot
