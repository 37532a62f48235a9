// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

class QWidget;

namespace zoot {

// How the main window tells the user something: modal boxes with an OK button
// and the application title as caption. Tests hand in one that records.
class Messages {
public:
    virtual ~Messages() = default;
    virtual void show(QWidget *owner, const QString &text) = 0;
    // A command line, shown so that it reads and copies whole.
    virtual void showCommandLine(QWidget *owner, const QString &commandLine) = 0;
};

// The real boxes.
class ModalMessages : public Messages {
public:
    explicit ModalMessages(QString title) : m_title(std::move(title)) {}
    void show(QWidget *owner, const QString &text) override;
    void showCommandLine(QWidget *owner, const QString &commandLine) override;

private:
    QString m_title;
};

} // namespace zoot
