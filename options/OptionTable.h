// SPDX-License-Identifier: MIT
#pragma once

#include "options/OptionSet.h"

#include <QLatin1String>
#include <QList>

namespace zoot {

// How many lines or buttons the window's controls hold, for the options whose
// valid values depend on them.
struct OptionLimits {
    int backgroundLines = 0;
    int resolutionLines = 0;
    int stereoLines = 0;
    int soundButtons = 0;
    int cgbButtons = 0;
};

enum class OptionRule {
    CheckValue, // 0, 1 or 2
    Range,      // between the row's lowest and highest
    ListIndex,  // -1 (none) or a line of the control's list
    Background, // a list index; one past the end means the first line
    GroupIndex, // a button of the control's group
    Text,       // any text
};

enum class OptionSave {
    Value,        // the value as it is
    OnWhenIndexOne,  // "1" when button 1 of the group is selected, else "0"
    WhenSelected, // the index, and only when a button is selected
};

// One remembered option: its store key (the control's name), where it lives
// in an OptionSet, its default, what values are valid, and how a launch saves it.
struct OptionRow {
    QLatin1String key;
    OptionRule rule;
    int OptionSet::*number;   // every rule but Text
    QString OptionSet::*text; // Text only
    int defaultNumber;
    const char *defaultText;
    int lowest;               // Range only
    int highest;
    int OptionLimits::*count; // ListIndex, Background, GroupIndex
    int saveStep;             // a launch saves the options in this order, 1 first
    OptionSave save;
};

// The thirteen options in the order they are restored.
const QList<OptionRow> &optionTable();

} // namespace zoot
