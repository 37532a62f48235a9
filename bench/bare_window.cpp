// SPDX-License-Identifier: MIT
// The yardstick for start-up: a bare Qt window of the main window's size and
// caption, and nothing else.
#include <QApplication>
#include <QWidget>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(385, 378);
    window.setWindowTitle(QStringLiteral("brindle's ZOOTfront"));
    window.show();
    return app.exec();
}
