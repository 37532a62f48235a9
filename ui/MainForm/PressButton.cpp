// SPDX-License-Identifier: MIT
#include "ui/MainForm/PressButton.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace zoot {

void PressButton::mousePressEvent(QMouseEvent *event)
{
    // The button is not pushed down: what the press starts may open a modal
    // box that takes the release, and the button would stay down.
    setFocus(Qt::MouseFocusReason);
    event->accept();
    emit mousePressed(event->button());
}

void PressButton::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Space || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        return;
    }
    QPushButton::keyPressEvent(event);
}

} // namespace zoot
