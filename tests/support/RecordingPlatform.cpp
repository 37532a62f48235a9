// SPDX-License-Identifier: MIT
#include "tests/support/RecordingPlatform.h"

#include <QThread>

namespace zoot::test {

RecordingPlatform::RecordingPlatform(const QString &applicationFolder, const QString &settingsFile)
    : QtPlatform(applicationFolder, settingsFile)
{
}

namespace {

// A folder whose listings and reads the platform counts.
class RecordingFolder : public Folder {
public:
    RecordingFolder(const RecordingPlatform &platform, std::unique_ptr<Folder> real)
        : m_platform(platform), m_real(std::move(real))
    {
    }

    using Folder::list;
    void list(const QStringList &patterns, const std::function<void(Batch &&)> &take) const override
    {
        ++m_platform.listings;
        m_real->list(patterns, [&](Batch &&batch) {
            if (m_platform.hideTypes) {
                for (ListedFile &file : batch)
                    file.plain = false;
            }
            take(std::move(batch));
        });
    }

    QByteArray readBytes(const QString &name, qint64 offset, qint64 count) const override
    {
        ++m_platform.reads;
        m_platform.beforeRead();
        return m_real->readBytes(name, offset, count);
    }

    bool isPlainFile(const QString &name) const override
    {
        ++m_platform.typeQueries;
        return m_real->isPlainFile(name);
    }

private:
    const RecordingPlatform &m_platform;
    std::unique_ptr<Folder> m_real;
};

} // namespace

void RecordingPlatform::beforeRead() const
{
    if (readDelayUs > 0)
        QThread::usleep(readDelayUs);
}

std::unique_ptr<Folder> RecordingPlatform::openFolder(const QString &path) const
{
    return std::make_unique<RecordingFolder>(*this, QtPlatform::openFolder(path));
}

QByteArray RecordingPlatform::readBytes(const QString &path, qint64 offset, qint64 count) const
{
    ++reads;
    beforeRead();
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
