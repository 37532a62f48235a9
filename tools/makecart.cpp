// SPDX-License-Identifier: MIT
// zoot-makecart OUT [--title TEXT] [--cgb HEX] [--sgb HEX] [--size BYTES]
// Writes one generated cartridge image.
#include "tools/Cartridge.h"

#include <QCoreApplication>
#include <QStringList>
#include <QTextStream>

using zoot::tools::CartridgeRecipe;

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    QTextStream err(stderr);
    CartridgeRecipe recipe;
    QString out;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &arg = args.at(i);
        const bool hasValue = i + 1 < args.size();
        bool ok = true;
        if (arg == u"--title" && hasValue)
            recipe.title = args.at(++i).toLatin1();
        else if (arg == u"--cgb" && hasValue)
            recipe.cgbFlag = quint8(args.at(++i).toUInt(&ok, 16));
        else if (arg == u"--sgb" && hasValue)
            recipe.sgbFlag = quint8(args.at(++i).toUInt(&ok, 16));
        else if (arg == u"--size" && hasValue)
            recipe.size = args.at(++i).toLongLong(&ok);
        else if (!arg.startsWith(u"--") && out.isEmpty())
            out = arg;
        else
            ok = false;
        if (!ok) {
            err << "usage: zoot-makecart OUT [--title TEXT] [--cgb HEX] [--sgb HEX] [--size BYTES]\n";
            return 2;
        }
    }
    if (out.isEmpty() || !zoot::tools::writeFile(out, zoot::tools::makeCartridge(recipe))) {
        err << "zoot-makecart: cannot write \"" << out << "\"\n";
        return 1;
    }
    return 0;
}
