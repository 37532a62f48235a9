// SPDX-License-Identifier: MIT
#pragma once

#include "options/OptionSet.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace zoot {

class Platform;

// What a "Play" press reads from the window besides the options: paths
// relative to the application folder, with their exact bytes.
struct LaunchSelection {
    QString game;       // the selected game's image, "" when none is selected
    QString background; // the selected picture's exact name, spaces kept; "" when none
};

struct PreparedLaunch {
    // The command line; paths keep their exact bytes (see readableText()).
    QString commandLine;
    // Messages to show, in order, before anything else happens.
    QStringList messages;
    // Set when the options could not be saved: where, and why.
    std::optional<QString> saveFailure;
    // "Use other" is checked and its command names no program.
    bool otherCommandBlank = false;
};

// Shown instead of starting anything when the other command is blank.
inline const QString kBlankOtherCommandMessage =
    QStringLiteral("The other command is empty, so there is nothing to start.\n\n"
                   "Type the command to run in the box under \"Use other:\", or uncheck \"Use other:\".");

// The work of a "Play" press before the mouse button is looked at: saves the
// options and builds the emulator's command line (program, image, mode,
// nocrc, sound, volume, stereo, video, background, players).
PreparedLaunch prepareLaunch(Platform &platform, const OptionSet &options, const LaunchSelection &selection);

} // namespace zoot
