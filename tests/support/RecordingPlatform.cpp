// SPDX-License-Identifier: MIT
#include "tests/support/RecordingPlatform.h"

namespace zoot::test {

RecordingPlatform::RecordingPlatform(const QString &applicationFolder, const QString &settingsFile)
    : QtPlatform(applicationFolder, settingsFile)
{
}

QStringList RecordingPlatform::listFiles(const QString &folder, const QStringList &patterns) const
{
    ++listings;
    return QtPlatform::listFiles(folder, patterns);
}

QByteArray RecordingPlatform::readBytes(const QString &path, qint64 offset, qint64 count) const
{
    ++reads;
    return QtPlatform::readBytes(path, offset, count);
}

std::optional<QString> RecordingPlatform::startProcess(const QString &program, const QStringList &arguments,
                                                       const QString &workingFolder)
{
    starts.append({program, arguments, workingFolder});
    if (startForReal)
        return QtPlatform::startProcess(program, arguments, workingFolder);
    return startFailure;
}

void RecordingPlatform::shellOpen(QWidget *owner, const QString &operation, const QString &target,
                                  const QString &parameters, const QString &directory, int showCommand)
{
    opens.append({owner, operation, target, parameters, directory, showCommand});
}

void RecordingPlatform::messageBox(QWidget *, const QString &text)
{
    messages.append(text);
}

} // namespace zoot::test
