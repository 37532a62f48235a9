// SPDX-License-Identifier: MIT
// zoot-screenshot APPFOLDER OUT.png
// Draws the main window as it stands after start-up on APPFOLDER, with fresh
// default options, into a PNG file.
#include "platform/QtPlatform.h"
#include "ui/MainForm/MainForm.h"
#include "ui/MainForm/Messages.h"

#include <QApplication>
#include <QPixmap>
#include <QTemporaryDir>
#include <QTextStream>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QTextStream err(stderr);
    if (app.arguments().size() != 3) {
        err << "usage: zoot-screenshot APPFOLDER OUT.png\n";
        return 2;
    }
    QTemporaryDir settings;
    zoot::QtPlatform platform(app.arguments().at(1), settings.filePath(QStringLiteral("ZOOTfront.conf")));
    zoot::ModalMessages messages(platform.applicationTitle());
    zoot::MainForm window(platform, messages);
    window.load();
    window.show();
    QApplication::processEvents();
    if (!window.grab().save(app.arguments().at(2))) {
        err << "zoot-screenshot: cannot write " << app.arguments().at(2) << "\n";
        return 1;
    }
    return 0;
}
