// SPDX-License-Identifier: MIT
#include "ui/MainForm/StatusPanels.h"

#include "ui/Look/DesignUnits.h"

#include <QLabel>

namespace zoot {

StatusPanels::StatusPanels(QWidget *parent) : QStatusBar(parent)
{
    setSizeGripEnabled(false);
}

QLabel *StatusPanels::addPanel(const QString &key, const QString &text, int widthTwips)
{
    // A child placed by hand, not an item of the bar's layout, which would
    // add spacing and margins the design does not have.
    auto *label = new QLabel(text, this);
    label->setObjectName(key);
    label->setAccessibleDescription(key);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setTextFormat(Qt::PlainText);
    label->setIndent(2);
    m_panels.append(label);
    m_widthsTwips.append(widthTwips);
    placePanels();
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

void StatusPanels::resizeEvent(QResizeEvent *event)
{
    QStatusBar::resizeEvent(event);
    placePanels();
}

void StatusPanels::placePanels()
{
    int leftTwips = 0;
    for (qsizetype i = 0; i < m_panels.size(); ++i) {
        const int right = px(leftTwips + m_widthsTwips.at(i));
        m_panels.at(i)->setGeometry(px(leftTwips), 0, right - px(leftTwips), height());
        leftTwips += m_widthsTwips.at(i);
    }
}

} // namespace zoot
