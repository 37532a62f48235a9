// SPDX-License-Identifier: MIT
// Starting the command line for real: a stand-in program first on PATH
// records the arguments it receives, so they can be compared byte for byte.
#include "launch/LaunchCommand.h"
#include "launch/StartCommand.h"
#include "platform/NativeName.h"
#include "tests/support/AppFolder.h"
#include "tests/support/RecordingPlatform.h"
#include "platform/ZootError.h"

#include <QtTest>

using namespace zoot;
using zoot::test::AppFolder;
using zoot::test::RecordingPlatform;

namespace {

const char kStandIn[] = "#!/bin/sh\n"
                        "out=\"$ZOOT_ARGS_FILE\"\n"
                        ": > \"$out.part\"\n"
                        "for a in \"$@\"; do printf '%s\\0' \"$a\" >> \"$out.part\"; done\n"
                        "pwd > \"$out.cwd\"\n"
                        "mv \"$out.part\" \"$out\"\n";

} // namespace

class StartCommandTest : public QObject {
    Q_OBJECT
    QTemporaryDir bin;
    QString argsFile;

    // The arguments the stand-in received, once it has run, as the text
    // that stands for their exact bytes.
    QStringList receivedArguments()
    {
        if (!QTest::qWaitFor([&] { return QFile::exists(argsFile); }, 10000))
            return {QStringLiteral("<the stand-in did not run>")};
        QFile file(argsFile);
        file.open(QIODevice::ReadOnly);
        QByteArray bytes = file.readAll();
        QStringList args;
        for (const QByteArray &arg : bytes.split('\0'))
            args.append(decodeNative(arg));
        args.removeLast(); // after the last terminator
        QFile::remove(argsFile);
        return args;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(tools::writeFile(bin.filePath(QStringLiteral("ZOOT")), kStandIn));
        QFile::setPermissions(bin.filePath(QStringLiteral("ZOOT")),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("PATH", QFile::encodeName(bin.path()) + ':' + qgetenv("PATH"));
        argsFile = bin.filePath(QStringLiteral("args"));
        qputenv("ZOOT_ARGS_FILE", QFile::encodeName(argsFile));
    }

    void hostileNamesReachTheProgramAsTheyAre_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("spaces") << QStringLiteral("Space Racer (v1.1).gb");
        QTest::newRow("quotes") << QStringLiteral("the \"best\" game.gb");
        QTest::newRow("a quote first") << QStringLiteral("\"q.gb");
        QTest::newRow("quotes around a space") << QStringLiteral("end\" \".gb");
        QTest::newRow("a tab") << QStringLiteral("tab\there.gb");
        QTest::newRow("semicolon") << QStringLiteral("a;b.gb");
        QTest::newRow("command substitution") << QStringLiteral("$(touch pwned).gb");
        QTest::newRow("backticks and pipes") << QStringLiteral("`id`|cat>x.gb");
        QTest::newRow("leading dash") << QStringLiteral("-rf.gb");
        QTest::newRow("accents") << QStringLiteral("\u00E9t\u00E9.gb");
        QTest::newRow("Japanese with a space") << QStringLiteral("\u65E5\u672C \u30B2\u30FC\u30E0.gb");
        QTest::newRow("Latin-1 bytes, not UTF-8") << decodeNative("caf\xE9 \xFF.gb");
        QTest::newRow("a byte-order mark first") << decodeNative("\xEF\xBB\xBF" "bom.gb");
        QTest::newRow("spaces first and last") << QStringLiteral("  p .gb ");
    }
    void hostileNamesReachTheProgramAsTheyAre()
    {
        QFETCH(QString, name);
        AppFolder folder;
        const QString image = folder.addImage(name, "GAME");
        RecordingPlatform platform(folder.path(), folder.settingsFile());
        platform.startForReal = true;
        // The picture is named like the image, with the same awkward bytes.
        const QString picture = QString(name).replace(QStringLiteral(".gb"), QStringLiteral(".bmp"));
        folder.addRaw(QString(picture).remove(u' '), "BM"); // a namesake the picture must not become
        folder.addRaw(picture, "BM");
        OptionSet options;
        options.setNumber(option::SoundOption, kAdLib);
        options.setNumber(option::VolumeCheck, kChecked);
        options.setNumber(option::BackgroundCheck, kChecked);
        const PreparedLaunch launch = prepareLaunch(platform, options, {QStringLiteral("Roms/") + name, picture});
        QVERIFY(launch.messages.isEmpty());
        startCommandLine(platform, launch.commandLine, folder.path());
        QCOMPARE(receivedArguments(), (QStringList{image, "-sound", "1", "-volume", "10", "-video", "0", "-bg",
                                                   folder.path() + u'/' + picture}));
        QFile cwd(argsFile + QStringLiteral(".cwd"));
        QVERIFY(cwd.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(cwd.readAll()).trimmed(), QFileInfo(folder.path()).canonicalFilePath());
        QVERIFY(!QFile::exists(folder.path() + QStringLiteral("/pwned")));
    }

    void otherCommandWordsBecomeArguments()
    {
        AppFolder folder;
        RecordingPlatform platform(folder.path(), folder.settingsFile());
        platform.startForReal = true;
        startCommandLine(platform, QStringLiteral("ZOOT /a \"two words\" x\"\"\"y"), folder.path());
        QCOMPARE(receivedArguments(), (QStringList{"/a", "two words", "x\"y"}));
    }

    void failuresAreReported_data()
    {
        QTest::addColumn<QString>("commandLine");
        QTest::addColumn<QString>("message");
        QTest::newRow("not on PATH") << QStringLiteral("no-such-emulator-here /x.gb")
                                     << QStringLiteral("Cannot start \"no-such-emulator-here\": it was not found on the search path (PATH).");
        QTest::newRow("not executable") << QStringLiteral("./ZOOTfront.conf -x")
                                        << QStringLiteral("Cannot start \"./ZOOTfront.conf\": it is not an executable program.");
        QTest::newRow("a folder") << QStringLiteral("./Roms") << QStringLiteral("Cannot start \"./Roms\": it is not an executable program.");
        QTest::newRow("a missing interpreter") << QStringLiteral("./bad") << QStringLiteral("Cannot start \"./bad\": No such file or directory.");
        QTest::newRow("empty") << QStringLiteral(" ") << QStringLiteral("The command line is empty: there is no program to start.");
    }
    void failuresAreReported()
    {
        QFETCH(QString, commandLine);
        QFETCH(QString, message);
        AppFolder folder;
        folder.addRaw(QStringLiteral("ZOOTfront.conf"), "[Options]\n");
        QFile::setPermissions(folder.addRaw(QStringLiteral("bad"), "#!/no/such/interpreter\n"), QFile::ReadOwner | QFile::ExeOwner);
        RecordingPlatform platform(folder.path(), folder.settingsFile());
        platform.startForReal = true;
        try {
            startCommandLine(platform, commandLine, folder.path());
            QFAIL("the start did not fail");
        } catch (const ZootError &error) {
            QCOMPARE(error.description(), message);
        }
    }

    // A relative folder on PATH means the launcher's working folder, not the
    // application folder the program is started in; a file there that cannot
    // be run is passed by.
    void relativeSearchPathFolder()
    {
        AppFolder folder;
        QTemporaryDir here;
        for (const QString &place : {here.path(), folder.path()}) {
            const QString standIn = place + QStringLiteral("/relbin/ZOOT");
            QDir().mkpath(place + QStringLiteral("/relbin"));
            // Which one ran: the folder above its own (PATH holds no tools).
            QVERIFY(tools::writeFile(standIn, "#!/bin/sh\nbin=${0%/*}\necho \"${bin%/*}\" > \"$ZOOT_ARGS_FILE\"\n"));
            QFile::setPermissions(standIn, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        }
        QDir().mkpath(here.filePath(QStringLiteral("plain")));
        QVERIFY(tools::writeFile(here.filePath(QStringLiteral("plain/ZOOT")), "not a program"));
        const QString previous = QDir::currentPath();
        const QByteArray path = qgetenv("PATH");
        QDir::setCurrent(here.path());
        qputenv("PATH", "plain:relbin");
        RecordingPlatform platform(folder.path(), folder.settingsFile());
        platform.startForReal = true;
        startCommandLine(platform, QStringLiteral("ZOOT game.gb"), folder.path());
        qputenv("PATH", path);
        QDir::setCurrent(previous);
        QVERIFY(QTest::qWaitFor([&] { return QFileInfo(argsFile).size() > 0; }, 10000));
        QFile started(argsFile);
        QVERIFY(started.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(started.readAll()).trimmed(), here.path());
        QFile::remove(argsFile);
    }
};

QTEST_GUILESS_MAIN(StartCommandTest)
#include "tst_startcommand.moc"
