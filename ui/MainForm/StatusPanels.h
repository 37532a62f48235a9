// SPDX-License-Identifier: MIT
#pragma once

#include <QStatusBar>
#include <QVector>

class QLabel;

namespace zoot {

// A status bar of keyed panels, each a label that can be enabled and disabled
// on its own; a disabled panel shows its text grayed. The panels stand side by
// side from the left edge at their design widths and take the bar's whole
// height, so their texts get all the room the design gives them.
class StatusPanels : public QStatusBar {
    Q_OBJECT
public:
    explicit StatusPanels(QWidget *parent);

    // widthTwips is both the panel's width and its minimum width.
    QLabel *addPanel(const QString &key, const QString &text, int widthTwips);

    QLabel *panel(const QString &key) const; // nullptr for an unknown key

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void placePanels();

    QVector<QLabel *> m_panels;
    QVector<int> m_widthsTwips;
};

} // namespace zoot
