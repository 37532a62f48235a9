#include "ui/MainForm/StatusPanels.h"

#include "platform/DesignUnits.h"

#include <QLabel>

namespace zoot {

StatusPanels::StatusPanels(QWidget *parent) : QStatusBar(parent)
{
    setSizeGripEnabled(false);
    setContentsMargins(0, 0, 0, 0);
    setStyleSheet(QStringLiteral("QStatusBar::item { border: none; }"));
}

QLabel *StatusPanels::addPanel(const QString &key, const QString &text, int widthTwips)
{
    auto *label = new QLabel(text, this);
    label->setObjectName(key);
    label->setAccessibleDescription(key);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setFixedWidth(px(widthTwips));
    label->setTextFormat(Qt::PlainText);
    addWidget(label);
    m_panels.append(label);
    return label;
}

QLabel *StatusPanels::panel(const QString &key) const
{
    for (QLabel *label : m_panels) {
        if (label->objectName() == key)
            return label;
    }
    return nullptr;
}

QLabel *StatusPanels::panel(int position) const
{
    return position >= 1 && position <= m_panels.size() ? m_panels.at(position - 1) : nullptr;
}

} // namespace zoot
