// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>

class QPlainTextEdit;

namespace zoot {

// A modal box that shows a command line to read, check and copy. Its lines
// break only at spaces, never inside a flag or a path (a word wider than the
// box scrolls); what is copied is the command line's own text, the spaces
// where it breaks included, so it pastes as one line.
class CommandLineBox : public QDialog {
    Q_OBJECT
public:
    CommandLineBox(const QString &title, const QString &commandLine, QWidget *owner);

    QPlainTextEdit *text = nullptr;
};

} // namespace zoot
