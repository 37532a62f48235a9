// SPDX-License-Identifier: MIT
#pragma once

#include <QPushButton>

namespace zoot {

// A push button that acts on the press of any mouse button and tells which;
// keyboard activation does nothing.
class PressButton : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;

signals:
    void mousePressed(Qt::MouseButton button);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
};

} // namespace zoot
