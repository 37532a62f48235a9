#pragma once

#include "options/OptionSet.h"

#include <QStringList>

namespace zoot {

class Platform;

inline const QString kOptionsSection = QStringLiteral("Options");

// How many lines or buttons the controls have, so restored indexes can be checked.
struct OptionLimits {
    int backgroundCount = 0;
    int resolutionCount = 6;
    int stereoCount = 3;
    int sliderMinimum = 0;
    int sliderMaximum = 15;
    int soundCount = 2;
    int cgbCount = 4;
};

struct RestoredOptions {
    OptionSet values;
    // One line per stored value that was invalid and replaced by its default.
    QStringList problems;
};

// Reads the thirteen options in their fixed order. A missing key gives its
// default; an invalid stored value gives its default too and is reported in
// problems, and the remaining options are still read.
RestoredOptions restoreOptions(Platform &platform, const OptionLimits &limits);

// The first eleven options, in the order a launch saves them.
void saveLaunchOptions(Platform &platform, const OptionSet &options);
void saveSoundOption(Platform &platform, int soundOption);
void saveCgbOption(Platform &platform, int cgbOption);

} // namespace zoot
