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

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void openAndClose(const QString &target);

    Platform &m_platform;
    QToolButton *m_command3 = nullptr;
    QPushButton *m_command1 = nullptr;
    QPushButton *m_command2 = nullptr;
    QPushButton *m_command4 = nullptr;
    QLabel *m_label1 = nullptr;
    QLabel *m_label2 = nullptr;
};

} // namespace zoot
