// SPDX-License-Identifier: MIT
#pragma once

#include <QRect>
#include <QString>

#include <optional>

class QWidget;

namespace zoot {

// A control's caption and the room it has: what its style gives the caption,
// ending short of any control beside it on the right.
struct Caption {
    QString text;
    QRect room;
};

// The caption of a labelled control: a label, a check box, an option button,
// a push or tool button, a group frame. nullopt for any other control.
std::optional<Caption> captionOf(const QWidget *control);

// Whether the caption is whole inside its room, in width and height.
bool captionFits(const QWidget *control);

// Where the design face is not installed, shrinks the fonts of all captioned
// controls under window by one factor, the largest at which every caption
// fits, so that the window's captions keep one size.
void fitCaptions(QWidget *window);

} // namespace zoot
