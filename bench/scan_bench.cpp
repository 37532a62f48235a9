// Measures, for collections of N images on the same warm folder, the median of
// several runs of:
//   floor    list the folder and open, read 327 bytes, close each image (POSIX only)
//   probes   the title probe over every image
//   scan     ScanRoms into the real games list and background list
//   start-up MainForm built, start-up sequence run, window shown; minus the same
//            for an empty Roms folder
// and the peak resident memory of a child process that does the start-up once.
//
// Usage: zoot-scan-bench [N ...]           (default 1000 10000 100000)
//        zoot-scan-bench --startup FOLDER  (child mode: one start-up, prints peak RSS in KiB)
#include "bench/BenchFolder.h"
#include "ui/MainForm/GamesList.h"
#include "catalogue/HeaderProbes.h"
#include "catalogue/ScanRoms.h"
#include "platform/QtPlatform.h"
#include "ui/MainForm/MainForm.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <cstdio>
#include <dirent.h>
#include <fcntl.h>
#include <functional>
#include <unistd.h>

namespace {

constexpr int kRepetitions = 5;

double medianMs(const std::function<void()> &work)
{
    std::vector<double> runs;
    work(); // warm the caches
    for (int i = 0; i < kRepetitions; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        runs.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(runs.begin(), runs.end());
    return runs[runs.size() / 2];
}

// The least the job can cost: one pass over the folder, one header read per image.
void floorPass(const QByteArray &roms)
{
    DIR *dir = ::opendir(roms.constData());
    if (!dir)
        return;
    char header[327];
    const int dirFd = ::dirfd(dir);
    while (const dirent *entry = ::readdir(dir)) {
        if (entry->d_name[0] == '.')
            continue;
        const int fd = ::openat(dirFd, entry->d_name, O_RDONLY | O_CLOEXEC);
        if (fd < 0)
            continue;
        [[maybe_unused]] const ssize_t got = ::read(fd, header, sizeof header);
        ::close(fd);
    }
    ::closedir(dir);
}

double startupMs(const QString &folder, const QString &settings)
{
    zoot::QtPlatform platform(folder, settings);
    QElapsedTimer timer;
    timer.start();
    zoot::MainForm window(platform);
    window.load();
    window.show();
    QApplication::processEvents();
    return double(timer.nsecsElapsed()) / 1e6;
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

struct Figures {
    int count = 0;
    double floor = 0, probes = 0, scan = 0, startup = 0;
    double peakMiB = 0;
};

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    if (args.size() == 2 && args.first() == u"--startup")
        return startupChild(args.at(1));

    QList<int> counts;
    for (const QString &arg : args)
        counts.append(arg.toInt());
    if (counts.isEmpty())
        counts = {1000, 10000, 100000};

    QTemporaryDir work;
    const QString settings = work.filePath(QStringLiteral("settings/ZOOTfront.conf"));
    const QString empty = work.filePath(QStringLiteral("empty"));
    zoot::bench::makeBenchFolder(empty, 0);
    const double emptyStartup = medianMs([&] { startupMs(empty, settings); });

    QTextStream out(stdout);
    out << "Collections of header-only images; each figure the median of " << kRepetitions
        << " runs on a warm folder, in ms (ratio to the floor).\n";
    out << "Empty Roms folder start-up (subtracted from start-up): " << QString::number(emptyStartup, 'f', 1) << " ms\n\n";
    out << QStringLiteral("%1 | %2 | %3 | %4 | %5 | %6\n")
               .arg("images", 7).arg("floor", 9).arg("probes", 16).arg("scan", 16).arg("start-up", 16).arg("peak RSS", 9);

    QList<Figures> all;
    for (int count : counts) {
        const QString folder = work.filePath(QStringLiteral("app-%1").arg(count));
        zoot::bench::makeBenchFolder(folder, count);
        zoot::QtPlatform platform(folder, settings);
        const QString roms = folder + QStringLiteral("/Roms");
        const QStringList names = platform.listFiles(roms, zoot::kImagePatterns);

        Figures f;
        f.count = count;
        f.floor = medianMs([&] { floorPass(QFile::encodeName(roms)); });
        f.probes = medianMs([&] {
            for (const QString &name : names)
                zoot::TitleProbe(platform, roms + u'/' + name);
        });
        zoot::GamesList games;
        QComboBox backgrounds;
        f.scan = medianMs([&] { games.setSortedEntries(zoot::ScanRoms(platform).games); });
        f.startup = medianMs([&] { startupMs(folder, settings); }) - emptyStartup;

        QProcess child;
        child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--startup"), folder});
        child.waitForFinished(600000);
        f.peakMiB = child.readAllStandardOutput().trimmed().toDouble() / 1024.0;

        auto cell = [&](double ms) {
            return QStringLiteral("%1 (%2x)").arg(ms, 8, 'f', 1).arg(ms / f.floor, 5, 'f', 2);
        };
        out << QStringLiteral("%1 | %2 | %3 | %4 | %5 | %6\n")
                   .arg(count, 7)
                   .arg(f.floor, 9, 'f', 1)
                   .arg(cell(f.probes), 16)
                   .arg(cell(f.scan), 16)
                   .arg(cell(f.startup), 16)
                   .arg(QStringLiteral("%1 MiB").arg(f.peakMiB, 5, 'f', 1), 9);
        out.flush();
        all.append(f);
    }
    out << "\n";
    for (qsizetype i = 1; i < all.size(); ++i) {
        const Figures &a = all.at(i - 1);
        const Figures &b = all.at(i);
        out << QStringLiteral("%1 -> %2 images (x%3): floor x%4, probes x%5, scan x%6, start-up x%7\n")
                   .arg(a.count)
                   .arg(b.count)
                   .arg(double(b.count) / a.count, 0, 'f', 0)
                   .arg(b.floor / a.floor, 0, 'f', 1)
                   .arg(b.probes / a.probes, 0, 'f', 1)
                   .arg(b.scan / a.scan, 0, 'f', 1)
                   .arg(b.startup / a.startup, 0, 'f', 1);
    }
    return 0;
}
