// SPDX-License-Identifier: MIT
// The settings store against real files: what a save keeps, how it fails,
// and that its files and Qt's own INI files read the same in both programs.
#include "platform/QtPlatform.h"
#include "tests/support/AppFolder.h"

#include <QSettings>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace zoot;
using zoot::test::AppFolder;

namespace {

const QString kSection = QStringLiteral("Options");

// Texts that need quoting or escapes in an INI file.
const QStringList kAwkwardTexts{
    QStringLiteral("SNESKey ZOOT /a"),  QStringLiteral("  spaced  "),     QStringLiteral("a, b"),
    QStringLiteral("x;y=z"),            QStringLiteral("say \"hi\""),     QStringLiteral("C:\\games\\x"),
    QStringLiteral("@at"),              QStringLiteral("@@two"),          QStringLiteral("tab\there\nline"),
    QStringLiteral("\u0001ab\u001F9"),  QStringLiteral("#hash [x] %41"),  QStringLiteral("\u00E9\u65E5\u672C\U0001F600"),
    QString(),                          QStringLiteral("nul") + QChar(0) + QStringLiteral("7"),
};

QString keyOf(qsizetype i)
{
    return QStringLiteral("Key%1").arg(i);
}

} // namespace

class SettingsStoreTest : public QObject {
    Q_OBJECT

private slots:
    // Only the values written change; comments, other sections, unknown keys,
    // spacing, escapes and a syntax error elsewhere stay byte for byte.
    void everythingElseSurvivesASave()
    {
        AppFolder folder;
        const QByteArray before = "; my settings\n"
                                  "[Window]\n"
                                  "path=C:\\games\\x\n"
                                  "weird key=1\n"
                                  "\n"
                                  "[Options]\n"
                                  "Unknown=keep \"me\"\n"
                                  "VolumeSlider = 3   ; quiet\n"
                                  "AltCmdText=old\n"
                                  "\n"
                                  "[Broken\n"
                                  "tail=1\n";
        folder.writeSettings(before);
        QtPlatform platform(folder.path(), folder.settingsFile());
        QCOMPARE(platform.saveSettings(kSection, {{"VolumeSlider", "12"}, {"AltCmdText", "new, text"}, {"CgbOption", "2"}}),
                 std::nullopt);
        QByteArray expected = before;
        expected.replace("VolumeSlider = 3   ; quiet", "VolumeSlider =12; quiet");
        expected.replace("AltCmdText=old\n", "AltCmdText=\"new, text\"\nCgbOption=2\n");
        QCOMPARE(folder.settingsText(), expected);
    }

    // Files written by Qt's QSettings (as earlier versions of the launcher
    // wrote them) read the same here, and ours read the same there.
    void readsTheSameAsQSettings()
    {
        AppFolder theirs;
        {
            QSettings writer(theirs.settingsFile(), QSettings::IniFormat);
            for (qsizetype i = 0; i < kAwkwardTexts.size(); ++i)
                writer.setValue(kSection + u'/' + keyOf(i), kAwkwardTexts.at(i));
        }
        QtPlatform reader(theirs.path(), theirs.settingsFile());
        const SettingsSection read = reader.readSettings(kSection);
        QCOMPARE(read.problem, std::nullopt);
        for (qsizetype i = 0; i < kAwkwardTexts.size(); ++i)
            QCOMPARE(read.values.value(keyOf(i)), kAwkwardTexts.at(i));

        AppFolder ours;
        QtPlatform writer(ours.path(), ours.settingsFile());
        SettingValues values;
        for (qsizetype i = 0; i < kAwkwardTexts.size(); ++i)
            values.append({keyOf(i), kAwkwardTexts.at(i)});
        QCOMPARE(writer.saveSettings(kSection, values), std::nullopt);
        QSettings qtReader(ours.settingsFile(), QSettings::IniFormat);
        QCOMPARE(qtReader.status(), QSettings::NoError);
        for (qsizetype i = 0; i < kAwkwardTexts.size(); ++i)
            QCOMPARE(qtReader.value(kSection + u'/' + keyOf(i)).toString(), kAwkwardTexts.at(i));
    }

    // A disk that fills up during the save (here: the file-size limit) leaves
    // the old file whole, and the failure names the file.
    void failedWriteKeepsTheOldFile()
    {
        AppFolder folder;
        const QByteArray before = "[Other]\nkeep=" + QByteArray(200, 'k') + "\n[Options]\nResCombo=1\n";
        folder.writeSettings(before);
        QtPlatform platform(folder.path(), folder.settingsFile());
        rlimit original{};
        QCOMPARE(::getrlimit(RLIMIT_FSIZE, &original), 0);
        const auto previous = std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = original;
        small.rlim_cur = 100;
        QCOMPARE(::setrlimit(RLIMIT_FSIZE, &small), 0);
        const std::optional<QString> failure = platform.saveSettings(kSection, {{"ResCombo", "4"}});
        ::setrlimit(RLIMIT_FSIZE, &original);
        std::signal(SIGXFSZ, previous);
        QVERIFY(failure.has_value());
        QVERIFY2(failure->contains(folder.settingsFile()), qPrintable(*failure));
        QCOMPARE(folder.settingsText(), before);
        QCOMPARE(QDir(QFileInfo(folder.settingsFile()).path()).entryList(QDir::Files), QStringList{"ZOOTfront.conf"});
    }

    // A FIFO where the file belongs is neither read nor written, is reported
    // once, and nothing waits for a writer.
    void fifoIsNeverOpenedForLong()
    {
        AppFolder folder;
        QDir().mkpath(QFileInfo(folder.settingsFile()).path());
        QCOMPARE(::mkfifo(QFile::encodeName(folder.settingsFile()).constData(), 0600), 0);
        QtPlatform platform(folder.path(), folder.settingsFile());
        ::alarm(20); // a store that blocks on the FIFO ends the test here
        const SettingsSection read = platform.readSettings(kSection);
        QVERIFY(read.problem.has_value() && read.problem->contains(folder.settingsFile()));
        QVERIFY(read.values.isEmpty());
        QCOMPARE(platform.saveSettings(kSection, {{"ResCombo", "4"}}), std::nullopt);
        ::alarm(0);
        struct stat info {};
        QCOMPARE(::lstat(QFile::encodeName(folder.settingsFile()).constData(), &info), 0);
        QVERIFY(S_ISFIFO(info.st_mode));
    }

    // A lock nobody releases fails the save within about a second; a lock
    // left by a process that has ended is taken over.
    void locks()
    {
        AppFolder folder;
        folder.writeOptions("ResCombo=1\n");
        const QString lock = folder.settingsFile() + QStringLiteral(".lock");
        QtPlatform platform(folder.path(), folder.settingsFile());

        QVERIFY(QDir().mkdir(lock));
        const std::optional<QString> failure = platform.saveSettings(kSection, {{"ResCombo", "4"}});
        QVERIFY(failure.has_value() && failure->contains(lock));
        QCOMPARE(folder.settingsText(), QByteArray("[Options]\nResCombo=1\n"));
        QVERIFY(QDir().rmdir(lock));

        char host[256] = {};
        ::gethostname(host, sizeof host - 1);
        folder.addRaw(QFileInfo(lock).fileName().prepend(QStringLiteral("config/")),
                      "2147483646\nZOOTfront\n" + QByteArray(host) + "\n");
        QCOMPARE(platform.saveSettings(kSection, {{"ResCombo", "4"}}), std::nullopt);
        QCOMPARE(folder.settingsText(), QByteArray("[Options]\nResCombo=4\n"));
        QVERIFY(!QFile::exists(lock));
    }

    // A settings file that is a link: the file it points to is replaced, and
    // the link stays a link.
    void linkIsFollowedAndKept()
    {
        AppFolder folder;
        const QString real = folder.addRaw(QStringLiteral("dotfiles/zoot.conf"), "[Options]\nResCombo=1\n");
        QDir().mkpath(QFileInfo(folder.settingsFile()).path());
        QVERIFY(QFile::link(QStringLiteral("../dotfiles/zoot.conf"), folder.settingsFile()));
        QtPlatform platform(folder.path(), folder.settingsFile());
        QCOMPARE(platform.saveSettings(kSection, {{"ResCombo", "5"}}), std::nullopt);
        QVERIFY(QFileInfo(folder.settingsFile()).isSymLink());
        QFile file(real);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("[Options]\nResCombo=5\n"));
    }
};

QTEST_GUILESS_MAIN(SettingsStoreTest)
#include "tst_settingsstore.moc"
