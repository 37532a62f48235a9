// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <optional>

namespace zoot {

class Platform;

// Shown by the window when ShortName fails.
inline const QString kShortNameMessage =
    QStringLiteral("Error in ShortName\n\nDon't rename romsets during Pwk operations !");

// The form of an existing path to put on the emulator's command line. Linux
// has no short names, so this is the path itself, in double quotes when it
// holds white space or a double quote, so that the command line splits back
// into exactly this one argument. nullopt when the path does not exist.
std::optional<QString> ShortName(const Platform &platform, const QString &path);

// path as one word of a command line that QProcess::splitCommand reads back:
// quoted when needed, a quote inside written as three quotes.
QString quotedForCommandLine(const QString &path);

} // namespace zoot
