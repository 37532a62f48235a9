// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>

class QAbstractButton;
class QLabel;
class QPushButton;
class QToolButton;

namespace zoot {

class Platform;

// The About window: the version line, the maker's homepage, a mail link and
// the program's text document. Each action hands its target to the desktop and
// closes the window.
class FrmAboutkel : public QDialog {
    Q_OBJECT
public:
    explicit FrmAboutkel(Platform &platform, QWidget *owner);

    static QString versionLine(const Platform &platform);

    // The controls, under their design names.
    QToolButton *Command3 = nullptr;
    QPushButton *Command1 = nullptr;
    QPushButton *Command2 = nullptr;
    QPushButton *Command4 = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void openAndClose(const QString &target);

    Platform &m_platform;
};

} // namespace zoot
