// SPDX-License-Identifier: MIT
#include "options/OptionsStore.h"

#include "options/IniText.h"

#include "platform/Platform.h"
#include "platform/ZootError.h"

#include <algorithm>
#include <optional>

namespace zoot {

namespace {

// A stored value quoted in a message: long enough to recognise, short enough
// to read.
constexpr qsizetype kQuotedLength = 60;

QString quoted(const QString &stored)
{
    return stored.size() <= kQuotedLength ? stored : stored.left(kQuotedLength) + QChar(0x2026);
}

std::optional<int> plainInteger(const QString &text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok, 10);
    return ok ? std::optional<int>(value) : std::nullopt;
}

// The value of a number option read from stored, or nullopt when it is not
// valid; count is the number of its control's lines or buttons.
std::optional<int> validNumber(const Option &option, const QString &stored, int count)
{
    const std::optional<int> value = plainInteger(stored);
    if (!value)
        return std::nullopt;
    switch (option.rule) {
    case OptionRule::CheckValue:
        return *value >= kUnchecked && *value <= kGrayed ? value : std::nullopt;
    case OptionRule::Range:
        return *value >= option.lowest && *value <= option.highest ? value : std::nullopt;
    case OptionRule::ListIndex:
        return *value >= -1 && *value < count ? value : std::nullopt;
    case OptionRule::Background:
        // The stored picture may have gone since: past the end means the
        // first picture, or none when there are none.
        return *value < -1 ? std::nullopt : std::optional<int>(*value > count - 1 ? std::min(0, count - 1) : *value);
    case OptionRule::GroupIndex:
        return *value >= 0 && *value < count ? value : std::nullopt;
    case OptionRule::Text:
        break;
    }
    return std::nullopt;
}

} // namespace

RestoredOptions restoreOptions(Platform &platform, const ChoiceCount &choices)
{
    RestoredOptions result;
    QHash<QString, QString> stored;
    try {
        stored = iniSection(platform.readSettingsText(), kOptionsSection);
    } catch (const ZootError &error) {
        result.problems.append(error.description());
    }
    OptionSet &values = result.values;
    for (const Option *option : kOptionTable) {
        const auto found = stored.constFind(option->name());
        if (option->isText()) {
            if (found != stored.cend())
                values.setText(*option, *found);
            continue;
        }
        const bool hasChoices = option->rule != OptionRule::CheckValue && option->rule != OptionRule::Range;
        const int count = hasChoices ? choices(*option) : 0;
        if (option->rule == OptionRule::Background) // no pictures: none selected
            values.setNumber(*option, std::min(values.number(*option), count - 1));
        if (found == stored.cend())
            continue;
        if (const std::optional<int> value = validNumber(*option, *found, count)) {
            values.setNumber(*option, *value);
        } else {
            result.problems.append(QStringLiteral("The stored value \"%1\" of %2 is not valid; %3 is used instead")
                                       .arg(quoted(*found), option->name(), QString::number(values.number(*option))));
        }
    }
    return result;
}

namespace {

SettingValues launchSettings(const OptionSet &options)
{
    std::array<const Option *, kOptionTable.size()> inSaveOrder = kOptionTable;
    std::sort(inSaveOrder.begin(), inSaveOrder.end(), [](const Option *a, const Option *b) { return a->saveStep < b->saveStep; });
    SettingValues values;
    for (const Option *option : inSaveOrder) {
        if (option->isText()) {
            values.append({option->name(), options.text(*option)});
            continue;
        }
        const int value = options.number(*option);
        switch (option->save) {
        case OptionSave::Value:
            values.append({option->name(), QString::number(value)});
            break;
        case OptionSave::AdLibOrNot:
            values.append({option->name(), QString::number(value == kAdLib ? 1 : 0)});
            break;
        case OptionSave::WhenSelected:
            if (value >= 0)
                values.append({option->name(), QString::number(value)});
            break;
        }
    }
    return values;
}

} // namespace

void saveOptions(Platform &platform, const OptionSet &options)
{
    platform.updateSettingsText(
        [&](const QByteArray &current) { return withIniValues(current, kOptionsSection, launchSettings(options)); });
}

} // namespace zoot
