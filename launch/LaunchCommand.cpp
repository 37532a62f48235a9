// SPDX-License-Identifier: MIT
#include "launch/LaunchCommand.h"

#include "launch/ShortName.h"
#include "options/OptionsStore.h"
#include "platform/PathJoin.h"
#include "platform/Platform.h"
#include "platform/ZootError.h"

#include <QProcess>

#include <array>

namespace zoot {

namespace {

const std::array<QString, 4> kModeFlags{QString(), QStringLiteral(" -cgb"), QStringLiteral(" -gb"),
                                        QStringLiteral(" -sgb")};

} // namespace

PreparedLaunch prepareLaunch(Platform &platform, const OptionSet &o, const LaunchSelection &selection)
{
    PreparedLaunch result;
    const QString folder = platform.applicationFolder();
    // A path that is gone leaves its place empty; the message says why.
    const auto shortPath = [&](const QString &relative) {
        const std::optional<QString> path = ShortName(platform, joinPath(folder, relative));
        if (!path)
            result.messages.append(kShortNameMessage);
        return path.value_or(QString());
    };
    const auto checked = [&o](const Option &box) { return o.number(box) == kChecked; };
    const auto number = [&o](const Option &option) { return QString::number(o.number(option)); };

    const QString video = QStringLiteral(" -video ") + number(option::ResCombo);

    QString background;
    if (checked(option::BackgroundCheck))
        background = QStringLiteral(" -bg ") + shortPath(selection.background);

    QString sound;
    QString volume;
    QString stereo;
    if (o.number(option::SoundOption) == kAdLib) {
        sound = QStringLiteral(" -sound 1");
        if (checked(option::VolumeCheck))
            volume = QStringLiteral(" -volume ") + number(option::VolumeSlider);
        if (checked(option::StereoCheck))
            stereo = QStringLiteral(" -stereo ") + number(option::StereoCombo);
    } else {
        sound = QStringLiteral(" -sound 0");
    }

    const int modeIndex = o.number(option::CgbOption);
    const QString mode = modeIndex >= 0 && modeIndex < int(kModeFlags.size()) ? kModeFlags.at(size_t(modeIndex)) : QString();
    const QString nocrc = checked(option::NoCRCCheck) ? QStringLiteral(" -nocrc") : QString();
    const QString players = checked(option::TwoPlayersCheck) ? QStringLiteral(" -2p") : QString();
    const bool other = checked(option::AltCmdCheck);
    const QString &otherCommand = o.text(option::AltCmdText);
    const QString program = other ? otherCommand + u' ' : QStringLiteral("ZOOT ");
    const QString image = shortPath(selection.game);

    result.commandLine = program + image + mode + nocrc + sound + volume + stereo + video + background + players;
    // Without a word of its own, the other command would leave the image
    // path first on the line, to be run as the program.
    result.otherCommandBlank = other && QProcess::splitCommand(otherCommand).isEmpty();
    try {
        saveOptions(platform, o);
    } catch (const ZootError &error) {
        result.saveFailure = error.description(); // the launch goes on
    }
    return result;
}

} // namespace zoot
