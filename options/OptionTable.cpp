// SPDX-License-Identifier: MIT
#include "options/OptionTable.h"

namespace zoot {

namespace {

using R = OptionRule;
using S = OptionSave;
using L = OptionLimits;

OptionRow number(const char *key, OptionRule rule, int OptionSet::*field, int defaultValue, int saveStep,
                 int OptionLimits::*count = nullptr, OptionSave save = S::Value)
{
    return {QLatin1String(key), rule, field, nullptr, defaultValue, nullptr, 0, 0, count, saveStep, save};
}

OptionRow range(const char *key, int OptionSet::*field, int defaultValue, int lowest, int highest, int saveStep)
{
    return {QLatin1String(key), R::Range, field, nullptr, defaultValue, nullptr, lowest, highest, nullptr, saveStep,
            S::Value};
}

OptionRow text(const char *key, QString OptionSet::*field, const char *defaultValue, int saveStep)
{
    return {QLatin1String(key), R::Text, nullptr, field, 0, defaultValue, 0, 0, nullptr, saveStep, S::Value};
}

} // namespace

const QList<OptionRow> &optionTable()
{
    static const QList<OptionRow> table{
        number("BackgroundCombo", R::Background, &OptionSet::backgroundCombo, 0, 10, &L::backgroundLines),
        number("VolumeCheck", R::CheckValue, &OptionSet::volumeCheck, kUnchecked, 5),
        range("VolumeSlider", &OptionSet::volumeSlider, 10, kVolumeLowest, kVolumeHighest, 6),
        number("StereoCheck", R::CheckValue, &OptionSet::stereoCheck, kUnchecked, 7),
        number("StereoCombo", R::ListIndex, &OptionSet::stereoCombo, 1, 8, &L::stereoLines),
        number("ResCombo", R::ListIndex, &OptionSet::resCombo, 0, 9, &L::resolutionLines),
        number("BackgroundCheck", R::CheckValue, &OptionSet::backgroundCheck, kUnchecked, 11),
        number("SoundOption", R::GroupIndex, &OptionSet::soundOption, kNoSound, 12, &L::soundButtons, S::OnWhenIndexOne),
        number("CgbOption", R::GroupIndex, &OptionSet::cgbOption, 0, 13, &L::cgbButtons, S::WhenSelected),
        number("NoCRCCheck", R::CheckValue, &OptionSet::noCRCCheck, kUnchecked, 2),
        number("TwoPlayersCheck", R::CheckValue, &OptionSet::twoPlayersCheck, kUnchecked, 1),
        number("AltCmdCheck", R::CheckValue, &OptionSet::altCmdCheck, kUnchecked, 3),
        text("AltCmdText", &OptionSet::altCmdText, "SNESKey ZOOT /a", 4),
    };
    return table;
}

OptionSet::OptionSet()
{
    for (const OptionRow &row : optionTable()) {
        if (row.text)
            this->*row.text = QString::fromLatin1(row.defaultText);
        else
            this->*row.number = row.defaultNumber;
    }
}

} // namespace zoot
