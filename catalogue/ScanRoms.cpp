// SPDX-License-Identifier: MIT
#include "catalogue/ScanRoms.h"

#include "catalogue/HeaderProbes.h"
#include "catalogue/ListedImages.h"
#include "catalogue/ScanProgress.h"
#include "catalogue/TextOrder.h"
#include "platform/PathJoin.h"
#include "platform/Platform.h"
#include "platform/ZootError.h"

#include <QElapsedTimer>
#include <QThread>

#include <algorithm>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <thread>

namespace zoot {

using Image = ListedImages::Image;
using Outcome = ListedImages::Outcome;

// Everything the scan's threads use. Each thread holds it, so it lives until
// the last of them returns, however long after the scan was given up.
struct ScanState {
    ScanProgress progress;
    ListedImages images;
    std::shared_ptr<const Folder> roms; // set before any reader starts

    std::mutex mutex;
    std::condition_variable changed;
    // Set under the mutex.
    bool listed = false; // the listing has ended, or failed
    int readers = 0;     // reader threads still running
    std::exception_ptr failure;
    std::optional<QStringList> pictures;
    std::function<void()> onFinished;

    bool finishedLocked() const { return listed && readers == 0; }

    // Under the mutex: wakes the waiters; once finished, closes the folder
    // and calls onFinished once.
    void announce(std::unique_lock<std::mutex> &lock)
    {
        if (finishedLocked()) {
            roms.reset();
            if (onFinished)
                std::exchange(onFinished, {})();
        }
        changed.notify_all();
        lock.unlock();
    }
};

namespace {

// Reads one image's title. Only a failed read of an entry whose type the
// folder did not report costs a stat, to tell a broken image (listed by its
// name) from a link to nowhere or to a folder (not listed at all).
void readImage(const Folder &roms, Image &image)
{
    try {
        image.entry = catalogueEntry(TitleProbe(roms, image.file.name), image.file.name);
    } catch (const ZootError &) {
        if (!image.file.plain && !roms.isPlainFile(image.file.name))
            image.outcome = Outcome::NotAFile;
        else // a broken image must not hide the rest of the collection
            image.entry = catalogueEntry({}, image.file.name);
    }
    image.read.store(true, std::memory_order_release);
}

// A read that takes longer than this waited on storage (a network share, a
// cold disk): more reads in flight then hide the wait. Faster reads come from
// memory, where threads beyond the cores only cost.
constexpr qint64 kWaitingReadNs = 200'000;
constexpr int kTrialReads = 16;

// Reads the next image nobody has taken; false when there is none left.
bool readNext(ScanState &scan)
{
    Image *image = scan.progress.cancelled() ? nullptr : scan.images.take();
    if (!image)
        return false;
    readImage(*scan.roms, *image);
    scan.progress.addDone();
    return true;
}

void startReader(const std::shared_ptr<ScanState> &scan, void (*work)(const std::shared_ptr<ScanState> &, int),
                 int readsInFlight)
{
    {
        const std::lock_guard lock(scan->mutex);
        ++scan->readers;
    }
    std::thread([scan, work, readsInFlight] {
        work(scan, readsInFlight);
        std::unique_lock lock(scan->mutex);
        --scan->readers;
        scan->announce(lock);
    }).detach();
}

void readAll(const std::shared_ptr<ScanState> &scan, int)
{
    while (readNext(*scan)) {
    }
}

// The first reader: it calls in the others once it knows what the storage
// is like.
void readFirst(const std::shared_ptr<ScanState> &scan, int readsInFlight)
{
    const int most = std::max(readsInFlight, 1);
    int helpers = 0;
    QElapsedTimer clock;
    for (int trial = 0; trial < kTrialReads && helpers == 0; ++trial) {
        clock.start();
        if (!readNext(*scan))
            return;
        // The first read also pays for first use of the folder and the code.
        if (clock.nsecsElapsed() > kWaitingReadNs * (trial == 0 ? 10 : 1))
            helpers = most - 1;
    }
    if (helpers == 0)
        helpers = std::min(most, QThread::idealThreadCount()) - 1;
    for (int r = 0; r < helpers; ++r)
        startReader(scan, readAll, readsInFlight);
    readAll(scan, readsInFlight);
}

QStringList pictureNames(const Platform &platform, const QString &applicationFolder)
{
    QStringList names;
    try {
        const std::shared_ptr<const Folder> folder = platform.openFolder(applicationFolder);
        for (const ListedFile &file : folder->list(kPictureExtensions)) {
            if (file.plain || folder->isPlainFile(file.name))
                names.append(file.name);
        }
    } catch (const ZootError &) {
        // Pictures are optional: a folder that cannot be listed gives none.
    }
    TextOrder().sort(names);
    return names;
}

// The lister: opens the Roms folder, lists the images, starting the first
// reader with the first of them, then lists the pictures when there are
// images.
void listImages(const std::shared_ptr<ScanState> &scan, const Platform &platform, const QString &applicationFolder,
                int readsInFlight)
{
    std::exception_ptr failure;
    std::optional<QStringList> pictures;
    try {
        scan->roms = platform.openFolder(joinPath(applicationFolder, kRomsFolder));
        // The first reader starts with the first images: an empty folder
        // starts none.
        bool reading = false;
        scan->roms->list(kImageExtensions, [&](Folder::Batch &&batch) {
            scan->progress.addFound(batch.size());
            scan->images.publish(std::move(batch));
            if (!std::exchange(reading, true))
                startReader(scan, readFirst, readsInFlight);
        });
    } catch (...) {
        failure = std::current_exception();
    }
    scan->images.finish();
    scan->progress.setTotal(scan->images.size());
    if (!failure && scan->images.size() > 0 && !scan->progress.cancelled())
        pictures = pictureNames(platform, applicationFolder);
    std::unique_lock lock(scan->mutex);
    scan->listed = true;
    scan->failure = failure;
    scan->pictures = std::move(pictures);
    scan->announce(lock);
}

} // namespace

RomsScan::RomsScan(const Platform &platform, int readsInFlight) : m_state(std::make_shared<ScanState>())
{
    std::thread(listImages, m_state, std::cref(platform), platform.applicationFolder(), readsInFlight).detach();
}

RomsScan::~RomsScan()
{
    cancel();
    const std::lock_guard lock(m_state->mutex);
    m_state->onFinished = {};
}

const ScanProgress &RomsScan::progress() const
{
    return m_state->progress;
}

void RomsScan::cancel()
{
    m_state->progress.cancel();
    m_state->images.stopReaders();
}

void RomsScan::onFinished(std::function<void()> call)
{
    std::unique_lock lock(m_state->mutex);
    m_state->onFinished = std::move(call);
    if (m_state->finishedLocked())
        m_state->announce(lock);
}

void RomsScan::wait() const
{
    std::unique_lock lock(m_state->mutex);
    m_state->changed.wait(lock, [this] { return m_state->finishedLocked(); });
}

Catalogue RomsScan::result()
{
    std::unique_lock lock(m_state->mutex);
    if (m_state->listed && m_state->failure)
        std::rethrow_exception(m_state->failure);
    std::optional<QStringList> pictures = m_state->listed ? m_state->pictures : std::nullopt;
    lock.unlock();

    ListedImages &images = m_state->images;
    Catalogue catalogue;
    catalogue.games.reserve(images.size());
    for (qsizetype i = 0; i < images.size(); ++i) {
        Image &image = images.at(i);
        if (!image.read.load(std::memory_order_acquire)) { // cancelled before its turn, or still being read
            catalogue.games.append(catalogueEntry({}, image.file.name));
            catalogue.games.last().headerRead = false;
        }
        else if (image.outcome == Outcome::Listed)
            catalogue.games.append(std::move(image.entry));
    }
    sortCatalogue(catalogue.games);
    if (!catalogue.games.isEmpty())
        catalogue.pictures = std::move(pictures);
    return catalogue;
}

Catalogue ScanRoms(const Platform &platform, int readsInFlight)
{
    RomsScan scan(platform, readsInFlight);
    scan.wait();
    return scan.result();
}

} // namespace zoot
