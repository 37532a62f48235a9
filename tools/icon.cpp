// SPDX-License-Identifier: MIT
// zoot-icon OUT.png SIZE
// Writes the program's icon, drawn at SIZE pixels, for the desktop's menu.
#include "ui/Look/DrawnIcons.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    bool ok = args.size() == 3;
    const int size = ok ? args.at(2).toInt(&ok) : 0;
    if (!ok || size <= 0) {
        QTextStream(stderr) << "usage: zoot-icon OUT.png SIZE\n";
        return 2;
    }
    if (!zoot::handheldPicture(size).save(args.at(1), "PNG")) {
        QTextStream(stderr) << "zoot-icon: cannot write " << args.at(1) << "\n";
        return 1;
    }
    return 0;
}
