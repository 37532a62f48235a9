// SPDX-License-Identifier: MIT
#include "options/OptionsStore.h"
#include "platform/QtPlatform.h"
#include "tests/support/AppFolder.h"

#include <QtTest>

using namespace zoot;
using zoot::test::AppFolder;

namespace {

const Option &optionNamed(const QString &key)
{
    for (const Option *option : kOptionTable) {
        if (option->name() == key)
            return *option;
    }
    qFatal("no option %s", qPrintable(key));
}

// The window's controls: six resolutions, three stereo modes, two sound and
// four mode buttons, and pictures as given.
ChoiceCount withPictures(int pictures)
{
    return [pictures](const Option &option) {
        const QHash<QString, int> counts{{"BackgroundCombo", pictures}, {"ResCombo", 6}, {"StereoCombo", 3},
                                         {"SoundOption", 2},            {"CgbOption", 4}};
        return counts.value(option.name(), -99);
    };
}

// Restores from folder's settings file.
RestoredOptions restoredFrom(const AppFolder &folder, int pictures = 2)
{
    QtPlatform platform(folder.path(), folder.settingsFile());
    return restoreOptions(platform, withPictures(pictures));
}

// The options a first run restores, every one by its key.
const QList<QPair<QString, int>> kDefaultNumbers{
    {"BackgroundCombo", 0}, {"VolumeCheck", 0},     {"VolumeSlider", 10}, {"StereoCheck", 0}, {"StereoCombo", 1},
    {"ResCombo", 0},        {"BackgroundCheck", 0}, {"SoundOption", 0},   {"CgbOption", 0},   {"NoCRCCheck", 0},
    {"TwoPlayersCheck", 0}, {"AltCmdCheck", 0}};

} // namespace

class OptionsStoreTest : public QObject {
    Q_OBJECT

private slots:
    void firstRunGivesTheDefaults()
    {
        AppFolder folder;
        const RestoredOptions restored = restoredFrom(folder);
        for (const auto &[key, value] : kDefaultNumbers)
            QCOMPARE(restored.values.number(optionNamed(key)), value);
        QCOMPARE(restored.values.text(optionNamed("AltCmdText")), QStringLiteral("SNESKey ZOOT /a"));
        QVERIFY(restored.problems.isEmpty());
    }

    // Every option written by a launch reads back identical through a real file.
    void roundTrip()
    {
        AppFolder folder;
        const QList<QPair<QString, int>> numbers{
            {"BackgroundCombo", 2}, {"VolumeCheck", 1},     {"VolumeSlider", 15}, {"StereoCheck", 2}, {"StereoCombo", 0},
            {"ResCombo", -1},       {"BackgroundCheck", 1}, {"SoundOption", 1},   {"CgbOption", 3},   {"NoCRCCheck", 1},
            {"TwoPlayersCheck", 1}, {"AltCmdCheck", 1}};
        const QString text = QStringLiteral("  my \"emu\", -x=1; C:\\path\\ \u00E9\u65E5\u672C [a] #b  ");
        OptionSet chosen;
        for (const auto &[key, value] : numbers)
            chosen.setNumber(optionNamed(key), value);
        chosen.setText(option::AltCmdText, text);
        QtPlatform writer(folder.path(), folder.settingsFile());
        saveOptions(writer, chosen);
        const RestoredOptions restored = restoredFrom(folder, 3);
        QVERIFY2(restored.problems.isEmpty(), qPrintable(restored.problems.join(u'\n')));
        for (const auto &[key, value] : numbers)
            QCOMPARE(restored.values.number(optionNamed(key)), value);
        QCOMPARE(restored.values.text(option::AltCmdText), text);
    }

    void savedAsPlainTextInTheOptionsSection()
    {
        AppFolder folder;
        OptionSet o;
        o.setNumber(option::ResCombo, -1);
        o.setNumber(option::SoundOption, kAdLib);
        o.setNumber(option::CgbOption, -1);
        QtPlatform writer(folder.path(), folder.settingsFile());
        saveOptions(writer, o);
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
        QTest::addColumn<int>("pictures");
        QTest::addColumn<int>("fallback");
        QTest::newRow("not a number") << QByteArray("VolumeCheck=yes") << 2 << 0;
        QTest::newRow("empty") << QByteArray("VolumeSlider=") << 2 << 10;
        QTest::newRow("check value 3") << QByteArray("NoCRCCheck=3") << 2 << 0;
        QTest::newRow("negative check value") << QByteArray("AltCmdCheck=-1") << 2 << 0;
        QTest::newRow("list index past the list") << QByteArray("ResCombo=6") << 2 << 0;
        QTest::newRow("list index below -1") << QByteArray("StereoCombo=-2") << 2 << 1;
        QTest::newRow("slider above 15") << QByteArray("VolumeSlider=16") << 2 << 10;
        QTest::newRow("slider negative") << QByteArray("VolumeSlider=-1") << 2 << 10;
        QTest::newRow("no such sound option") << QByteArray("SoundOption=2") << 2 << 0;
        QTest::newRow("no such mode") << QByteArray("CgbOption=4") << 2 << 0;
        QTest::newRow("fraction") << QByteArray("ResCombo=1.5") << 2 << 0;
        QTest::newRow("too big for an integer") << QByteArray("VolumeSlider=99999999999") << 2 << 10;
        QTest::newRow("background not a number") << QByteArray("BackgroundCombo=x") << 2 << 0;
        QTest::newRow("background below -1, no pictures") << QByteArray("BackgroundCombo=-7") << 0 << -1;
    }
    void invalidValues()
    {
        QFETCH(QByteArray, line);
        QFETCH(int, pictures);
        QFETCH(int, fallback);
        AppFolder folder;
        folder.writeOptions(line + "\nTwoPlayersCheck=1\nAltCmdText=mine\n");
        const RestoredOptions restored = restoredFrom(folder, pictures);
        const QString key = QString::fromLatin1(line.left(line.indexOf('=')));
        const QString stored = QString::fromLatin1(line.mid(line.indexOf('=') + 1));
        QCOMPARE(restored.problems.size(), 1);
        QVERIFY2(restored.problems.first().contains(key) && restored.problems.first().contains(u'"' + stored + u'"'),
                 qPrintable(restored.problems.first()));
        QVERIFY2(restored.problems.first().contains(QStringLiteral("; %1 is used").arg(fallback)), qPrintable(restored.problems.first()));
        QCOMPARE(restored.values.number(optionNamed(key)), fallback);
        QCOMPARE(restored.values.number(option::TwoPlayersCheck), 1);
        QCOMPARE(restored.values.text(option::AltCmdText), QStringLiteral("mine"));
    }

    // A report quotes a huge value by its beginning only.
    void longValues()
    {
        AppFolder folder;
        folder.writeOptions("VolumeSlider=" + QByteArray(5 * 1024 * 1024, 'x') + "\n");
        QCOMPARE(restoredFrom(folder, 1).problems, QStringList{QStringLiteral("The stored value \"%1\u2026\" of VolumeSlider is not valid; 10 is used instead").arg(QString(60, u'x'))});
    }

    void handEditedValueWithCommaKeepsItsText()
    {
        AppFolder folder;
        folder.writeOptions("AltCmdText=SNESKey ZOOT /a, -fast\nResCombo=2\n");
        const RestoredOptions restored = restoredFrom(folder, 1);
        QCOMPARE(restored.values.text(option::AltCmdText), QStringLiteral("SNESKey ZOOT /a, -fast"));
        QCOMPARE(restored.values.number(option::ResCombo), 2);
        QVERIFY(restored.problems.isEmpty());
    }

    // An unreadable store gives the defaults and says why, once.
    void unreadableSettingsGiveTheDefaults()
    {
        AppFolder folder;
        QVERIFY(QDir().mkpath(folder.settingsFile())); // a folder where the file belongs
        const RestoredOptions restored = restoredFrom(folder);
        QCOMPARE(restored.problems.size(), 1);
        QVERIFY2(restored.problems.first().contains(folder.settingsFile()), qPrintable(restored.problems.first()));
        QCOMPARE(restored.values.number(option::VolumeSlider), 10);
    }

};

QTEST_GUILESS_MAIN(OptionsStoreTest)
#include "tst_optionsstore.moc"
