// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <optional>

namespace zoot {

class Platform;

// Starts a command line as built by prepareLaunch: split the way
// QProcess::splitCommand splits (only double quotes group words), the first
// word started directly, never through a shell, with the others as its
// arguments and workingFolder as its working directory. Returns the message to
// show when it cannot be started.
std::optional<QString> startCommandLine(Platform &platform, const QString &commandLine, const QString &workingFolder);

} // namespace zoot
