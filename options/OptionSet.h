#pragma once

#include <QString>

namespace zoot {

// The thirteen remembered options, as the values of their controls: check
// values 0 unchecked, 1 checked, 2 grayed; list and group indexes -1 for none.
struct OptionSet {
    int backgroundCombo = 0;
    int volumeCheck = 0;
    int volumeSlider = 10;
    int stereoCheck = 0;
    int stereoCombo = 1;
    int resCombo = 0;
    int backgroundCheck = 0;
    int soundOption = 0;
    int cgbOption = 0;
    int noCRCCheck = 0;
    int twoPlayersCheck = 0;
    int altCmdCheck = 0;
    QString altCmdText = QStringLiteral("SNESKey ZOOT /a");

    bool operator==(const OptionSet &) const = default;
};

inline constexpr int kUnchecked = 0;
inline constexpr int kChecked = 1;
inline constexpr int kGrayed = 2;

inline constexpr int kNoSound = 0;
inline constexpr int kAdLib = 1;

} // namespace zoot
