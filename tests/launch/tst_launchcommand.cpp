// SPDX-License-Identifier: MIT
#include "launch/LaunchCommand.h"
#include "tests/support/AppFolder.h"
#include "tests/support/RecordingPlatform.h"

#include <QtTest>

using namespace zoot;
using zoot::test::AppFolder;
using zoot::test::RecordingPlatform;

namespace {

QString game(const QString &file)
{
    return QStringLiteral("Roms/") + file;
}

// Options with the numbers given by key.
OptionSet optionsWith(std::initializer_list<std::pair<const Option &, int>> numbers)
{
    OptionSet o;
    for (const auto &[option, value] : numbers)
        o.setNumber(option, value);
    return o;
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

    void designExample()
    {
        const OptionSet o = optionsWith({{option::CgbOption, 1}, {option::SoundOption, kAdLib}, {option::VolumeCheck, kChecked},
                                         {option::VolumeSlider, 10}, {option::StereoCheck, kUnchecked}, {option::ResCombo, 0}});
        QCOMPARE(commandFor(o, {game("racer.gb"), "stars.gif"}),
                 QStringLiteral("ZOOT %1 -cgb -sound 1 -volume 10 -video 0").arg(racer));
    }

    void everyFlagAtOnce()
    {
        const OptionSet o = optionsWith({{option::VolumeCheck, kChecked}, {option::StereoCheck, kChecked},
                                         {option::BackgroundCheck, kChecked}, {option::NoCRCCheck, kChecked},
                                         {option::TwoPlayersCheck, kChecked}, {option::SoundOption, kAdLib},
                                         {option::CgbOption, 3}, {option::VolumeSlider, 7}, {option::StereoCombo, 2},
                                         {option::ResCombo, 3}});
        QCOMPARE(commandFor(o, {game("racer.gb"), "stars.gif"}),
                 QStringLiteral("ZOOT %1 -sgb -nocrc -sound 1 -volume 7 -stereo 2 -video 3 -bg %2/stars.gif -2p")
                     .arg(racer, folder.path()));
    }

    void noSoundSuppressesVolumeAndStereo()
    {
        const OptionSet o = optionsWith({{option::VolumeCheck, kChecked}, {option::StereoCheck, kChecked}});
        const QString command = commandFor(o, {game("racer.gb"), {}});
        QCOMPARE(command, QStringLiteral("ZOOT %1 -sound 0 -video 0").arg(racer));
    }

    void modes_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("flag");
        QTest::newRow("auto adds nothing, not even a space") << 0 << QString();
        QTest::newRow("force CGB") << 1 << QStringLiteral(" -cgb");
        QTest::newRow("force GB") << 2 << QStringLiteral(" -gb");
        QTest::newRow("Super GameBoy") << 3 << QStringLiteral(" -sgb");
        QTest::newRow("none selected") << -1 << QString();
    }
    void modes()
    {
        QFETCH(int, mode);
        QFETCH(QString, flag);
        const OptionSet o = optionsWith({{option::CgbOption, mode}});
        QCOMPARE(commandFor(o, {game("racer.gb"), {}}),
                 QStringLiteral("ZOOT %1%2 -sound 0 -video 0").arg(racer, flag));
    }

    void otherCommand()
    {
        OptionSet o = optionsWith({{option::AltCmdCheck, kChecked}});
        QVERIFY(commandFor(o, {game("racer.gb"), {}}).startsWith(QStringLiteral("SNESKey ZOOT /a ") + racer + u' '));
        o.setText(option::AltCmdText, QString());
        QVERIFY(commandFor(o, {game("racer.gb"), {}}).startsWith(u' ' + racer + u' '));
        o.setNumber(option::AltCmdCheck, kGrayed); // grayed is not checked
        QVERIFY(commandFor(o, {game("racer.gb"), {}}).startsWith(QStringLiteral("ZOOT ")));
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
        OptionSet o = optionsWith({{option::AltCmdCheck, kChecked}});
        o.setText(option::AltCmdText, text);
        RecordingPlatform platform(folder.path(), folder.settingsFile());
        const PreparedLaunch launch = prepareLaunch(platform, o, {game("racer.gb"), {}});
        QCOMPARE(launch.otherCommandBlank, blank);
        QCOMPARE(launch.commandLine, text + u' ' + racer + QStringLiteral(" -sound 0 -video 0"));
        o.setNumber(option::AltCmdCheck, kUnchecked);
        QVERIFY(!prepareLaunch(platform, o, {game("racer.gb"), {}}).otherCommandBlank);
    }

    void resolutionWithoutSelection()
    {
        const OptionSet o = optionsWith({{option::ResCombo, -1}});
        QVERIFY(commandFor(o, {game("racer.gb"), {}}).endsWith(QStringLiteral(" -video -1")));
    }

    void noGameSelectedGivesTheApplicationFolder()
    {
        QCOMPARE(commandFor(OptionSet(), {}), QStringLiteral("ZOOT %1/ -sound 0 -video 0").arg(folder.path()));
    }

    void vanishedImageShowsTheMessageAndLeavesThePathEmpty()
    {
        const QString command = commandFor(OptionSet(), {game("gone.gb"), {}});
        QCOMPARE(command, QStringLiteral("ZOOT  -sound 0 -video 0"));
        QCOMPARE(std::exchange(shown, {}), QStringList{QStringLiteral("Error in ShortName\n\nDon't rename romsets during Pwk operations !")});
    }

    void optionsAreSavedWithTheLaunch()
    {
        AppFolder own;
        own.addImage(QStringLiteral("a.gb"), "A");
        RecordingPlatform platform(own.path(), own.settingsFile());
        OptionSet o = optionsWith({{option::SoundOption, kAdLib}, {option::CgbOption, 2}});
        o.setText(option::AltCmdText, QStringLiteral("x, y"));
        const PreparedLaunch launch = prepareLaunch(platform, o, {game("a.gb"), {}});
        QVERIFY(!launch.saveFailure);
        QCOMPARE(own.savedOption("SoundOption"), QStringLiteral("1"));
        QCOMPARE(own.savedOption("CgbOption"), QStringLiteral("2"));
        QCOMPARE(own.savedOption("AltCmdText"), QStringLiteral("x, y"));
        QSettings written(own.settingsFile(), QSettings::IniFormat);
        QCOMPARE(written.childGroups(), QStringList{"Options"});
        written.beginGroup(QStringLiteral("Options"));
        QCOMPARE(written.childKeys().size(), 13);

        // With no mode selected, the stored mode is left alone.
        o.setNumber(option::CgbOption, -1);
        prepareLaunch(platform, o, {game("a.gb"), {}});
        QCOMPARE(own.savedOption("CgbOption"), QStringLiteral("2"));
    }
};

QTEST_GUILESS_MAIN(LaunchCommandTest)
#include "tst_launchcommand.moc"
