#include "options/OptionsStore.h"

#include "platform/Platform.h"

#include <optional>

namespace zoot {

namespace {

std::optional<int> plainInteger(const QString &text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok, 10);
    return ok ? std::optional<int>(value) : std::nullopt;
}

class Restorer {
public:
    Restorer(Platform &platform, RestoredOptions &result) : m_platform(platform), m_result(result) {}

    // Reads key as an integer in [lowest, highest]; anything else keeps target's default.
    void integer(const QString &key, int &target, int lowest, int highest)
    {
        const QString text = read(key, target);
        const std::optional<int> value = plainInteger(text);
        if (value && *value >= lowest && *value <= highest)
            target = *value;
        else
            reject(key, text, target);
    }

    void checkValue(const QString &key, int &target) { integer(key, target, kUnchecked, kGrayed); }

    // A list index: -1 (nothing selected) or a line of the list.
    void listIndex(const QString &key, int &target, int count) { integer(key, target, -1, count - 1); }

    // The stored background may name a picture that has gone since: any index
    // past the end falls back to the first picture, or to none without pictures.
    void backgroundIndex(const QString &key, int &target, int count)
    {
        const QString text = read(key, target);
        const std::optional<int> value = plainInteger(text);
        if (!value || *value < -1) {
            target = qMin(target, count - 1);
            reject(key, text, target);
        } else {
            target = *value > count - 1 ? qMin(0, count - 1) : *value;
        }
    }

    void text(const QString &key, QString &target)
    {
        target = m_platform.readSetting(kOptionsSection, key, target);
    }

private:
    QString read(const QString &key, int fallback)
    {
        return m_platform.readSetting(kOptionsSection, key, QString::number(fallback));
    }

    void reject(const QString &key, const QString &stored, int fallback)
    {
        m_result.problems.append(QStringLiteral("The stored value \"%1\" of %2 is not valid; %3 is used instead")
                                     .arg(stored, key, QString::number(fallback)));
    }

    Platform &m_platform;
    RestoredOptions &m_result;
};

void saveNumber(Platform &platform, const QString &key, int value)
{
    platform.writeSetting(kOptionsSection, key, QString::number(value));
}

} // namespace

RestoredOptions restoreOptions(Platform &platform, const OptionLimits &limits)
{
    RestoredOptions result;
    OptionSet &o = result.values;
    Restorer r(platform, result);
    r.backgroundIndex(QStringLiteral("BackgroundCombo"), o.backgroundCombo, limits.backgroundCount);
    r.checkValue(QStringLiteral("VolumeCheck"), o.volumeCheck);
    r.integer(QStringLiteral("VolumeSlider"), o.volumeSlider, limits.sliderMinimum, limits.sliderMaximum);
    r.checkValue(QStringLiteral("StereoCheck"), o.stereoCheck);
    r.listIndex(QStringLiteral("StereoCombo"), o.stereoCombo, limits.stereoCount);
    r.listIndex(QStringLiteral("ResCombo"), o.resCombo, limits.resolutionCount);
    r.checkValue(QStringLiteral("BackgroundCheck"), o.backgroundCheck);
    r.integer(QStringLiteral("SoundOption"), o.soundOption, 0, limits.soundCount - 1);
    r.integer(QStringLiteral("CgbOption"), o.cgbOption, 0, limits.cgbCount - 1);
    r.checkValue(QStringLiteral("NoCRCCheck"), o.noCRCCheck);
    r.checkValue(QStringLiteral("TwoPlayersCheck"), o.twoPlayersCheck);
    r.checkValue(QStringLiteral("AltCmdCheck"), o.altCmdCheck);
    r.text(QStringLiteral("AltCmdText"), o.altCmdText);
    return result;
}

void saveLaunchOptions(Platform &platform, const OptionSet &o)
{
    saveNumber(platform, QStringLiteral("TwoPlayersCheck"), o.twoPlayersCheck);
    saveNumber(platform, QStringLiteral("NoCRCCheck"), o.noCRCCheck);
    saveNumber(platform, QStringLiteral("AltCmdCheck"), o.altCmdCheck);
    platform.writeSetting(kOptionsSection, QStringLiteral("AltCmdText"), o.altCmdText);
    saveNumber(platform, QStringLiteral("VolumeCheck"), o.volumeCheck);
    saveNumber(platform, QStringLiteral("VolumeSlider"), o.volumeSlider);
    saveNumber(platform, QStringLiteral("StereoCheck"), o.stereoCheck);
    saveNumber(platform, QStringLiteral("StereoCombo"), o.stereoCombo);
    saveNumber(platform, QStringLiteral("ResCombo"), o.resCombo);
    saveNumber(platform, QStringLiteral("BackgroundCombo"), o.backgroundCombo);
    saveNumber(platform, QStringLiteral("BackgroundCheck"), o.backgroundCheck);
}

void saveSoundOption(Platform &platform, int soundOption)
{
    saveNumber(platform, QStringLiteral("SoundOption"), soundOption == kAdLib ? kAdLib : kNoSound);
}

void saveCgbOption(Platform &platform, int cgbOption)
{
    saveNumber(platform, QStringLiteral("CgbOption"), cgbOption);
}

} // namespace zoot
