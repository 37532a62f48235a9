// SPDX-License-Identifier: MIT
#include "platform/SettingsFile.h"

#include "platform/NativeName.h"
#include "platform/PosixFile.h"
#include "platform/ZootError.h"

#include <QCoreApplication>
#include <QRandomGenerator>
#include <QThread>

#include <cerrno>
#include <climits>
#include <cmath>
#include <csignal>
#include <ctime>
#include <fcntl.h>
#include <optional>
#include <unistd.h>

namespace zoot {

namespace {

constexpr int kLockAttempts = 20;
constexpr int kLockPauseMs = 50;
constexpr time_t kStaleLockSeconds = 30;
constexpr int kMaxLinks = 40;
// Far more than any settings file holds, and still safe to read into memory.
constexpr off_t kLargestSettingsFile = off_t(64) << 20;

QString shown(const QByteArray &path)
{
    return readableText(decodeNative(path));
}

[[noreturn]] void fail(const QByteArray &path, const QString &what)
{
    throw ZootError(QStringLiteral("The options could not be saved to \"%1\": %2. The file was left as it was.")
                        .arg(shown(path), what));
}

QByteArray folderOf(const QByteArray &path)
{
    const qsizetype slash = path.lastIndexOf('/');
    return slash < 0 ? QByteArray(".") : slash == 0 ? QByteArray("/") : path.left(slash);
}

// The file a chain of links ends at, which may not exist yet.
QByteArray followLinks(QByteArray path)
{
    for (int hop = 0; hop < kMaxLinks; ++hop) {
        struct stat info {};
        if (::lstat(path.constData(), &info) != 0 || !S_ISLNK(info.st_mode))
            return path;
        QByteArray target(PATH_MAX, Qt::Uninitialized);
        const ssize_t length = ::readlink(path.constData(), target.data(), size_t(target.size()));
        if (length < 0)
            fail(path, systemReason(errno));
        target.truncate(length);
        path = target.startsWith('/') ? target : folderOf(path) + '/' + target;
    }
    fail(path, systemReason(ELOOP));
}

// The bytes of a regular file, empty when there is none; on failure, why not.
struct FileText {
    QByteArray bytes;
    std::optional<QString> problem;
};

FileText readWhole(const QByteArray &path)
{
    struct stat info {};
    FileDescriptor fd = openForReading(AT_FDCWD, path.constData(), info);
    if (!fd.isOpen())
        return errno == ENOENT || errno == ENOTDIR ? FileText{} : FileText{{}, systemReason(errno)};
    if (!S_ISREG(info.st_mode))
        return {{}, QStringLiteral("it is not a regular file")};
    if (info.st_size > kLargestSettingsFile)
        return {{}, QStringLiteral("it is larger than %1 MiB").arg(kLargestSettingsFile >> 20)};
    FileText text;
    if (!readAt(fd.get(), text.bytes, 0, info.st_size))
        text.problem = systemReason(errno);
    else if (text.bytes.size() != info.st_size)
        text.problem = QStringLiteral("it changed while it was read");
    return text;
}

bool makeFolders(const QByteArray &folder)
{
    struct stat info {};
    if (::stat(folder.constData(), &info) == 0)
        return S_ISDIR(info.st_mode) || (errno = ENOTDIR, false);
    if (errno != ENOENT || folder == "/" || folder == ".")
        return false;
    if (!makeFolders(folderOf(folder)))
        return false;
    return ::mkdir(folder.constData(), 0777) == 0 || errno == EEXIST;
}

QByteArray hostName()
{
    char name[256] = {};
    return ::gethostname(name, sizeof name - 1) == 0 ? QByteArray(name) : QByteArray();
}

// A lock left behind: its process is gone, or it is older than any save takes.
// Written the way Qt's QLockFile writes them (pid, program, host), so other
// programs using the same convention agree on who holds it.
bool isStaleLock(const QByteArray &lockPath)
{
    struct stat info {};
    if (::lstat(lockPath.constData(), &info) != 0 || !S_ISREG(info.st_mode))
        return false;
    if (std::abs(std::difftime(std::time(nullptr), info.st_mtime)) > kStaleLockSeconds)
        return true;
    FileDescriptor fd = openForReading(AT_FDCWD, lockPath.constData(), info);
    QByteArray text;
    if (!fd.isOpen() || !S_ISREG(info.st_mode) || !readAt(fd.get(), text, 0, 512))
        return false;
    const QList<QByteArray> fields = text.split('\n');
    bool ok = false;
    const qint64 pid = fields.value(0).toLongLong(&ok);
    const QByteArray host = fields.value(2);
    if (!ok || pid <= 0 || (!host.isEmpty() && host != hostName()))
        return false;
    return ::kill(pid_t(pid), 0) != 0 && errno == ESRCH;
}

class SettingsLock {
public:
    explicit SettingsLock(QByteArray lockPath) : m_path(std::move(lockPath))
    {
        for (int attempt = 0; attempt < kLockAttempts; ++attempt) {
            m_fd.reset(::open(m_path.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644));
            if (m_fd.isOpen()) {
                const QByteArray owner = QByteArray::number(qint64(::getpid())) + '\n'
                    + QCoreApplication::applicationName().toUtf8() + '\n' + hostName() + '\n';
                [[maybe_unused]] const ssize_t written = ::write(m_fd.get(), owner.constData(), size_t(owner.size()));
                return;
            }
            if (errno != EEXIST) {
                m_failure = systemReason(errno);
                return;
            }
            if (isStaleLock(m_path) && ::unlink(m_path.constData()) == 0)
                continue;
            QThread::msleep(kLockPauseMs);
        }
        m_failure = QStringLiteral("its lock file \"%1\" is held by another program").arg(shown(m_path));
    }
    ~SettingsLock()
    {
        if (m_fd.isOpen())
            ::unlink(m_path.constData());
    }
    SettingsLock(const SettingsLock &) = delete;
    SettingsLock &operator=(const SettingsLock &) = delete;

    bool held() const { return m_fd.isOpen(); }
    const QString &failure() const { return m_failure; }

private:
    QByteArray m_path;
    QString m_failure;
    FileDescriptor m_fd;
};

bool writeAll(int fd, const QByteArray &bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t wrote = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (wrote < 0 && errno == EINTR)
            continue;
        if (wrote <= 0)
            return false;
        done += wrote;
    }
    return true;
}

// Writes bytes to a new file beside target and renames it over target.
void replaceFile(const QByteArray &target, const QByteArray &bytes)
{
    const QByteArray folder = folderOf(target);
    QByteArray temporary;
    FileDescriptor fd;
    for (int attempt = 0; attempt < 100 && !fd.isOpen(); ++attempt) {
        temporary = target + ".save-" + QByteArray::number(QRandomGenerator::global()->generate(), 36);
        fd.reset(::open(temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666));
        if (!fd.isOpen() && errno != EEXIST)
            fail(target, systemReason(errno));
    }
    if (!fd.isOpen())
        fail(target, systemReason(EEXIST));

    struct stat old {};
    struct stat written {};
    bool ok = writeAll(fd.get(), bytes) && ::fsync(fd.get()) == 0 && ::fstat(fd.get(), &written) == 0;
    if (ok && written.st_size != bytes.size()) {
        ok = false;
        errno = EIO;
    }
    if (ok && ::stat(target.constData(), &old) == 0)
        ok = ::fchmod(fd.get(), old.st_mode & 07777) == 0;
    if (ok) {
        ok = ::close(fd.release()) == 0;
    }
    if (ok)
        ok = ::rename(temporary.constData(), target.constData()) == 0;
    if (!ok) {
        const int error = errno;
        fd.reset();
        ::unlink(temporary.constData());
        fail(target, systemReason(error));
    }
    // The rename itself reaches the disk with the folder.
    FileDescriptor folderFd(::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folderFd.isOpen())
        ::fsync(folderFd.get());
}

} // namespace

QByteArray readSettingsFile(const QString &path)
{
    const QByteArray native = encodeNative(path);
    FileText text = readWhole(followLinks(native));
    if (text.problem)
        throw ZootError(QStringLiteral("The settings file \"%1\" cannot be read (%2), so the default options are "
                                       "used and nothing is saved over it.")
                            .arg(shown(native), *text.problem));
    return std::move(text.bytes);
}

void updateSettingsFile(const QString &path, const std::function<QByteArray(const QByteArray &)> &edit)
{
    const QByteArray native = encodeNative(path);
    if (!makeFolders(folderOf(native)))
        fail(native, systemReason(errno));
    SettingsLock lock(native + ".lock");
    if (!lock.held())
        fail(native, lock.failure());
    const QByteArray target = followLinks(native);
    const FileText current = readWhole(target);
    if (current.problem)
        fail(native, *current.problem);
    replaceFile(target, edit(current.bytes));
}

} // namespace zoot
