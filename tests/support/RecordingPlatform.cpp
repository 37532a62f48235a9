// SPDX-License-Identifier: MIT
#include "tests/support/RecordingPlatform.h"

#include "platform/ZootError.h"

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
    RecordingFolder(const RecordingPlatform &platform, std::shared_ptr<const Folder> real)
        : m_platform(platform), m_real(std::move(real))
    {
    }

    using Folder::list;
    void list(const QStringList &extensions, const std::function<void(Batch &&)> &take) const override
    {
        ++m_platform.listings;
        m_real->list(extensions, [&](Batch &&batch) {
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
        m_platform.beforeRead(name);
        return m_real->readBytes(name, offset, count);
    }

    bool isPlainFile(const QString &name) const override { return m_real->isPlainFile(name); }

private:
    const RecordingPlatform &m_platform;
    std::shared_ptr<const Folder> m_real;
};

} // namespace

void RecordingPlatform::beforeRead(const QString &) const
{
    if (readDelayUs > 0)
        QThread::usleep(readDelayUs);
}

std::shared_ptr<const Folder> RecordingPlatform::openFolder(const QString &path) const
{
    return std::make_shared<RecordingFolder>(*this, QtPlatform::openFolder(path));
}

QByteArray RecordingPlatform::readBytes(const QString &path, qint64 offset, qint64 count) const
{
    ++reads;
    beforeRead(path);
    return QtPlatform::readBytes(path, offset, count);
}

void RecordingPlatform::startProcess(const QString &program, const QStringList &arguments, const QString &workingFolder)
{
    starts.append({program, arguments, workingFolder});
    if (startForReal)
        QtPlatform::startProcess(program, arguments, workingFolder);
    else if (startFailure)
        throw ZootError(*startFailure);
}

void RecordingPlatform::openExternally(const QString &target, const QString &workingFolder)
{
    opens.append({target, workingFolder});
}

} // namespace zoot::test
