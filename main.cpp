// SPDX-License-Identifier: MIT
#include "platform/QtPlatform.h"
#include "platform/ZootError.h"
#include "ui/MainForm/MainForm.h"

#include <QApplication>

#include <csignal>

int main(int argc, char **argv)
{
    // A write past the file-size limit then fails with EFBIG, which the
    // settings store reports, instead of ending the program.
    std::signal(SIGXFSZ, SIG_IGN);
    QApplication app(argc, argv);
    QApplication::setApplicationName(zoot::kApplicationTitle);
    QApplication::setOrganizationName(zoot::kApplicationTitle);
    QApplication::setApplicationVersion(QStringLiteral("%1.%2.%3")
                                            .arg(ZOOT_VERSION_MAJOR)
                                            .arg(ZOOT_VERSION_MINOR)
                                            .arg(ZOOT_VERSION_PATCH));
    zoot::QtPlatform platform;
    zoot::MainForm window(platform);
    window.load();
    window.show();
    return app.exec();
}
