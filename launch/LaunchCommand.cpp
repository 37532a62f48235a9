// SPDX-License-Identifier: MIT
#include "launch/LaunchCommand.h"

#include "launch/ShortName.h"
#include "options/OptionsStore.h"
#include "platform/PathJoin.h"
#include "platform/Platform.h"

#include <QProcess>

#include <array>

namespace zoot {

namespace {

const std::array<QString, 4> kModeFlags{QString(), QStringLiteral(" -cgb"), QStringLiteral(" -gb"),
                                        QStringLiteral(" -sgb")};

QString number(int value)
{
    return QString::number(value);
}

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

    const QString video = QStringLiteral(" -video ") + number(o.resCombo);

    QString background;
    if (o.backgroundCheck == kChecked)
        background = QStringLiteral(" -bg ") + shortPath(trimSpaces(selection.background));

    QString sound;
    QString volume;
    QString stereo;
    if (o.soundOption == kAdLib) {
        sound = QStringLiteral(" -sound 1");
        if (o.volumeCheck == kChecked)
            volume = QStringLiteral(" -volume ") + number(o.volumeSlider);
        if (o.stereoCheck == kChecked)
            stereo = QStringLiteral(" -stereo ") + number(o.stereoCombo);
    } else {
        sound = QStringLiteral(" -sound 0");
    }

    QString mode;
    if (o.cgbOption >= 0 && o.cgbOption < int(kModeFlags.size()))
        mode = kModeFlags.at(size_t(o.cgbOption));

    const QString nocrc = o.noCRCCheck == kChecked ? QStringLiteral(" -nocrc") : QString();
    const QString players = o.twoPlayersCheck == kChecked ? QStringLiteral(" -2p") : QString();
    const bool other = o.altCmdCheck == kChecked;
    const QString program = other ? o.altCmdText + u' ' : QStringLiteral("ZOOT ");
    const QString image = shortPath(selection.game);

    result.commandLine = program + image + mode + nocrc + sound + volume + stereo + video + background + players;
    // Without a word of its own, the other command would leave the image
    // path first on the line, to be run as the program.
    result.otherCommandBlank = other && QProcess::splitCommand(o.altCmdText).isEmpty();
    result.saveFailure = platform.saveSettings(kOptionsSection, launchSettings(o));
    return result;
}

} // namespace zoot
