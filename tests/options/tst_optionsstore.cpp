// SPDX-License-Identifier: MIT
#include "options/CheckValue.h"
#include "options/OptionsStore.h"
#include "platform/QtPlatform.h"
#include "options/OptionTable.h"
#include "tests/support/AppFolder.h"

#include <QtTest>

using namespace zoot;
using zoot::test::AppFolder;

namespace {

// The window's controls: six resolutions, three stereo modes, two sound and
// four mode buttons, and pictures as given.
OptionLimits limitsWithPictures(int pictures)
{
    OptionLimits limits;
    limits.backgroundLines = pictures;
    limits.resolutionLines = 6;
    limits.stereoLines = 3;
    limits.soundButtons = 2;
    limits.cgbButtons = 4;
    return limits;
}

std::optional<QString> saveAsALaunchDoes(Platform &platform, const OptionSet &options)
{
    return platform.saveSettings(kOptionsSection, launchSettings(options));
}

} // namespace

class OptionsStoreTest : public QObject {
    Q_OBJECT

private slots:
    void firstRunGivesTheDefaults()
    {
        AppFolder folder;
        QtPlatform platform(folder.path(), folder.settingsFile());
        const RestoredOptions restored = restoreOptions(platform, limitsWithPictures(2));
        QCOMPARE(restored.values, OptionSet());
        QCOMPARE(restored.values.altCmdText, QStringLiteral("SNESKey ZOOT /a"));
        QCOMPARE(restored.values.stereoCombo, 1);
        QCOMPARE(restored.values.volumeSlider, 10);
        QVERIFY(restored.problems.isEmpty());
    }

    void firstRunWithoutPicturesSelectsNoPicture()
    {
        AppFolder folder;
        QtPlatform platform(folder.path(), folder.settingsFile());
        const RestoredOptions restored = restoreOptions(platform, limitsWithPictures(0));
        QCOMPARE(restored.values.backgroundCombo, -1);
        QVERIFY(restored.problems.isEmpty());
        QCOMPARE(restored.values.altCmdText, QStringLiteral("SNESKey ZOOT /a"));
    }

    void backgroundIndexPastTheEndSelectsTheFirstPicture()
    {
        AppFolder folder;
        folder.writeOptions("BackgroundCombo=7\n");
        QtPlatform platform(folder.path(), folder.settingsFile());
        QCOMPARE(restoreOptions(platform, limitsWithPictures(3)).values.backgroundCombo, 0);
        QCOMPARE(restoreOptions(platform, limitsWithPictures(8)).values.backgroundCombo, 7);
    }

    // Every option written by a launch reads back identical through a real file.
    void roundTrip()
    {
        AppFolder folder;
        OptionSet chosen;
        chosen.backgroundCombo = 2;
        chosen.volumeCheck = 1;
        chosen.volumeSlider = 15;
        chosen.stereoCheck = 2;
        chosen.stereoCombo = 0;
        chosen.resCombo = -1;
        chosen.backgroundCheck = 1;
        chosen.soundOption = 1;
        chosen.cgbOption = 3;
        chosen.noCRCCheck = 1;
        chosen.twoPlayersCheck = 1;
        chosen.altCmdCheck = 1;
        chosen.altCmdText = QStringLiteral("  my \"emu\", -x=1; C:\\path\\ \u00E9\u65E5\u672C [a] #b  ");
        {
            QtPlatform writer(folder.path(), folder.settingsFile());
            QCOMPARE(saveAsALaunchDoes(writer, chosen), std::nullopt);
        }
        QtPlatform reader(folder.path(), folder.settingsFile());
        const RestoredOptions restored = restoreOptions(reader, limitsWithPictures(3));
        QVERIFY2(restored.problems.isEmpty(), qPrintable(restored.problems.join(u'\n')));
        QCOMPARE(restored.values, chosen);
    }

    void savedAsPlainTextInTheOptionsSection()
    {
        AppFolder folder;
        QtPlatform platform(folder.path(), folder.settingsFile());
        OptionSet o;
        o.resCombo = -1;
        o.soundOption = kAdLib;
        o.cgbOption = -1;
        QCOMPARE(saveAsALaunchDoes(platform, o), std::nullopt);
        // In the order a launch saves them; the mode only when one is chosen.
        QCOMPARE(folder.settingsText(), QByteArray("[Options]\nTwoPlayersCheck=0\nNoCRCCheck=0\nAltCmdCheck=0\n"
                                                  "AltCmdText=SNESKey ZOOT /a\nVolumeCheck=0\nVolumeSlider=10\n"
                                                  "StereoCheck=0\nStereoCombo=1\nResCombo=-1\nBackgroundCombo=0\n"
                                                  "BackgroundCheck=0\nSoundOption=1\n"));
    }

    // An invalid value takes its default, is reported with its key and text,
    // and the options after it are still restored.
    void invalidValues_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QString>("key");
        QTest::newRow("not a number") << QByteArray("VolumeCheck=yes") << QStringLiteral("VolumeCheck");
        QTest::newRow("check value 3") << QByteArray("NoCRCCheck=3") << QStringLiteral("NoCRCCheck");
        QTest::newRow("negative check value") << QByteArray("AltCmdCheck=-1") << QStringLiteral("AltCmdCheck");
        QTest::newRow("list index past the list") << QByteArray("ResCombo=6") << QStringLiteral("ResCombo");
        QTest::newRow("list index below -1") << QByteArray("StereoCombo=-2") << QStringLiteral("StereoCombo");
        QTest::newRow("slider above 15") << QByteArray("VolumeSlider=16") << QStringLiteral("VolumeSlider");
        QTest::newRow("slider negative") << QByteArray("VolumeSlider=-1") << QStringLiteral("VolumeSlider");
        QTest::newRow("no such sound option") << QByteArray("SoundOption=2") << QStringLiteral("SoundOption");
        QTest::newRow("no such mode") << QByteArray("CgbOption=4") << QStringLiteral("CgbOption");
        QTest::newRow("fraction") << QByteArray("ResCombo=1.5") << QStringLiteral("ResCombo");
        QTest::newRow("too big for an integer") << QByteArray("VolumeSlider=99999999999") << QStringLiteral("VolumeSlider");
        QTest::newRow("background not a number") << QByteArray("BackgroundCombo=x") << QStringLiteral("BackgroundCombo");
    }
    void invalidValues()
    {
        QFETCH(QByteArray, line);
        QFETCH(QString, key);
        AppFolder folder;
        folder.writeOptions(line + "\nTwoPlayersCheck=1\nAltCmdText=mine\n");
        QtPlatform platform(folder.path(), folder.settingsFile());
        const RestoredOptions restored = restoreOptions(platform, limitsWithPictures(2));
        QCOMPARE(restored.problems.size(), 1);
        QVERIFY2(restored.problems.first().contains(key), qPrintable(restored.problems.first()));
        const QString stored = QString::fromLatin1(line.mid(line.indexOf('=') + 1));
        QVERIFY2(restored.problems.first().contains(u'"' + stored + u'"'), qPrintable(restored.problems.first()));
        OptionSet expected;
        expected.twoPlayersCheck = 1;
        expected.altCmdText = QStringLiteral("mine");
        QCOMPARE(restored.values, expected);
    }

    void invalidBackgroundWithoutPicturesSelectsNone()
    {
        AppFolder folder;
        folder.writeOptions("BackgroundCombo=-7\n");
        QtPlatform platform(folder.path(), folder.settingsFile());
        const RestoredOptions restored = restoreOptions(platform, limitsWithPictures(0));
        QCOMPARE(restored.values.backgroundCombo, -1);
        QCOMPARE(restored.problems.size(), 1);
        QVERIFY2(restored.problems.first().contains(QStringLiteral("; -1 is used")), qPrintable(restored.problems.first()));
    }

    // A report quotes a huge value by its beginning only, and the text of the
    // other command has no length limit.
    void longValues()
    {
        AppFolder folder;
        const QByteArray command(100000, 'c');
        folder.writeOptions("VolumeSlider=" + QByteArray(5 * 1024 * 1024, 'x') + "\nAltCmdText=" + command + "\n");
        QtPlatform platform(folder.path(), folder.settingsFile());
        const RestoredOptions restored = restoreOptions(platform, limitsWithPictures(1));
        QCOMPARE(restored.problems.size(), 1);
        QVERIFY2(restored.problems.first().size() < 200, qPrintable(restored.problems.first().left(300)));
        QVERIFY(restored.problems.first().contains(QString(60, u'x') + QChar(0x2026)));
        QCOMPARE(restored.values.altCmdText, QString::fromLatin1(command));
    }

    void handEditedValueWithCommaKeepsItsText()
    {
        AppFolder folder;
        folder.writeOptions("AltCmdText=SNESKey ZOOT /a, -fast\nResCombo=2\n");
        QtPlatform platform(folder.path(), folder.settingsFile());
        const RestoredOptions restored = restoreOptions(platform, limitsWithPictures(1));
        QCOMPARE(restored.values.altCmdText, QStringLiteral("SNESKey ZOOT /a, -fast"));
        QCOMPARE(restored.values.resCombo, 2);
        QVERIFY(restored.problems.isEmpty());
    }

    void unwritableSettingsAreReported()
    {
        AppFolder folder;
        // A file where the settings folder should be: no one, not even root,
        // can create the settings file there.
        QVERIFY(QDir().mkpath(folder.path() + QStringLiteral("/blocked")));
        QFile blocker(folder.path() + QStringLiteral("/blocked/config"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        const QString settingsFile = folder.path() + QStringLiteral("/blocked/config/ZOOTfront.conf");
        QtPlatform platform(folder.path(), settingsFile);
        const std::optional<QString> failure = saveAsALaunchDoes(platform, OptionSet());
        QVERIFY(failure.has_value());
        QVERIFY2(failure->contains(settingsFile), qPrintable(*failure));
    }

    void checkValuesMapToQtStates()
    {
        QCOMPARE(checkStateOf(kUnchecked), Qt::Unchecked);
        QCOMPARE(checkStateOf(kChecked), Qt::Checked);
        QCOMPARE(checkStateOf(kGrayed), Qt::PartiallyChecked);
        for (Qt::CheckState state : {Qt::Unchecked, Qt::PartiallyChecked, Qt::Checked})
            QCOMPARE(checkStateOf(checkValueOf(state)), state);
    }
};

QTEST_GUILESS_MAIN(OptionsStoreTest)
#include "tst_optionsstore.moc"
