// SPDX-License-Identifier: MIT
#include "launch/StartCommand.h"

#include "platform/Platform.h"
#include "platform/ZootError.h"

#include <QProcess>

namespace zoot {

void startCommandLine(Platform &platform, const QString &commandLine, const QString &workingFolder)
{
    QStringList words = QProcess::splitCommand(commandLine);
    if (words.isEmpty())
        throw ZootError(QStringLiteral("The command line is empty: there is no program to start."));
    const QString program = words.takeFirst();
    platform.startProcess(program, words, workingFolder);
}

} // namespace zoot
