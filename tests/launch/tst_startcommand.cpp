// SPDX-License-Identifier: MIT
// Starting the command line for real: a stand-in program first on PATH
// records the arguments it receives, so they can be compared byte for byte.
#include "launch/LaunchCommand.h"
#include "launch/StartCommand.h"
#include "platform/NativeName.h"
#include "tests/support/AppFolder.h"
#include "tests/support/RecordingPlatform.h"

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
        QTest::newRow("semicolon") << QStringLiteral("a;b.gb");
        QTest::newRow("command substitution") << QStringLiteral("$(touch pwned).gb");
        QTest::newRow("backticks and pipes") << QStringLiteral("`id`|cat>x.gb");
        QTest::newRow("leading dash") << QStringLiteral("-rf.gb");
        QTest::newRow("accents") << QStringLiteral("\u00E9t\u00E9.gb");
        QTest::newRow("Japanese with a space") << QStringLiteral("\u65E5\u672C \u30B2\u30FC\u30E0.gb");
        QTest::newRow("Latin-1 bytes, not UTF-8") << decodeNative("caf\xE9 \xFF.gb");
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
        folder.addRaw(picture, "BM");
        OptionSet options;
        options.soundOption = kAdLib;
        options.volumeCheck = kChecked;
        options.backgroundCheck = kChecked;
        const PreparedLaunch launch = prepareLaunch(platform, options, {QStringLiteral("Roms/") + name, picture});
        QVERIFY(launch.messages.isEmpty());
        QCOMPARE(startCommandLine(platform, launch.commandLine, folder.path()), std::nullopt);
        QCOMPARE(receivedArguments(), (QStringList{image, "-sound", "1", "-volume", "10", "-video", "0", "-bg",
                                                   folder.path() + u'/' + picture}));
        QFile cwd(argsFile + QStringLiteral(".cwd"));
        QVERIFY(cwd.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(cwd.readAll()).trimmed(), QFileInfo(folder.path()).canonicalFilePath());
        QVERIFY(!QFile::exists(folder.path() + QStringLiteral("/pwned")));
        QVERIFY(platform.messages.isEmpty());
    }

    void otherCommandWordsBecomeArguments()
    {
        AppFolder folder;
        RecordingPlatform platform(folder.path(), folder.settingsFile());
        platform.startForReal = true;
        QCOMPARE(startCommandLine(platform, QStringLiteral("ZOOT /a \"two words\" x\"\"\"y"), folder.path()), std::nullopt);
        QCOMPARE(receivedArguments(), (QStringList{"/a", "two words", "x\"y"}));
    }

    void failuresAreReported_data()
    {
        QTest::addColumn<QString>("commandLine");
        QTest::addColumn<QString>("mentions");
        QTest::newRow("not on PATH") << QStringLiteral("no-such-emulator-here /x.gb") << QStringLiteral("no-such-emulator-here");
        QTest::newRow("not executable") << QStringLiteral("./ZOOTfront.conf -x") << QStringLiteral("ZOOTfront.conf");
        QTest::newRow("a folder") << QStringLiteral("./Roms") << QStringLiteral("Roms");
        QTest::newRow("empty") << QStringLiteral(" ") << QStringLiteral("empty");
    }
    void failuresAreReported()
    {
        QFETCH(QString, commandLine);
        QFETCH(QString, mentions);
        AppFolder folder;
        folder.addRaw(QStringLiteral("ZOOTfront.conf"), "[Options]\n");
        RecordingPlatform platform(folder.path(), folder.settingsFile());
        platform.startForReal = true;
        const std::optional<QString> failure = startCommandLine(platform, commandLine, folder.path());
        QVERIFY(failure.has_value());
        QVERIFY2(failure->contains(mentions), qPrintable(*failure));
    }
};

QTEST_GUILESS_MAIN(StartCommandTest)
#include "tst_startcommand.moc"
