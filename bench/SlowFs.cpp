// SPDX-License-Identifier: MIT
// zoot-slowfs --delay-us N SOURCE MOUNTPOINT
// A read-only view of SOURCE at MOUNTPOINT in which every file-system
// operation first waits N microseconds, as on a network share, and is
// counted. Folder listings report no entry types, as network and FUSE file
// systems often do. Reading MOUNTPOINT/.zoot-slowfs-ops gives the counts so
// far (neither delayed nor counted). Runs in the foreground until unmounted
// with fusermount3 -u.
#define FUSE_USE_VERSION 31
#include <fuse.h>

#include <array>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

enum Operation { Getattr, Opendir, Readdir, Releasedir, Open, Read, Release, Readlink, OperationCount };
const char *const kOperationNames[OperationCount] = {"getattr", "opendir", "readdir", "releasedir",
                                                     "open",    "read",    "release", "readlink"};
const char kCountsFile[] = "/.zoot-slowfs-ops";

std::string g_source;
useconds_t g_delayUs = 0;
std::array<std::atomic<long>, OperationCount> g_counts{};

void wait(Operation operation)
{
    ++g_counts[size_t(operation)];
    if (g_delayUs > 0)
        ::usleep(g_delayUs);
}

std::string real(const char *path)
{
    return g_source + path;
}

std::string countsText()
{
    std::string text;
    for (int i = 0; i < OperationCount; ++i)
        text += std::string(kOperationNames[i]) + ' ' + std::to_string(g_counts[size_t(i)].load()) + '\n';
    return text;
}

int getattr(const char *path, struct stat *info, fuse_file_info *)
{
    if (std::strcmp(path, kCountsFile) == 0) {
        std::memset(info, 0, sizeof *info);
        info->st_mode = S_IFREG | 0444;
        info->st_nlink = 1;
        info->st_size = 4096;
        return 0;
    }
    wait(Getattr);
    return ::lstat(real(path).c_str(), info) == 0 ? 0 : -errno;
}

int readlink(const char *path, char *buffer, size_t size)
{
    wait(Readlink);
    const ssize_t length = ::readlink(real(path).c_str(), buffer, size - 1);
    if (length < 0)
        return -errno;
    buffer[length] = '\0';
    return 0;
}

int opendir(const char *path, fuse_file_info *file)
{
    wait(Opendir);
    DIR *dir = ::opendir(real(path).c_str());
    if (!dir)
        return -errno;
    file->fh = reinterpret_cast<uint64_t>(dir);
    return 0;
}

// Served in pieces with offsets, so that each of the kernel's requests for
// the next piece of a long folder is a round trip of its own.
int readdir(const char *, void *buffer, fuse_fill_dir_t fill, off_t offset, fuse_file_info *file,
            fuse_readdir_flags)
{
    wait(Readdir);
    DIR *dir = reinterpret_cast<DIR *>(file->fh);
    if (offset != 0)
        ::seekdir(dir, offset);
    else
        ::rewinddir(dir);
    while (const dirent *entry = ::readdir(dir)) {
        if (fill(buffer, entry->d_name, nullptr, ::telldir(dir), fuse_fill_dir_flags(0)) != 0)
            break;
    }
    return 0;
}

int releasedir(const char *, fuse_file_info *file)
{
    wait(Releasedir);
    ::closedir(reinterpret_cast<DIR *>(file->fh));
    return 0;
}

int open(const char *path, fuse_file_info *file)
{
    if ((file->flags & O_ACCMODE) != O_RDONLY)
        return -EROFS;
    if (std::strcmp(path, kCountsFile) == 0) {
        file->fh = uint64_t(-1);
        file->direct_io = 1;
        return 0;
    }
    wait(Open);
    const int fd = ::open(real(path).c_str(), file->flags & ~O_CREAT);
    if (fd < 0)
        return -errno;
    file->fh = uint64_t(fd);
    return 0;
}

int read(const char *, char *buffer, size_t size, off_t offset, fuse_file_info *file)
{
    if (file->fh == uint64_t(-1)) {
        const std::string text = countsText();
        if (size_t(offset) >= text.size())
            return 0;
        const size_t length = std::min(size, text.size() - size_t(offset));
        std::memcpy(buffer, text.data() + offset, length);
        return int(length);
    }
    wait(Read);
    const ssize_t got = ::pread(int(file->fh), buffer, size, offset);
    return got < 0 ? -errno : int(got);
}

int release(const char *, fuse_file_info *file)
{
    if (file->fh == uint64_t(-1))
        return 0;
    wait(Release);
    ::close(int(file->fh));
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 5 || std::strcmp(argv[1], "--delay-us") != 0) {
        std::fprintf(stderr, "usage: zoot-slowfs --delay-us N SOURCE MOUNTPOINT\n");
        return 2;
    }
    g_delayUs = useconds_t(std::strtoul(argv[2], nullptr, 10));
    char *source = ::realpath(argv[3], nullptr);
    if (!source) {
        std::perror(argv[3]);
        return 1;
    }
    g_source = source;
    std::free(source);

    fuse_operations operations{};
    operations.getattr = getattr;
    operations.readlink = readlink;
    operations.opendir = opendir;
    operations.readdir = readdir;
    operations.releasedir = releasedir;
    operations.open = open;
    operations.read = read;
    operations.release = release;
    char foreground[] = "-f";
    char options[] = "-oro,fsname=zoot-slowfs,max_threads=64";
    char *fuseArgv[] = {argv[0], foreground, options, argv[4], nullptr};
    return fuse_main(4, fuseArgv, &operations, nullptr);
}
