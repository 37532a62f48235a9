#include "ui/FrmAboutkel/FrmAboutkel.h"

#include "platform/DesignUnits.h"
#include "platform/PathJoin.h"
#include "platform/Platform.h"
#include "ui/FrmAboutkel/DrawnIcons.h"
#include "ui/FrmAboutkel/MakerLinks.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>

namespace zoot {

namespace {

constexpr int kShowNormal = 1;

QPushButton *pushButton(QWidget *parent, const char *name, const QString &caption, const QRect &geometry,
                        const QFont &font)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(geometry);
    button->setFont(font);
    // Enter works on whichever button has the focus (see keyPressEvent); no
    // button is the dialog's default.
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

QLabel *centredLabel(QWidget *parent, const char *name, const QString &text, const QRect &geometry)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(geometry);
    label->setFont(designFont(QStringLiteral("Tahoma"), 7.8, true));
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

    const QFont small = designFont(QStringLiteral("Tahoma"), 7.8);
    const QFont large = designFont(QStringLiteral("Tahoma"), 10.2, true);

    m_command4 = pushButton(this, "Command4", QStringLiteral("Send e-mail"), twipsRect(720, 960, 1572, 252), small);
    m_command2 = pushButton(this, "Command2", QStringLiteral("Doc"), twipsRect(120, 1920, 852, 372), large);
    m_command1 = pushButton(this, "Command1", QStringLiteral("Ok"), twipsRect(2040, 1920, 852, 372), large);

    m_command3 = new QToolButton(this);
    m_command3->setObjectName(QStringLiteral("Command3"));
    m_command3->setText(QStringLiteral("brindle homepage"));
    m_command3->setGeometry(twipsRect(720, 120, 1572, 732));
    m_command3->setFont(small);
    m_command3->setIcon(homepageIcon());
    m_command3->setIconSize(QSize(32, 32));
    m_command3->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    m_command3->setFocusPolicy(Qt::StrongFocus);

    m_label2 = centredLabel(this, "Label2", QStringLiteral("Freeware - have fun!"),
                            twipsRect(120, 1560, 2772, 252));
    m_label1 = centredLabel(this, "Label1", versionLine(platform), twipsRect(120, 1320, 2772, 252));

    setTabOrder(m_command3, m_command1);
    setTabOrder(m_command1, m_command2);
    setTabOrder(m_command2, m_command4);

    connect(m_command1, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_command2, &QPushButton::clicked, this, [this] {
        openAndClose(joinPath(m_platform.applicationFolder(), m_platform.applicationTitle() + QStringLiteral(".txt")));
    });
    connect(m_command3, &QToolButton::clicked, this, [this] { openAndClose(kMakerHomepage); });
    connect(m_command4, &QPushButton::clicked, this, [this] {
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
    m_platform.shellOpen(this, QStringLiteral("Open"), target, QString(), m_platform.applicationFolder(), kShowNormal);
    accept();
}

void FrmAboutkel::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
        // The window has no cancel button: Esc does nothing.
        event->accept();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (auto *button = qobject_cast<QAbstractButton *>(focusWidget()))
            button->click();
        event->accept();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

void FrmAboutkel::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (parentWidget())
        move(parentWidget()->frameGeometry().center() - rect().center());
    m_command3->setFocus(Qt::OtherFocusReason);
}

} // namespace zoot
