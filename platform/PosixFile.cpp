// SPDX-License-Identifier: MIT
#include "platform/PosixFile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace zoot {

void FileDescriptor::reset(int fd)
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = fd;
}

QString systemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

FileDescriptor openForReading(int dirFd, const char *path, struct stat &info)
{
    FileDescriptor fd(::openat(dirFd, path, O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (fd.isOpen() && ::fstat(fd.get(), &info) != 0) {
        const int error = errno;
        fd.reset();
        errno = error;
    }
    return fd;
}

bool readAt(int fd, QByteArray &bytes, qint64 offset, qint64 count)
{
    bytes.resize(count);
    qint64 filled = 0;
    while (filled < count) {
        const ssize_t got = ::pread(fd, bytes.data() + filled, size_t(count - filled), off_t(offset + filled));
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        if (got == 0)
            break;
        filled += got;
    }
    bytes.truncate(filled);
    return true;
}

} // namespace zoot
