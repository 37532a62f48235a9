// SPDX-License-Identifier: MIT
#include "platform/QtPlatform.h"
#include "platform/Version.h"
#include "ui/MainForm/MainForm.h"
#include "ui/MainForm/Messages.h"

#include <QApplication>
#include <QCommandLineParser>

#include <csignal>
#include <optional>
#include <cstdio>
#include <cstdlib>

namespace {

const QString kTitle = QLatin1String(zoot::kApplicationTitle);

void print(std::FILE *stream, const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
}

bool hasDisplay()
{
    // A platform chosen by hand (offscreen, say) may need none.
    for (const char *variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        if (!qEnvironmentVariableIsEmpty(variable))
            return true;
    }
    return false;
}

// Answers --help and --version, and refuses anything else, before any window
// system is needed. Returns the exit code when the program should stop here.
std::optional<int> answerCommandLine(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Lists the Game Boy cartridge images in the Roms folder beside the program and starts the ZOOT "
                       "emulator on the one you pick. The options are remembered in %1.")
            .arg(zoot::QtPlatform::userSettingsFile()));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Shows this help."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Shows the version."));
    parser.addOption(help);
    parser.addOption(version);
    // Without an application object yet, Qt cannot name the program itself.
    const QString usage = parser.helpText().replace(QStringLiteral("<executable_name>"), kTitle);
    if (!parser.parse(arguments) || !parser.positionalArguments().isEmpty()) {
        const QString error = parser.errorText().isEmpty() ? QStringLiteral("The program takes no arguments.")
                                                            : parser.errorText();
        print(stderr, kTitle + QStringLiteral(": ") + error + QStringLiteral("\n\n") + usage);
        return 2;
    }
    if (parser.isSet(help)) {
        print(stdout, usage);
        return 0;
    }
    if (parser.isSet(version)) {
        print(stdout, kTitle + u' ' + QLatin1String(zoot::kVersionText) + u'\n');
        return 0;
    }
    if (!hasDisplay()) {
        print(stderr, kTitle
                          + QStringLiteral(": cannot open its window: neither DISPLAY nor WAYLAND_DISPLAY is set.\n"));
        return 1;
    }
    return std::nullopt;
}

} // namespace

int main(int argc, char **argv)
{
    // A write past the file-size limit then fails with EFBIG, which the
    // settings store reports, instead of ending the program.
    std::signal(SIGXFSZ, SIG_IGN);
    if (const std::optional<int> exitCode = answerCommandLine(argc, argv))
        return *exitCode;

    QApplication app(argc, argv);
    QApplication::setApplicationName(kTitle);
    QApplication::setOrganizationName(kTitle);
    QApplication::setApplicationVersion(QLatin1String(zoot::kVersionText));
    zoot::QtPlatform platform;
    // The Roms folder is read while the window is built.
    auto scan = std::make_unique<zoot::RomsScan>(platform);
    zoot::ModalMessages messages(platform.applicationTitle());
    zoot::MainForm window(platform, messages);
    window.load(std::move(scan));
    window.show();
    return app.exec();
}
