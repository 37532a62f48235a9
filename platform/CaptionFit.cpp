// SPDX-License-Identifier: MIT
#include "platform/CaptionFit.h"

#include <QCheckBox>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QToolButton>

namespace zoot {

namespace {

constexpr qreal kSmallestPoints = 6.0;

QRect buttonContents(const QAbstractButton *button, QStyle::SubElement element)
{
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    return button->style()->subElementRect(element, &option, button);
}

} // namespace

std::optional<Caption> captionOf(const QWidget *control)
{
    const_cast<QWidget *>(control)->ensurePolished();
    if (const auto *box = qobject_cast<const QCheckBox *>(control))
        return Caption{box->text(), buttonContents(box, QStyle::SE_CheckBoxContents)};
    if (const auto *option = qobject_cast<const QRadioButton *>(control))
        return Caption{option->text(), buttonContents(option, QStyle::SE_RadioButtonContents)};
    if (const auto *button = qobject_cast<const QPushButton *>(control))
        return Caption{button->text(), buttonContents(button, QStyle::SE_PushButtonContents)};
    if (const auto *tool = qobject_cast<const QToolButton *>(control)) {
        // The text goes under the icon: its room is the button inside its
        // frame line, less the icon.
        const QRect inside = tool->rect().adjusted(1, 1, -1, -1);
        const int icon = tool->toolButtonStyle() == Qt::ToolButtonTextUnderIcon ? tool->iconSize().height() : 0;
        return Caption{tool->text(), inside.adjusted(0, icon, 0, 0)};
    }
    if (const auto *label = qobject_cast<const QLabel *>(control)) {
        const int margin = label->margin() + std::max(label->indent(), 0);
        return Caption{label->text(), label->contentsRect().adjusted(margin, margin, -margin, -margin)};
    }
    if (const auto *frame = qobject_cast<const QGroupBox *>(control)) {
        QStyleOptionGroupBox option;
        option.initFrom(frame);
        option.text = frame->title();
        option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
        const QRect label = frame->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, frame);
        return Caption{frame->title(), QRect(label.left(), label.top(), frame->width() - 2 * label.left(), label.height())};
    }
    return std::nullopt;
}

bool captionFits(const QWidget *control)
{
    const std::optional<Caption> caption = captionOf(control);
    if (!caption || caption->text.isEmpty())
        return true;
    const QFontMetrics metrics(control->font());
    return metrics.horizontalAdvance(caption->text) <= caption->room.width() && metrics.height() <= caption->room.height();
}

void fitCaptions(QWidget *window)
{
    for (QWidget *control : window->findChildren<QWidget *>()) {
        if (!captionOf(control))
            continue;
        QFont font = control->font();
        if (QFontInfo(font).family() == font.family())
            continue; // the design face: its captions were made to fit
        while (!captionFits(control) && font.pointSizeF() > kSmallestPoints) {
            font.setPointSizeF(font.pointSizeF() - 0.1);
            control->setFont(font);
        }
    }
}

} // namespace zoot
