// SPDX-License-Identifier: MIT
#include "platform/SettingsFile.h"

#include "platform/NativeName.h"
#include "platform/PosixFile.h"
#include "platform/ZootError.h"

#include <QLockFile>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cmath>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <optional>
#include <unistd.h>

namespace zoot {

namespace {

constexpr int kLockWaitMs = 1000;
// A lock that names no process is one whose writer was killed before it wrote
// its name; once it is this old, no save can still be writing it.
constexpr time_t kNamelessLockSeconds = 2;
constexpr int kMaxLinks = 40;
// Far more than any settings file holds, and still safe to read into memory.
constexpr off_t kLargestSettingsFile = off_t(64) << 20;
// Where a save writes the new text before it renames it over the file. One
// fixed name, safe under the lock: a save killed half-way leaves at most this
// one file, and the next save replaces it.
constexpr char kSavingSuffix[] = ".zoot-saving";
// Earlier versions wrote to "<file>.save-<random>", and a save killed
// half-way left such a file behind for good.
constexpr char kOldSavingMark[] = ".save-";

// Why a step failed; the callers say what failed.
struct Failure {
    QString reason;
};

QString shown(const QByteArray &path)
{
    return readableText(decodeNative(path));
}

QByteArray folderOf(const QByteArray &path)
{
    const qsizetype slash = path.lastIndexOf('/');
    return slash < 0 ? QByteArray(".") : slash == 0 ? QByteArray("/") : path.left(slash);
}

QString kindOf(mode_t mode)
{
    if (S_ISDIR(mode))
        return QStringLiteral("a folder");
    if (S_ISLNK(mode))
        return QStringLiteral("a symbolic link");
    if (S_ISFIFO(mode))
        return QStringLiteral("a FIFO");
    if (S_ISSOCK(mode))
        return QStringLiteral("a socket");
    return QStringLiteral("a device");
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
            throw Failure{systemReason(errno)};
        target.truncate(length);
        path = target.startsWith('/') ? target : folderOf(path) + '/' + target;
    }
    throw Failure{QStringLiteral("its links lead round in a loop")};
}

// The bytes of a regular file; empty when there is none.
QByteArray readWhole(const QByteArray &path)
{
    struct stat info {};
    FileDescriptor fd = openForReading(AT_FDCWD, path.constData(), info);
    if (!fd.isOpen()) {
        if (errno == ENOENT || errno == ENOTDIR)
            return {};
        throw Failure{systemReason(errno)};
    }
    if (!S_ISREG(info.st_mode))
        throw Failure{QStringLiteral("it is %1, not a file").arg(kindOf(info.st_mode))};
    if (info.st_size > kLargestSettingsFile)
        throw Failure{QStringLiteral("it is larger than %1 MiB").arg(kLargestSettingsFile >> 20)};
    QByteArray bytes;
    if (!readAt(fd.get(), bytes, 0, info.st_size))
        throw Failure{systemReason(errno)};
    if (bytes.size() != info.st_size)
        throw Failure{QStringLiteral("it changed while it was read")};
    return bytes;
}

void makeFolders(const QByteArray &folder)
{
    struct stat info {};
    if (::stat(folder.constData(), &info) == 0) {
        if (!S_ISDIR(info.st_mode))
            throw Failure{QStringLiteral("\"%1\" is not a folder").arg(shown(folder))};
        return;
    }
    if (errno != ENOENT || folder == "/" || folder == ".")
        throw Failure{systemReason(errno)};
    makeFolders(folderOf(folder));
    if (::mkdir(folder.constData(), 0777) != 0 && errno != EEXIST)
        throw Failure{systemReason(errno)};
}

// Qt's QLockFile, in the format earlier versions wrote too (pid, program,
// host), so that both exclude each other. QLockFile takes over a lock whose
// process is gone, and one older than 30 seconds whose holder has not locked
// it natively; a lock that names no process is taken over after two seconds.
std::unique_ptr<QLockFile> lockFor(const QByteArray &lockPath)
{
    struct stat info {};
    if (::lstat(lockPath.constData(), &info) == 0) {
        if (!S_ISREG(info.st_mode))
            throw Failure{QStringLiteral("its lock file \"%1\" is %2, not a file; remove it to save the options")
                              .arg(shown(lockPath), kindOf(info.st_mode))};
        const bool old = std::abs(std::difftime(std::time(nullptr), info.st_mtime)) > kNamelessLockSeconds;
        QLockFile existing(decodeNative(lockPath));
        if (old && !existing.getLockInfo(nullptr, nullptr, nullptr))
            existing.removeStaleLockFile(); // never one whose holder still runs: it holds it natively
    }
    auto lock = std::make_unique<QLockFile>(decodeNative(lockPath));
    if (lock->tryLock(kLockWaitMs))
        return lock;
    switch (lock->error()) {
    case QLockFile::LockFailedError:
        throw Failure{QStringLiteral("its lock file \"%1\" is held by another program").arg(shown(lockPath))};
    case QLockFile::PermissionError:
        throw Failure{QStringLiteral("its lock file \"%1\" cannot be created: %2").arg(shown(lockPath), systemReason(EACCES))};
    default:
        throw Failure{QStringLiteral("its lock file \"%1\" cannot be created").arg(shown(lockPath))};
    }
}

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

// A new file at temporary, for bytes to be written to; whatever a killed save
// left there goes first.
FileDescriptor createTemporary(const QByteArray &temporary, mode_t mode)
{
    struct stat left {};
    if (::lstat(temporary.constData(), &left) == 0) {
        if (!S_ISREG(left.st_mode))
            throw Failure{QStringLiteral("\"%1\" is %2 in the way of the save").arg(shown(temporary), kindOf(left.st_mode))};
        ::unlink(temporary.constData());
    }
    FileDescriptor fd(::open(temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode));
    if (!fd.isOpen())
        throw Failure{systemReason(errno)};
    return fd;
}

// QSaveFile is not used: its temporary file has a random name, so a save
// killed half-way leaves a file behind for good. This writes to one fixed
// name beside target, checks every write, syncs, keeps the old file's
// permissions and renames it over target.
void replaceFile(const QByteArray &target, const QByteArray &bytes)
{
    struct stat old {};
    const bool exists = ::stat(target.constData(), &old) == 0;
    const QByteArray temporary = target + kSavingSuffix;
    // An existing file keeps its permissions, and its text is never readable
    // by more people than the file's own on the way.
    FileDescriptor fd = createTemporary(temporary, exists ? 0600 : 0666);
    struct stat written {};
    bool ok = writeAll(fd.get(), bytes) && ::fsync(fd.get()) == 0 && ::fstat(fd.get(), &written) == 0;
    if (ok && written.st_size != bytes.size()) {
        ok = false;
        errno = EIO;
    }
    if (ok && exists)
        ok = ::fchmod(fd.get(), old.st_mode & 07777) == 0;
    if (ok)
        ok = ::close(fd.release()) == 0;
    if (ok)
        ok = ::rename(temporary.constData(), target.constData()) == 0;
    if (!ok) {
        const int error = errno;
        fd.reset();
        ::unlink(temporary.constData());
        throw Failure{systemReason(error)};
    }
    // The rename itself reaches the disk with the folder.
    FileDescriptor folderFd(::open(folderOf(target).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folderFd.isOpen())
        ::fsync(folderFd.get());
}

// Removes the temporary files that saves of earlier versions left behind.
void removeOldLeftovers(const QByteArray &target)
{
    const QByteArray folder = folderOf(target);
    const QByteArray prefix = target.mid(target.lastIndexOf('/') + 1) + kOldSavingMark;
    const std::unique_ptr<DIR, int (*)(DIR *)> dir(::opendir(folder.constData()), ::closedir);
    if (!dir)
        return;
    while (const dirent *entry = ::readdir(dir.get())) {
        const QByteArrayView name(entry->d_name);
        const QByteArrayView random = name.startsWith(prefix) ? name.sliced(prefix.size()) : QByteArrayView();
        const bool ours = !random.isEmpty() && random.size() <= 13
            && std::all_of(random.begin(), random.end(), [](char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z'); });
        struct stat info {};
        const QByteArray path = folder + '/' + name.toByteArray();
        if (ours && ::lstat(path.constData(), &info) == 0 && S_ISREG(info.st_mode))
            ::unlink(path.constData());
    }
}

} // namespace

QByteArray readSettingsFile(const QString &path)
{
    const QByteArray native = encodeNative(path);
    try {
        return readWhole(followLinks(native));
    } catch (const Failure &failure) {
        throw ZootError(QStringLiteral("The settings file \"%1\" cannot be read (%2), so the default options are "
                                       "used and nothing is saved over it.")
                            .arg(shown(native), failure.reason));
    }
}

void updateSettingsFile(const QString &path, const std::function<std::optional<QByteArray>(const QByteArray &)> &edit)
{
    const QByteArray native = encodeNative(path);
    try {
        makeFolders(folderOf(native));
        const std::unique_ptr<QLockFile> lock = lockFor(native + ".lock");
        const QByteArray target = followLinks(native);
        const std::optional<QByteArray> text = edit(readWhole(target));
        if (!text)
            throw Failure{QStringLiteral("its new text would not read back every value")};
        replaceFile(target, *text);
        removeOldLeftovers(target);
    } catch (const Failure &failure) {
        throw ZootError(QStringLiteral("The options could not be saved to \"%1\": %2. The file was left as it was.")
                            .arg(shown(native), failure.reason));
    }
}

} // namespace zoot
