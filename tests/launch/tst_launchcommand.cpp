// SPDX-License-Identifier: MIT
#include "launch/LaunchCommand.h"
#include "tests/support/AppFolder.h"
#include "tests/support/RecordingPlatform.h"

#include <QtTest>

using namespace zoot;
using zoot::test::AppFolder;
using zoot::test::RecordingPlatform;

namespace {

// Numbers of options, by key.
using Numbers = QList<QPair<QString, int>>;

QString game(const QString &file)
{
    return QStringLiteral("Roms/") + file;
}



} // namespace

class LaunchCommandTest : public QObject {
    Q_OBJECT
    AppFolder folder;
    QString racer;

    // Messages shown by the last launch; a test that expects some takes them,
    // any left over fail the test.
    QStringList shown;

    QString commandFor(const OptionSet &options, const LaunchSelection &selection)
    {
        RecordingPlatform platform(folder.path(), folder.settingsFile());
        const PreparedLaunch launch = prepareLaunch(platform, options, selection);
        shown += launch.messages;
        return launch.commandLine;
    }

private slots:
    void cleanup()
    {
        QVERIFY2(shown.isEmpty(), qPrintable(shown.join(u'|')));
        shown.clear();
    }

    void initTestCase()
    {
        racer = folder.addImage(QStringLiteral("racer.gb"), "RACER");
        folder.addRaw(QStringLiteral("stars.gif"), "GIF89a");
    }

    // Options by key, the other command's text, the game and the picture;
    // the expected line with %1 for the image and %2 for the folder.
    void commandLines_data()
    {
        QTest::addColumn<Numbers>("numbers");
        QTest::addColumn<QString>("otherCommand"); // null: the default
        QTest::addColumn<QString>("game");
        QTest::addColumn<QString>("expected");
        const QString racer = game("racer.gb");
        QTest::newRow("the example: force CGB, AdLib at volume 10")
            << Numbers{{"CgbOption", 1}, {"SoundOption", 1}, {"VolumeCheck", 1}, {"VolumeSlider", 10}} << QString() << racer
            << QStringLiteral("ZOOT %1 -cgb -sound 1 -volume 10 -video 0");
        QTest::newRow("every flag at once")
            << Numbers{{"VolumeCheck", 1}, {"StereoCheck", 1}, {"BackgroundCheck", 1}, {"NoCRCCheck", 1}, {"TwoPlayersCheck", 1},
                       {"SoundOption", 1}, {"CgbOption", 3}, {"VolumeSlider", 7}, {"StereoCombo", 2}, {"ResCombo", 3}}
            << QString() << racer << QStringLiteral("ZOOT %1 -sgb -nocrc -sound 1 -volume 7 -stereo 2 -video 3 -bg %2/stars.gif -2p");
        QTest::newRow("no sound: no volume, no stereo")
            << Numbers{{"VolumeCheck", 1}, {"StereoCheck", 1}} << QString() << racer << QStringLiteral("ZOOT %1 -sound 0 -video 0");
        // None selected, then "Auto enable CGB" (not even a space), and the forced modes.
        const QStringList modes{QString(), QString(), QStringLiteral(" -cgb"), QStringLiteral(" -gb"), QStringLiteral(" -sgb")};
        for (int mode = -1; mode < 4; ++mode)
            QTest::addRow("mode %d", mode) << Numbers{{"CgbOption", mode}} << QString() << racer
                                           << QStringLiteral("ZOOT %1") + modes.at(mode + 1) + QStringLiteral(" -sound 0 -video 0");
        QTest::newRow("the other command") << Numbers{{"AltCmdCheck", 1}} << QString() << racer
                                           << QStringLiteral("SNESKey ZOOT /a %1 -sound 0 -video 0");
        QTest::newRow("an empty other command") << Numbers{{"AltCmdCheck", 1}} << QStringLiteral("") << racer
                                                << QStringLiteral(" %1 -sound 0 -video 0");
        QTest::newRow("grayed is not checked") << Numbers{{"AltCmdCheck", 2}, {"NoCRCCheck", 2}} << QString() << racer
                                               << QStringLiteral("ZOOT %1 -sound 0 -video 0");
        QTest::newRow("no resolution") << Numbers{{"ResCombo", -1}} << QString() << racer << QStringLiteral("ZOOT %1 -sound 0 -video -1");
        QTest::newRow("no game: the application folder") << Numbers{} << QString() << QString()
                                                          << QStringLiteral("ZOOT %2/ -sound 0 -video 0");
    }
    void commandLines()
    {
        QFETCH(Numbers, numbers);
        QFETCH(QString, otherCommand);
        QFETCH(QString, game);
        QFETCH(QString, expected);
        OptionSet options;
        for (const Option *option : kOptionTable) {
            for (const auto &[key, value] : numbers)
                if (option->name() == key)
                    options.setNumber(*option, value);
        }
        if (!otherCommand.isNull())
            options.setText(option::AltCmdText, otherCommand);
        QCOMPARE(commandFor(options, {game, "stars.gif"}), QString(expected).replace("%1", racer).replace("%2", folder.path()));
    }

    // A blank other command names no program: the image path would be run
    // in its place.
    void blankOtherCommand_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("blank");
        QTest::newRow("empty") << QString() << true;
        QTest::newRow("spaces and a tab") << QStringLiteral("  \t ") << true;
        QTest::newRow("an empty quoted word") << QStringLiteral("\"\"") << true;
        QTest::newRow("a program") << QStringLiteral(" emu ") << false;
    }
    void blankOtherCommand()
    {
        QFETCH(QString, text);
        QFETCH(bool, blank);
        OptionSet o;
        o.setNumber(option::AltCmdCheck, kChecked);
        o.setText(option::AltCmdText, text);
        RecordingPlatform platform(folder.path(), folder.settingsFile());
        const PreparedLaunch launch = prepareLaunch(platform, o, {game("racer.gb"), {}});
        QCOMPARE(launch.otherCommandBlank, blank);
        QCOMPARE(launch.commandLine, text + u' ' + racer + QStringLiteral(" -sound 0 -video 0"));
        o.setNumber(option::AltCmdCheck, kUnchecked);
        QVERIFY(!prepareLaunch(platform, o, {game("racer.gb"), {}}).otherCommandBlank);
    }

    void vanishedImageShowsTheMessageAndLeavesThePathEmpty()
    {
        const QString command = commandFor(OptionSet(), {game("gone.gb"), {}});
        QCOMPARE(command, QStringLiteral("ZOOT  -sound 0 -video 0"));
        QCOMPARE(std::exchange(shown, {}), QStringList{QStringLiteral("Error in ShortName\n\nDon't rename romsets during Pwk operations !")});
    }

};

QTEST_GUILESS_MAIN(LaunchCommandTest)
#include "tst_launchcommand.moc"
