// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace zoot {

class Platform;

// Starts a command line as built by prepareLaunch: split the way
// QProcess::splitCommand splits (only double quotes group words), the first
// word started directly, never through a shell, with the others as its
// arguments and workingFolder as its working directory. Throws ZootError when
// it cannot be started.
void startCommandLine(Platform &platform, const QString &commandLine, const QString &workingFolder);

} // namespace zoot
