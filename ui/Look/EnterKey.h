// SPDX-License-Identifier: MIT
#pragma once

class QKeyEvent;
class QWidget;

namespace zoot {

// The windows have no default button: Enter or Return presses the push or
// picture button that has the focus in window, as Space does, and nothing
// else. Returns whether event was such a key, which is then used up.
bool pressFocusedButton(QWidget *window, QKeyEvent *event);

} // namespace zoot
