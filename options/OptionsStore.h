// SPDX-License-Identifier: MIT
#pragma once

#include "options/OptionSet.h"

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

// Saves the options as a launch does, in the [Options] section of the
// settings file, in this order: every option, the sound option as "1" for
// AdLib and "0" otherwise, the mode only when one is chosen. Throws ZootError
// when they cannot be saved; the file is then as it was.
void saveOptions(Platform &platform, const OptionSet &options);

} // namespace zoot
