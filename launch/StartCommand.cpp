// SPDX-License-Identifier: MIT
#include "launch/StartCommand.h"

#include "platform/NativeName.h"
#include "platform/Platform.h"

#include <QProcess>

namespace zoot {

std::optional<QString> startCommandLine(Platform &platform, const QString &commandLine, const QString &workingFolder)
{
    QStringList words = QProcess::splitCommand(commandLine);
    if (words.isEmpty())
        return QStringLiteral("The command line is empty: there is no program to start.");
    const QString program = words.takeFirst();
    if (auto reason = platform.startProcess(program, words, workingFolder))
        return QStringLiteral("Cannot start \"%1\".\n\n%2").arg(readableText(program), *reason);
    return std::nullopt;
}

} // namespace zoot
