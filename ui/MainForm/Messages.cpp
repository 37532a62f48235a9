// SPDX-License-Identifier: MIT
#include "ui/MainForm/Messages.h"

#include "ui/MainForm/CommandLineBox.h"

#include <QMessageBox>

namespace zoot {

void ModalMessages::show(QWidget *owner, const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, m_title, text, QMessageBox::Ok, owner);
    box.exec();
}

void ModalMessages::showCommandLine(QWidget *owner, const QString &commandLine)
{
    CommandLineBox box(m_title, commandLine, owner);
    box.exec();
}

} // namespace zoot
