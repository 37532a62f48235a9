// SPDX-License-Identifier: MIT
#include "ui/FrmAboutkel/FrmAboutkel.h"

#include "platform/PathJoin.h"
#include "platform/Platform.h"
#include "ui/FrmAboutkel/MakerLinks.h"
#include "ui/Look/CaptionFit.h"
#include "ui/Look/DesignFonts.h"
#include "ui/Look/DesignUnits.h"
#include "ui/Look/DrawnIcons.h"
#include "ui/Look/EnterKey.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>

namespace zoot {

namespace {

QPushButton *pushButton(QWidget *parent, const char *name, const QString &caption, const QRect &geometry,
                        const QFont &font)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(geometry);
    button->setFont(font);
    // No button is the dialog's default: Enter presses the one with the
    // focus (see keyPressEvent).
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

QLabel *centredLabel(QWidget *parent, const char *name, const QString &text, const QRect &geometry)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(geometry);
    label->setFont(boldLabelFont());
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    return label;
}

} // namespace

FrmAboutkel::FrmAboutkel(Platform &platform, QWidget *owner)
    : QDialog(owner, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                         | Qt::MSWindowsFixedSizeDialogHint),
      m_platform(platform)
{
    setObjectName(QStringLiteral("FrmAboutkel"));
    setWindowTitle(QStringLiteral("About..."));
    setModal(true);
    setFixedSize(px(3012), px(2412));

    const QFont small = windowFont();
    const QFont large = buttonFont();

    Command4 = pushButton(this, "Command4", QStringLiteral("Send e-mail"), twipsRect(720, 960, 1572, 252), small);
    Command2 = pushButton(this, "Command2", QStringLiteral("Doc"), twipsRect(120, 1920, 852, 372), large);
    Command1 = pushButton(this, "Command1", QStringLiteral("Ok"), twipsRect(2040, 1920, 852, 372), large);

    Command3 = new QToolButton(this);
    Command3->setObjectName(QStringLiteral("Command3"));
    Command3->setText(QStringLiteral("brindle homepage"));
    Command3->setGeometry(twipsRect(720, 120, 1572, 732));
    Command3->setFont(small);
    Command3->setIcon(homepageIcon());
    Command3->setIconSize(QSize(32, 32));
    Command3->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    Command3->setFocusPolicy(Qt::StrongFocus);

    Label2 = centredLabel(this, "Label2", QStringLiteral("Freeware - have fun!"),
                            twipsRect(120, 1560, 2772, 252));
    Label1 = centredLabel(this, "Label1", versionLine(platform), twipsRect(120, 1320, 2772, 252));

    fitCaptions(this);

    setTabOrder(Command3, Command1);
    setTabOrder(Command1, Command2);
    setTabOrder(Command2, Command4);

    connect(Command1, &QPushButton::clicked, this, &QDialog::accept);
    connect(Command2, &QPushButton::clicked, this, [this] {
        openAndClose(joinPath(m_platform.applicationFolder(), m_platform.applicationTitle() + QStringLiteral(".txt")));
    });
    connect(Command3, &QToolButton::clicked, this, [this] { openAndClose(kMakerHomepage); });
    connect(Command4, &QPushButton::clicked, this, [this] {
        openAndClose(kMakerMailPrefix + m_platform.applicationTitle() + QStringLiteral(" program"));
    });
}

QString FrmAboutkel::versionLine(const Platform &platform)
{
    const Version v = platform.version();
    return QStringLiteral("%1 v%2.%3.%4").arg(platform.applicationTitle()).arg(v.major).arg(v.minor).arg(v.revision);
}

void FrmAboutkel::openAndClose(const QString &target)
{
    m_platform.openExternally(target, m_platform.applicationFolder());
    accept();
}

void FrmAboutkel::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) // the window has no cancel button
        event->accept();
    else if (!pressFocusedButton(this, event))
        QDialog::keyPressEvent(event);
}

void FrmAboutkel::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (parentWidget())
        move(parentWidget()->frameGeometry().center() - rect().center());
    Command3->setFocus(Qt::OtherFocusReason);
}

} // namespace zoot
