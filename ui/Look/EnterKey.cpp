// SPDX-License-Identifier: MIT
#include "ui/Look/EnterKey.h"

#include <QKeyEvent>
#include <QPushButton>
#include <QToolButton>

namespace zoot {

bool pressFocusedButton(QWidget *window, QKeyEvent *event)
{
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter)
        return false;
    QWidget *focused = window->focusWidget();
    if (qobject_cast<QPushButton *>(focused) || qobject_cast<QToolButton *>(focused))
        static_cast<QAbstractButton *>(focused)->click();
    event->accept();
    return true;
}

} // namespace zoot
