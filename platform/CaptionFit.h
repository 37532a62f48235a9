// SPDX-License-Identifier: MIT
#pragma once

#include <QRect>
#include <QString>

#include <optional>

class QWidget;

namespace zoot {

// A control's caption and the room its style gives the caption.
struct Caption {
    QString text;
    QRect room;
};

// The caption of a labelled control: a label, a check box, an option button,
// a push or tool button, a group frame. nullopt for any other control.
std::optional<Caption> captionOf(const QWidget *control);

// Whether the caption is whole inside its room, in width and height.
bool captionFits(const QWidget *control);

// Where the design face is not installed, shrinks the font of each captioned
// control under window whose caption does not fit, until it does.
void fitCaptions(QWidget *window);

} // namespace zoot
