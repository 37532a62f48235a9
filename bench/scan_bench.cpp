// SPDX-License-Identifier: MIT
// Measures the start-up and the scan against the least the job can cost, the
// floor: list the Roms folder, then open, read 327 bytes and close each image
// with plain POSIX calls, from one thread or from 32.
//
//   warm      start-up minus an empty start-up, against the one-thread floor,
//             for 1,000, 10,000 and 100,000 images; peak RSS of a start-up
//   stall     the longest the event loop waits during a 100,000-image
//             start-up and rescan
//   cold      10,000 images with the page cache dropped before each run
//             (root only), against the 32-thread floor, cold as well
//   latency   10,000 images on a file system that adds 1 ms to every
//             operation (bench/SlowFs.cpp, needs /dev/fuse): time to the main
//             window against the 32-thread floor there, and the file-system
//             operations per image
//
// Usage: zoot-scan-bench                   all of it
//        zoot-scan-bench --startup FOLDER  (child mode: one start-up, prints peak RSS in KiB)
#include "bench/BenchFolder.h"
#include "platform/QtPlatform.h"
#include "ui/MainForm/GamesList.h"
#include "ui/MainForm/MainForm.h"
#include "ui/MainForm/Messages.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMouseEvent>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <dirent.h>
#include <fcntl.h>
#include <functional>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

QTextStream out(stdout);

// What the window would show in a box, printed instead: a benchmark waits for
// no one.
class PrintedMessages : public zoot::Messages {
public:
    void show(QWidget *, const QString &text) override { QTextStream(stderr) << text << "\n"; }
    void showCommandLine(QWidget *owner, const QString &commandLine) override { show(owner, commandLine); }
};
PrintedMessages messages;

double median(std::vector<double> runs)
{
    std::sort(runs.begin(), runs.end());
    return runs[runs.size() / 2];
}

double timedMs(const std::function<void()> &work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return double(timer.nsecsElapsed()) / 1e6;
}

// The median of runs, each after prepare (not timed).
double medianMs(int runs, const std::function<void()> &work, const std::function<void()> &prepare = {})
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        if (prepare)
            prepare();
        times.push_back(timedMs(work));
    }
    return median(times);
}

// The floor: one pass over the folder, one header read per image.
void floorPass(const QString &roms, int threads)
{
    DIR *dir = ::opendir(QFile::encodeName(roms).constData());
    if (!dir)
        return;
    std::vector<QByteArray> names;
    while (const dirent *entry = ::readdir(dir)) {
        if (entry->d_name[0] != '.')
            names.emplace_back(entry->d_name);
    }
    const int dirFd = ::dirfd(dir);
    std::atomic<size_t> next{0};
    const auto reader = [&] {
        char header[327];
        for (size_t i = next++; i < names.size(); i = next++) {
            const int fd = ::openat(dirFd, names[i].constData(), O_RDONLY | O_CLOEXEC);
            if (fd < 0)
                continue;
            [[maybe_unused]] const ssize_t got = ::pread(fd, header, sizeof header, 0);
            ::close(fd);
        }
    };
    std::vector<std::thread> pool;
    for (int t = 1; t < threads; ++t)
        pool.emplace_back(reader);
    reader();
    for (std::thread &thread : pool)
        thread.join();
    ::closedir(dir);
}

double startupMs(const QString &folder, const QString &settings)
{
    return timedMs([&] {
        zoot::QtPlatform platform(folder, settings);
        zoot::MainForm window(platform, messages);
        window.load();
        window.show();
        QApplication::processEvents();
    });
}

// The longest gap between the event loop's turns while work runs.
qint64 longestStallMs(const std::function<void()> &work)
{
    QTimer ticks;
    ticks.setTimerType(Qt::PreciseTimer);
    ticks.setInterval(1);
    QElapsedTimer clock;
    qint64 last = 0;
    qint64 worst = 0;
    QObject::connect(&ticks, &QTimer::timeout, [&] {
        const qint64 now = clock.nsecsElapsed();
        worst = std::max(worst, now - last);
        last = now;
    });
    clock.start();
    ticks.start();
    work();
    QApplication::processEvents();
    worst = std::max(worst, clock.nsecsElapsed() - last);
    return worst / 1000000;
}

// The high-water mark of this process's resident memory. Not getrusage():
// its ru_maxrss carries the forking parent's mark over an exec.
long peakRssKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    }
    return -1;
}

int startupChild(const QString &folder)
{
    QTemporaryDir settings;
    startupMs(folder, settings.filePath(QStringLiteral("ZOOTfront.conf")));
    std::printf("%ld\n", peakRssKiB());
    return 0;
}

double peakRssMiB(const QString &folder)
{
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--startup"), folder});
    child.waitForFinished(600000);
    return child.readAllStandardOutput().trimmed().toDouble() / 1024.0;
}

QString number(double value, int decimals = 0)
{
    return QLocale(QLocale::English).toString(value, 'f', decimals);
}

QString ratio(double value, double floor)
{
    return QStringLiteral("%1 ms / %2 ms = %3x").arg(number(value), number(floor), number(value / floor, 2));
}

bool dropCaches()
{
    ::sync();
    QFile control(QStringLiteral("/proc/sys/vm/drop_caches"));
    return control.open(QIODevice::WriteOnly) && control.write("3\n") == 2 && control.flush();
}

// The latency file system, mounted for as long as the object lives.
class SlowMount {
public:
    SlowMount(const QString &source, const QString &mountPoint) : m_mountPoint(mountPoint)
    {
        const QString program = QCoreApplication::applicationDirPath() + QStringLiteral("/zoot-slowfs");
        if (!QFile::exists(program)) {
            m_problem = QStringLiteral("zoot-slowfs was not built (libfuse3-dev is missing)");
            return;
        }
        if (!QFile::exists(QStringLiteral("/dev/fuse"))) {
            m_problem = QStringLiteral("/dev/fuse is missing");
            return;
        }
        QDir().mkpath(mountPoint);
        m_process.setProgram(program);
        m_process.setArguments({QStringLiteral("--delay-us"), QStringLiteral("1000"), source, mountPoint});
        m_process.setStandardErrorFile(QProcess::nullDevice());
        m_process.start();
        for (int i = 0; i < 100 && !QFile::exists(countsFile()); ++i) {
            if (m_process.state() == QProcess::NotRunning)
                break;
            QThread::msleep(50);
        }
        if (!QFile::exists(countsFile()))
            m_problem = QStringLiteral("mounting it failed (no permission to use FUSE?)");
    }
    ~SlowMount()
    {
        if (m_process.state() != QProcess::NotRunning) {
            QProcess::execute(QStringLiteral("fusermount3"), {QStringLiteral("-u"), m_mountPoint});
            if (!m_process.waitForFinished(10000))
                m_process.kill();
        }
    }

    const QString &problem() const { return m_problem; }

    // The operations counted so far, by kind.
    QMap<QString, long> counts() const
    {
        QMap<QString, long> result;
        QFile file(countsFile());
        if (file.open(QIODevice::ReadOnly)) {
            for (const QByteArray &line : file.readAll().split('\n')) {
                const QList<QByteArray> fields = line.split(' ');
                if (fields.size() == 2)
                    result.insert(QString::fromLatin1(fields.at(0)), fields.at(1).toLong());
            }
        }
        return result;
    }

private:
    QString countsFile() const { return m_mountPoint + QStringLiteral("/.zoot-slowfs-ops"); }

    QString m_mountPoint;
    QString m_problem;
    QProcess m_process;
};

// Operations per image of work, by kind, from the counts before and after.
QString operationsPerImage(const SlowMount &mount, int images, const std::function<void()> &work)
{
    const QMap<QString, long> before = mount.counts();
    work();
    const QMap<QString, long> after = mount.counts();
    long total = 0;
    QStringList kinds;
    for (auto it = after.cbegin(); it != after.cend(); ++it) {
        const long count = it.value() - before.value(it.key());
        total += count;
        if (count > 0)
            kinds.append(QStringLiteral("%1 %2").arg(it.key(), number(double(count) / images, 2)));
    }
    return QStringLiteral("%1 (%2)").arg(number(double(total) / images, 2), kinds.join(QStringLiteral(", ")));
}

} // namespace

// Where a run keeps its folders and settings.
struct Work {
    QTemporaryDir dir;
    QString settings = dir.filePath(QStringLiteral("settings/ZOOTfront.conf"));
    QString empty = dir.filePath(QStringLiteral("empty"));
    QString folder(int images) const { return dir.filePath(QStringLiteral("app-%1").arg(images)); }
};

// Warm page cache: the floors and the start-up, by collection size.
void warmTable(const Work &work)
{
    out << "Warm page cache\n";
    out << "| images | floor, 1 thread | floor, 32 threads | start-up minus empty (÷ 1-thread floor) | peak RSS |\n";
    out << "| ---: | ---: | ---: | ---: | ---: |\n";
    for (int count : {1000, 10000, 100000}) {
        const QString folder = work.folder(count);
        zoot::bench::makeBenchFolder(folder, count);
        const QString roms = folder + QStringLiteral("/Roms");
        floorPass(roms, 1); // warm the caches
        startupMs(folder, work.settings);
        std::vector<double> floor1, floor32, emptyStartup, startup;
        for (int run = 0; run < (count < 100000 ? 9 : 5); ++run) {
            floor1.push_back(timedMs([&] { floorPass(roms, 1); }));
            floor32.push_back(timedMs([&] { floorPass(roms, 32); }));
            emptyStartup.push_back(startupMs(work.empty, work.settings));
            startup.push_back(startupMs(folder, work.settings));
        }
        const double net = median(startup) - median(emptyStartup);
        out << QStringLiteral("| %1 | %2 ms | %3 ms | %4 ms (%5x) | %6 MiB |\n")
                   .arg(number(count), number(median(floor1), 1), number(median(floor32), 1), number(net, 1),
                        number(net / median(floor1), 2), number(peakRssMiB(folder), 1));
        out.flush();
    }
}

// The longest the event loop waits while 100,000 images are scanned.
void stallLine(const Work &work)
{
    zoot::QtPlatform platform(work.folder(100000), work.settings);
    zoot::MainForm window(platform, messages);
    const qint64 atStartup = longestStallMs([&] {
        window.load();
        window.show();
    });
    QWidget *viewport = window.List1->viewport();
    const qint64 atRescan = longestStallMs([&] {
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), viewport->mapToGlobal(QPointF(5, 5)), Qt::RightButton,
                          Qt::RightButton, Qt::NoModifier);
        QApplication::sendEvent(viewport, &press);
    });
    out << "\nLongest event-loop stall, 100,000 images: start-up " << atStartup << " ms, rescan " << atRescan << " ms ("
        << window.List1->count() << " lines)\n";
    out.flush();
}

void coldLine(const Work &work)
{
    const QString folder = work.folder(10000);
    out << "\nCold page cache, 10,000 images: ";
    if (!dropCaches()) {
        out << "skipped: dropping the page cache needs root.\n";
    } else {
        const double floor32 = medianMs(3, [&] { floorPass(folder + QStringLiteral("/Roms"), 32); }, dropCaches);
        const double startup = medianMs(3, [&] { startupMs(folder, work.settings); }, dropCaches);
        const double emptyCold = medianMs(3, [&] { startupMs(work.empty, work.settings); }, dropCaches);
        out << "start-up minus empty / 32-thread floor: " << ratio(startup - emptyCold, floor32) << "\n";
    }
    out.flush();
}

void latencyLines(const Work &work)
{
    out << "\n+1 ms per file-system operation, 10,000 images: ";
    out.flush();
    const QString mountPoint = work.dir.filePath(QStringLiteral("slow"));
    SlowMount mount(work.folder(10000), mountPoint);
    if (!mount.problem().isEmpty()) {
        out << "skipped: " << mount.problem() << ".\n";
        return;
    }
    const QString roms = mountPoint + QStringLiteral("/Roms");
    const double floor32 = medianMs(3, [&] { floorPass(roms, 32); });
    const double startup = medianMs(3, [&] { startupMs(mountPoint, work.settings); });
    out << "time to the main window / 32-thread floor: " << ratio(startup, floor32) << "\n";
    out << "  operations per image, floor:    " << operationsPerImage(mount, 10000, [&] { floorPass(roms, 32); }) << "\n";
    out << "  operations per image, start-up: "
        << operationsPerImage(mount, 10000, [&] { startupMs(mountPoint, work.settings); }) << "\n";
}

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() == 2 && args.first() == u"--startup")
        return startupChild(args.at(1));

    const Work work;
    zoot::bench::makeBenchFolder(work.empty, 0);
    startupMs(work.empty, work.settings); // the first start-up loads fonts and plugins
    out << "Header-only images. Warm: the median of 9 runs (5 at 100,000), each run timing the floors, an\n"
           "empty start-up and the start-up in turn, so that the machine's drift touches all alike;\n"
           "cold and latency: the median of 3.\n\n";
    warmTable(work);
    stallLine(work);
    coldLine(work);
    latencyLines(work);
    return 0;
}
