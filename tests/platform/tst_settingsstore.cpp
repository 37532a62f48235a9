// SPDX-License-Identifier: MIT
// The settings store against real files: what a save keeps, how it fails,
// what a crash leaves, and that its files and Qt's own INI files read the
// same in both programs.
#include "options/IniText.h"
#include "platform/QtPlatform.h"
#include "platform/ZootError.h"
#include "tests/support/AppFolder.h"

#include <QLockFile>
#include <QSettings>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utime.h>

using namespace zoot;
using zoot::test::AppFolder;

namespace {

const QString kSection = QStringLiteral("Options");

// Texts that need quoting or escapes in an INI file.
const QStringList kAwkwardTexts{
    QStringLiteral("SNESKey ZOOT /a"),  QStringLiteral("  spaced  "),     QStringLiteral("a, b"),
    QStringLiteral("x;y"),              QStringLiteral("say \"hi\""),     QStringLiteral("C:\\games\\x"),
    QStringLiteral("@at"),              QStringLiteral("@@two"),          QStringLiteral("tab\there\nline"),
    QStringLiteral("\u0001ab\u001F9"),  QStringLiteral("#hash [x] =%41"),  QStringLiteral("\u00E9\u65E5\u672C\U0001F600"),
    QString(),                          QStringLiteral("nul") + QChar(0) + QStringLiteral("7"),
};

QString keyOf(qsizetype i)
{
    return QStringLiteral("Key%1").arg(i);
}

// Sets values in the section of the settings file, as the options are saved.
void save(Platform &platform, const SettingValues &values)
{
    platform.updateSettingsText([&](const QByteArray &current) { return withIniValues(current, kSection, values); });
}

QHash<QString, QString> read(Platform &platform)
{
    return iniSection(platform.readSettingsText(), kSection);
}

// The failure of a save, or "" when it succeeded.
QString saveFailure(QtPlatform &platform, const SettingValues &values)
{
    try {
        save(platform, values);
        return {};
    } catch (const ZootError &error) {
        return error.description();
    }
}

void makeOlder(const QString &path, int seconds)
{
    struct stat info {};
    ::lstat(QFile::encodeName(path).constData(), &info);
    const utimbuf times{info.st_atime - seconds, info.st_mtime - seconds};
    ::utime(QFile::encodeName(path).constData(), &times);
}

QStringList filesBeside(const AppFolder &folder)
{
    return QDir(QFileInfo(folder.settingsFile()).path()).entryList(QDir::Files | QDir::System | QDir::Hidden);
}

enum class Lock { Folder, Fifo, DanglingLink, HeldByALiveLockFile, NamingThisLiveProgram, NamingAGoneProcess, EmptyAndOld };

} // namespace

class SettingsStoreTest : public QObject {
    Q_OBJECT

private slots:
    // Only the values written change; comments, other sections, unknown keys,
    // spacing, escapes and a syntax error elsewhere stay byte for byte. What
    // saves killed half-way left behind goes: this version's one temporary
    // file, and the randomly named ones of earlier versions; other files stay.
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
        for (const char *name : {"ZOOTfront.conf.zoot-saving", "ZOOTfront.conf.save-1x2y3z", "ZOOTfront.conf.save-notes.txt"})
            folder.addRaw(QStringLiteral("config/") + QLatin1String(name), "half a save");
        QtPlatform platform(folder.path(), folder.settingsFile());
        save(platform, {{"VolumeSlider", "12"}, {"AltCmdText", "new, text"}, {"CgbOption", "2"}});
        QCOMPARE(filesBeside(folder), (QStringList{"ZOOTfront.conf", "ZOOTfront.conf.save-notes.txt"}));
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
        const QHash<QString, QString> values = read(reader);
        for (qsizetype i = 0; i < kAwkwardTexts.size(); ++i)
            QCOMPARE(values.value(keyOf(i)), kAwkwardTexts.at(i));

        AppFolder ours;
        const mode_t umask = ::umask(022);
        QtPlatform writer(ours.path(), ours.settingsFile());
        SettingValues written;
        for (qsizetype i = 0; i < kAwkwardTexts.size(); ++i)
            written.append({keyOf(i), kAwkwardTexts.at(i)});
        save(writer, written);
        ::umask(umask);
        for (qsizetype i = 0; i < kAwkwardTexts.size(); ++i)
            QCOMPARE(ours.savedOption(keyOf(i)), kAwkwardTexts.at(i));
        QCOMPARE(QFileInfo(ours.settingsFile()).permissions() & 0x0777, QFileDevice::Permissions(0x0644)); // a new file: as the umask says
    }

    // Hand-written texts read as QSettings reads them.
    void handWrittenTextsReadAsQSettingsReadsThem_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("a key twice: the last counts") << QByteArray("[Options]\nResCombo=3\nResCombo=5\n");
        QTest::newRow("a line continued before CRLF") << QByteArray("[Options]\r\nUnknown=abc\\\r\nResCombo=4\r\n");
        QTest::newRow("quotes, comments, spaces") << QByteArray("[Options]\nA = \"x;y\" ; note\n B=  v  \n;C=1\nD=\\x41\\t\n");
        QTest::newRow("sections given twice") << QByteArray("[Options]\nA=1\n[Other]\nA=2\n[Options]\nB=3\n");
        QTest::newRow("a byte-order mark") << QByteArray("\xEF\xBB\xBF[Options]\nA=\xC3\xA9\n");
    }
    void handWrittenTextsReadAsQSettingsReadsThem()
    {
        QFETCH(QByteArray, text);
        AppFolder folder;
        folder.writeSettings(text);
        QtPlatform platform(folder.path(), folder.settingsFile());
        QSettings qt(folder.settingsFile(), QSettings::IniFormat);
        qt.beginGroup(kSection);
        QHash<QString, QString> expected;
        for (const QString &key : qt.childKeys())
            expected.insert(key, qt.value(key).toString());
        QCOMPARE(read(platform), expected);
    }

    // A section that ends in a line continued by a lone backslash at the end
    // of the file: new keys, an empty value among them, stand on lines of
    // their own, and nothing is taken for saved that is not there.
    void keysAfterALineThatEndsInABackslash_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::newRow("at the end of the file") << QByteArray("[Options]\nUnknown=abc\\");
        QTest::newRow("before a line break") << QByteArray("[Options]\r\nUnknown=abc\\\r\n");
    }
    void keysAfterALineThatEndsInABackslash()
    {
        QFETCH(QByteArray, before);
        AppFolder folder;
        folder.writeSettings(before);
        QtPlatform platform(folder.path(), folder.settingsFile());
        save(platform, {{"AltCmdText", ""}, {"ResCombo", "4"}});
        QCOMPARE(folder.savedOption("AltCmdText"), QString());
        QCOMPARE(folder.savedOption("ResCombo"), QStringLiteral("4"));
        QCOMPARE(folder.savedOption("Unknown"), QStringLiteral("abc"));
        if (before.contains("\r\n")) // the file's own line breaks
            QVERIFY(!folder.settingsText().replace("\r\n", "").contains('\n'));
    }

    // A hand-edited file with a key given a million times is saved in one
    // pass; an edit per line would take minutes, past the test's time limit.
    void manyDuplicateKeys()
    {
        AppFolder folder;
        folder.writeOptions(QByteArray("VolumeSlider=05\n").repeated(1'000'000) + "Unknown=kept\n");
        QtPlatform platform(folder.path(), folder.settingsFile());
        save(platform, {{"VolumeSlider", "12"}, {"ResCombo", "3"}});
        QCOMPARE(folder.savedOption("VolumeSlider"), QStringLiteral("12"));
        QCOMPARE(folder.savedOption("ResCombo"), QStringLiteral("3"));
        QCOMPARE(folder.savedOption("Unknown"), QStringLiteral("kept"));
        QCOMPARE(folder.settingsText().count("VolumeSlider=12\n"), 1'000'000);
    }

    // A disk that fills up during the save (here: the file-size limit) leaves
    // the old file whole and nothing beside it, and the failure names the file.
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
        const QString failure = saveFailure(platform, {{"ResCombo", "4"}});
        ::setrlimit(RLIMIT_FSIZE, &original);
        std::signal(SIGXFSZ, previous);
        QVERIFY2(failure.contains(folder.settingsFile()), qPrintable(failure));
        QCOMPARE(folder.settingsText(), before);
        QCOMPARE(filesBeside(folder), QStringList{"ZOOTfront.conf"});
    }

    // A FIFO, or links that go round in a loop, where the file belongs: not
    // read (nothing waits for a writer), reported as unreadable, and then
    // never written.
    void unreadableFiles_data()
    {
        QTest::addColumn<bool>("fifo");
        QTest::addColumn<QString>("reason");
        QTest::newRow("a FIFO") << true << QStringLiteral("it is a FIFO, not a file");
        QTest::newRow("a link loop") << false << QStringLiteral("its links lead round in a loop");
    }
    void unreadableFiles()
    {
        QFETCH(bool, fifo);
        QFETCH(QString, reason);
        AppFolder folder;
        const QByteArray path = QFile::encodeName(folder.settingsFile());
        QDir().mkpath(QFileInfo(folder.settingsFile()).path());
        QVERIFY(fifo ? ::mkfifo(path.constData(), 0600) == 0 : QFile::link(folder.settingsFile(), folder.settingsFile()));
        QtPlatform platform(folder.path(), folder.settingsFile());
        ::alarm(20); // a store that blocks on the FIFO ends the test here
        try {
            read(platform);
            QFAIL("it was read as settings");
        } catch (const ZootError &error) {
            QVERIFY2(error.description().contains(folder.settingsFile()) && error.description().contains(reason)
                         && error.description().contains(QStringLiteral("cannot be read")),
                     qPrintable(error.description()));
        }
        QCOMPARE(saveFailure(platform, {{"ResCombo", "4"}}), QString());
        ::alarm(0);
        struct stat info {};
        QCOMPARE(::lstat(path.constData(), &info), 0);
        QVERIFY(fifo ? S_ISFIFO(info.st_mode) : S_ISLNK(info.st_mode));
    }

    // Whatever stands where the lock belongs: what no save can be using any
    // more is taken over; a lock a running program holds, and what is not a
    // lock file at all, fail the save with a message that says which.
    void locks_data()
    {
        QTest::addColumn<Lock>("lock");
        QTest::addColumn<int>("age");         // seconds
        QTest::addColumn<QString>("failure"); // "" when the save goes through
        const QString held = QStringLiteral("held by another program");
        QTest::newRow("a folder") << Lock::Folder << 0 << QStringLiteral("is a folder, not a file");
        QTest::newRow("a FIFO") << Lock::Fifo << 0 << QStringLiteral("is a FIFO, not a file");
        QTest::newRow("a dangling link") << Lock::DanglingLink << 0 << QStringLiteral("is a symbolic link, not a file");
        QTest::newRow("held by a live lock, a minute old") << Lock::HeldByALiveLockFile << 60 << held;
        QTest::newRow("naming this running program") << Lock::NamingThisLiveProgram << 0 << held;
        QTest::newRow("naming this running program, ten seconds old") << Lock::NamingThisLiveProgram << 10 << held;
        QTest::newRow("naming a process that is gone") << Lock::NamingAGoneProcess << 0 << QString();
        QTest::newRow("empty, ten seconds old") << Lock::EmptyAndOld << 10 << QString();
    }
    void locks()
    {
        QFETCH(Lock, lock);
        QFETCH(int, age);
        QFETCH(QString, failure);
        AppFolder folder;
        folder.writeOptions("ResCombo=1\n");
        const QString lockPath = folder.settingsFile() + QStringLiteral(".lock");
        const QByteArray native = QFile::encodeName(lockPath);
        char host[256] = {};
        ::gethostname(host, sizeof host - 1);
        const QByteArray program = QFile::encodeName(QFileInfo(QCoreApplication::applicationFilePath()).fileName());
        QLockFile held(lockPath);
        switch (lock) {
        case Lock::Folder: QVERIFY(QDir().mkdir(lockPath)); break;
        case Lock::Fifo: QCOMPARE(::mkfifo(native.constData(), 0600), 0); break;
        case Lock::DanglingLink: QVERIFY(QFile::link(lockPath + QStringLiteral(".gone"), lockPath)); break;
        case Lock::HeldByALiveLockFile: QVERIFY(held.tryLock()); break;
        case Lock::NamingThisLiveProgram:
            folder.addRaw(QStringLiteral("config/ZOOTfront.conf.lock"),
                          QByteArray::number(::getpid()) + '\n' + program + '\n' + host + '\n');
            break;
        case Lock::NamingAGoneProcess:
            folder.addRaw(QStringLiteral("config/ZOOTfront.conf.lock"), "2147483646\nZOOTfront\n" + QByteArray(host) + "\n");
            break;
        case Lock::EmptyAndOld: folder.addRaw(QStringLiteral("config/ZOOTfront.conf.lock"), QByteArray()); break;
        }
        if (age > 0)
            makeOlder(lockPath, age);
        QtPlatform platform(folder.path(), folder.settingsFile());
        const QString got = saveFailure(platform, {{"ResCombo", "4"}});
        if (failure.isEmpty()) {
            QCOMPARE(got, QString());
            QCOMPARE(folder.savedOption("ResCombo"), QStringLiteral("4"));
            QVERIFY(!QFileInfo::exists(lockPath));
        } else {
            QVERIFY2(got.contains(lockPath) && got.contains(failure), qPrintable(got));
            QCOMPARE(folder.settingsText(), QByteArray("[Options]\nResCombo=1\n"));
        }
    }

    // A settings file that is a link: the file it points to is replaced and
    // keeps its permissions, and the link stays a link.
    void linkIsFollowedAndPermissionsKept_data()
    {
        QTest::addColumn<int>("mode");
        QTest::newRow("private") << 0600;
        QTest::newRow("group-readable") << 0640;
    }
    void linkIsFollowedAndPermissionsKept()
    {
        QFETCH(int, mode);
        AppFolder folder;
        const QString real = folder.addRaw(QStringLiteral("dotfiles/zoot.conf"), "[Options]\nResCombo=1\n");
        QCOMPARE(::chmod(QFile::encodeName(real).constData(), mode_t(mode)), 0);
        QDir().mkpath(QFileInfo(folder.settingsFile()).path());
        QVERIFY(QFile::link(QStringLiteral("../dotfiles/zoot.conf"), folder.settingsFile()));
        QtPlatform platform(folder.path(), folder.settingsFile());
        save(platform, {{"ResCombo", "5"}});
        QVERIFY(QFileInfo(folder.settingsFile()).isSymLink());
        QCOMPARE(folder.savedOption("ResCombo"), QStringLiteral("5"));
        struct stat info {};
        QCOMPARE(::stat(QFile::encodeName(real).constData(), &info), 0);
        QCOMPARE(int(info.st_mode & 07777), mode);
    }
};

QTEST_GUILESS_MAIN(SettingsStoreTest)
#include "tst_settingsstore.moc"
