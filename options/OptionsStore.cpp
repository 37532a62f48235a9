// SPDX-License-Identifier: MIT
#include "options/OptionsStore.h"

#include "platform/Platform.h"

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

// The value of a number row read from stored, or nullopt when it is not valid.
std::optional<int> validNumber(const OptionRow &row, const QString &stored, const OptionLimits &limits)
{
    const std::optional<int> value = plainInteger(stored);
    if (!value)
        return std::nullopt;
    const int count = row.count ? limits.*row.count : 0;
    switch (row.rule) {
    case OptionRule::CheckValue:
        return *value >= kUnchecked && *value <= kGrayed ? value : std::nullopt;
    case OptionRule::Range:
        return *value >= row.lowest && *value <= row.highest ? value : std::nullopt;
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

RestoredOptions restoreOptions(Platform &platform, const OptionLimits &limits)
{
    RestoredOptions result;
    const SettingsSection stored = platform.readSettings(kOptionsSection);
    if (stored.problem)
        result.problems.append(*stored.problem);
    OptionSet &o = result.values;
    for (const OptionRow &row : optionTable()) {
        const auto found = stored.values.constFind(row.key);
        if (row.text) {
            if (found != stored.values.cend())
                o.*row.text = *found;
            continue;
        }
        int &target = o.*row.number;
        if (row.rule == OptionRule::Background)
            target = std::min(target, limits.backgroundLines - 1); // no pictures: none selected
        if (found == stored.values.cend())
            continue;
        if (const std::optional<int> value = validNumber(row, *found, limits)) {
            target = *value;
        } else {
            result.problems.append(QStringLiteral("The stored value \"%1\" of %2 is not valid; %3 is used instead")
                                       .arg(quoted(*found), row.key, QString::number(target)));
        }
    }
    return result;
}

SettingValues launchSettings(const OptionSet &o)
{
    QList<const OptionRow *> rows;
    for (const OptionRow &row : optionTable())
        rows.append(&row);
    std::sort(rows.begin(), rows.end(), [](const OptionRow *a, const OptionRow *b) { return a->saveStep < b->saveStep; });
    SettingValues values;
    for (const OptionRow *row : rows) {
        if (row->text) {
            values.append({row->key, o.*row->text});
            continue;
        }
        const int value = o.*row->number;
        switch (row->save) {
        case OptionSave::Value:
            values.append({row->key, QString::number(value)});
            break;
        case OptionSave::OnWhenIndexOne:
            values.append({row->key, QString::number(value == 1 ? 1 : 0)});
            break;
        case OptionSave::WhenSelected:
            if (value >= 0)
                values.append({row->key, QString::number(value)});
            break;
        }
    }
    return values;
}

} // namespace zoot
