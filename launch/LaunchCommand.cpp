#include "launch/LaunchCommand.h"

#include "catalogue/CatalogueEntry.h"
#include "launch/ShortName.h"
#include "options/OptionsStore.h"
#include "platform/PathJoin.h"
#include "platform/Platform.h"

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
    const QString folder = platform.applicationFolder();
    saveLaunchOptions(platform, o);

    const QString video = QStringLiteral(" -video ") + number(o.resCombo);

    QString background;
    if (o.backgroundCheck == kChecked)
        background = QStringLiteral(" -bg ") + ShortName(platform, joinPath(folder, trimSpaces(selection.background)));

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
    saveSoundOption(platform, o.soundOption);

    QString mode;
    if (o.cgbOption >= 0 && o.cgbOption < int(kModeFlags.size())) {
        saveCgbOption(platform, o.cgbOption);
        mode = kModeFlags.at(size_t(o.cgbOption));
    }

    const QString nocrc = o.noCRCCheck == kChecked ? QStringLiteral(" -nocrc") : QString();
    const QString players = o.twoPlayersCheck == kChecked ? QStringLiteral(" -2p") : QString();
    const QString program = o.altCmdCheck == kChecked ? o.altCmdText + u' ' : QStringLiteral("ZOOT ");
    const QString image = ShortName(platform, joinPath(folder, relativePathOfLine(selection.gameLine)));

    PreparedLaunch result;
    result.commandLine = program + image + mode + nocrc + sound + volume + stereo + video + background + players;
    result.saveFailure = platform.flushSettings();
    return result;
}

} // namespace zoot
