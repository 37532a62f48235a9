// SPDX-License-Identifier: MIT
#pragma once

#include <QLatin1String>

#include <array>

namespace zoot {

// Check values as they are stored; list and group indexes are -1 for none.
inline constexpr int kUnchecked = 0;
inline constexpr int kChecked = 1;
inline constexpr int kGrayed = 2;

// The sound options' buttons.
inline constexpr int kNoSound = 0;
inline constexpr int kAdLib = 1;

// What values of an option are valid.
enum class OptionRule {
    CheckValue, // 0, 1 or 2
    Range,      // between the option's lowest and highest
    ListIndex,  // -1 (none) or a line of the control's list
    Background, // a list index; one past the end means the first line
    GroupIndex, // a button of the control's group
    Text,       // any text
};

// How a launch saves an option.
enum class OptionSave {
    Value,        // the value as it is
    AdLibOrNot,   // "1" when AdLib is selected, else "0"
    WhenSelected, // the index, and only when a button is selected
};

// One remembered option: its store key, which is also the name of its
// control in the main window; its default; its valid values; and where a
// launch saves it.
struct Option {
    const char *key;
    OptionRule rule;
    int defaultNumber = 0;             // every rule but Text
    const char *defaultText = nullptr; // Text
    int lowest = 0;                    // Range
    int highest = 0;
    int saveStep = 0; // a launch saves the options in this order, 1 first
    OptionSave save = OptionSave::Value;

    QLatin1String name() const { return QLatin1String(key); }
    bool isText() const { return rule == OptionRule::Text; }
};

namespace option {
using enum OptionRule;
inline constexpr Option BackgroundCombo{.key = "BackgroundCombo", .rule = Background, .saveStep = 10};
inline constexpr Option VolumeCheck{.key = "VolumeCheck", .rule = CheckValue, .saveStep = 5};
inline constexpr Option VolumeSlider{.key = "VolumeSlider", .rule = Range, .defaultNumber = 10, .lowest = 0, .highest = 15, .saveStep = 6};
inline constexpr Option StereoCheck{.key = "StereoCheck", .rule = CheckValue, .saveStep = 7};
inline constexpr Option StereoCombo{.key = "StereoCombo", .rule = ListIndex, .defaultNumber = 1, .saveStep = 8};
inline constexpr Option ResCombo{.key = "ResCombo", .rule = ListIndex, .saveStep = 9};
inline constexpr Option BackgroundCheck{.key = "BackgroundCheck", .rule = CheckValue, .saveStep = 11};
inline constexpr Option SoundOption{.key = "SoundOption", .rule = GroupIndex, .defaultNumber = kNoSound, .saveStep = 12, .save = OptionSave::AdLibOrNot};
inline constexpr Option CgbOption{.key = "CgbOption", .rule = GroupIndex, .saveStep = 13, .save = OptionSave::WhenSelected};
inline constexpr Option NoCRCCheck{.key = "NoCRCCheck", .rule = CheckValue, .saveStep = 2};
inline constexpr Option TwoPlayersCheck{.key = "TwoPlayersCheck", .rule = CheckValue, .saveStep = 1};
inline constexpr Option AltCmdCheck{.key = "AltCmdCheck", .rule = CheckValue, .saveStep = 3};
inline constexpr Option AltCmdText{.key = "AltCmdText", .rule = Text, .defaultText = "SNESKey ZOOT /a", .saveStep = 4};
} // namespace option

// The thirteen options in the order they are restored.
inline constexpr std::array<const Option *, 13> kOptionTable{
    &option::BackgroundCombo, &option::VolumeCheck, &option::VolumeSlider, &option::StereoCheck,
    &option::StereoCombo,     &option::ResCombo,    &option::BackgroundCheck, &option::SoundOption,
    &option::CgbOption,       &option::NoCRCCheck,  &option::TwoPlayersCheck, &option::AltCmdCheck,
    &option::AltCmdText,
};

} // namespace zoot
