#pragma once

#include "options/OptionSet.h"

#include <QString>
#include <optional>

namespace zoot {

class Platform;

// What a "Play" press reads from the window besides the options.
struct LaunchSelection {
    QString gameLine;   // the selected games-list line, "" when none
    QString background; // the selected background entry, "" when none
};

struct PreparedLaunch {
    QString commandLine;
    // Set when the options could not be written out: where, and that they were lost.
    std::optional<QString> saveFailure;
};

// The work of a "Play" press before the mouse button is looked at: saves the
// options at their fixed points and builds the emulator's command line
// (program, image, mode, nocrc, sound, volume, stereo, video, background,
// players). Paths go through ShortName, which may show its message.
PreparedLaunch prepareLaunch(Platform &platform, const OptionSet &options, const LaunchSelection &selection);

} // namespace zoot
