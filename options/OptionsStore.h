// SPDX-License-Identifier: MIT
#pragma once

#include "options/OptionSet.h"
#include "platform/SettingValues.h"

#include <QStringList>

#include <functional>

namespace zoot {

class Platform;

inline const QString kOptionsSection = QStringLiteral("Options");

struct RestoredOptions {
    OptionSet values;
    // What went wrong, one line each: a store that could not be read (every
    // option then has its default), or a stored value that was invalid and
    // replaced by its default.
    QStringList problems;
};

// How many lines or buttons the control of an option holds, for the options
// whose valid values depend on it.
using ChoiceCount = std::function<int(const Option &)>;

// Reads the thirteen options in their fixed order. A missing key gives its
// default; an invalid stored value gives its default too and is reported,
// and the remaining options are still read.
RestoredOptions restoreOptions(Platform &platform, const ChoiceCount &choices);

// What a launch saves, in the order it saves them: every option, the sound
// option as "1" for AdLib and "0" otherwise, the mode only when one is chosen.
SettingValues launchSettings(const OptionSet &options);

} // namespace zoot
