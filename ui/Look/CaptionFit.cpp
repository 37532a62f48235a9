// SPDX-License-Identifier: MIT
#include "ui/Look/CaptionFit.h"

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

#include <algorithm>

namespace zoot {

namespace {

// The fonts shrink in steps of this factor, down to the smallest.
constexpr qreal kShrinkStep = 0.01;
constexpr qreal kSmallestFactor = 0.7;

QRect buttonContents(const QAbstractButton *button, QStyle::SubElement element)
{
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    return button->style()->subElementRect(element, &option, button);
}

// The room, in control coordinates, cut short of the controls beside it on
// the right (same parent, rows overlapping), so a caption never touches them.
QRect shortOfNeighbours(const QWidget *control, QRect room)
{
    const QWidget *parent = control->parentWidget();
    if (!parent)
        return room;
    const QRect own = control->geometry();
    for (const QObject *child : parent->children()) {
        const auto *sibling = qobject_cast<const QWidget *>(child);
        if (!sibling || sibling == control || sibling->isWindow() || !sibling->isVisibleTo(parent))
            continue;
        const QRect other = sibling->geometry();
        const bool sameRow = other.top() <= own.bottom() && other.bottom() >= own.top();
        if (sameRow && other.left() > own.left())
            room.setRight(std::min(room.right(), other.left() - own.left() - 2));
    }
    return room;
}

std::optional<Caption> styledCaptionOf(const QWidget *control)
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

} // namespace

std::optional<Caption> captionOf(const QWidget *control)
{
    std::optional<Caption> caption = styledCaptionOf(control);
    if (caption)
        caption->room = shortOfNeighbours(control, caption->room);
    return caption;
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
    QList<QWidget *> captioned;
    bool designFace = true;
    for (QWidget *control : window->findChildren<QWidget *>()) {
        const std::optional<Caption> caption = captionOf(control);
        if (!caption || caption->text.isEmpty())
            continue;
        captioned.append(control);
        designFace = designFace && QFontInfo(control->font()).family() == control->font().family();
    }
    if (designFace) // the captions were made to fit it
        return;
    QList<QFont> design;
    for (const QWidget *control : std::as_const(captioned))
        design.append(control->font());
    const auto scaleTo = [&](qreal factor) {
        for (qsizetype i = 0; i < captioned.size(); ++i) {
            QFont font = design.at(i);
            font.setPointSizeF(font.pointSizeF() * factor);
            captioned.at(i)->setFont(font);
        }
    };
    const auto allFit = [&] { return std::all_of(captioned.begin(), captioned.end(), captionFits); };
    for (qreal factor = 1.0 - kShrinkStep; !allFit() && factor >= kSmallestFactor; factor -= kShrinkStep)
        scaleTo(factor);
}

} // namespace zoot
