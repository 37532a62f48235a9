// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace zoot {

// The thirteen remembered options, as the values of their controls: check
// values 0 unchecked, 1 checked, 2 grayed; list and group indexes -1 for none.
// A new OptionSet holds the defaults of the option table.
struct OptionSet {
    OptionSet();

    int backgroundCombo;
    int volumeCheck;
    int volumeSlider;
    int stereoCheck;
    int stereoCombo;
    int resCombo;
    int backgroundCheck;
    int soundOption;
    int cgbOption;
    int noCRCCheck;
    int twoPlayersCheck;
    int altCmdCheck;
    QString altCmdText;

    bool operator==(const OptionSet &) const = default;
};

inline constexpr int kUnchecked = 0;
inline constexpr int kChecked = 1;
inline constexpr int kGrayed = 2;

inline constexpr int kNoSound = 0;
inline constexpr int kAdLib = 1;

inline constexpr int kVolumeLowest = 0;
inline constexpr int kVolumeHighest = 15;

} // namespace zoot
