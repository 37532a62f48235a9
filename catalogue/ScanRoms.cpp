// SPDX-License-Identifier: MIT
#include "catalogue/ScanRoms.h"

#include "catalogue/HeaderProbes.h"
#include "catalogue/ListedImages.h"
#include "catalogue/ScanProgress.h"
#include "platform/PathJoin.h"
#include "platform/Platform.h"
#include "platform/TextOrder.h"
#include "platform/ZootError.h"

#include <QElapsedTimer>
#include <QThread>
#include <QThreadPool>

#include <algorithm>

namespace zoot {

namespace {

using Image = ListedImages::Image;
using Outcome = ListedImages::Outcome;

// Reads one image's title. Only a failed read of an entry whose type the
// folder did not report costs a stat, to tell a broken image (listed by its
// name) from a link to nowhere or to a folder (not listed at all).
void readImage(const Folder &roms, Image &image)
{
    try {
        image.entry = catalogueEntry(TitleProbe(roms, image.file.name), image.file.name);
        image.outcome = Outcome::Listed;
    } catch (const ZootError &) {
        if (!image.file.plain && !roms.isPlainFile(image.file.name)) {
            image.outcome = Outcome::NotAFile;
            return;
        }
        // A broken image must not hide the rest of the collection.
        image.entry = catalogueEntry({}, image.file.name);
        image.outcome = Outcome::Listed;
    }
}

// A read that takes longer than this waited on storage (a network share, a
// cold disk): more reads in flight then hide the wait. Faster reads come from
// memory, where threads beyond the cores only cost.
constexpr qint64 kWaitingReadNs = 200'000;
constexpr int kTrialReads = 16;

// Reads the headers of the images as the listing finds them, on pool: a first
// reader calls in the others once it knows what the storage is like.
void startReaders(QThreadPool &pool, const Folder &roms, ListedImages &images, ScanProgress *progress,
                  int readsInFlight)
{
    const int most = std::max(readsInFlight, 1);
    pool.setMaxThreadCount(most);
    const auto readOne = [&roms, progress](Image &image) {
        readImage(roms, image);
        if (progress)
            progress->addDone();
    };
    const auto stopped = [progress] { return progress && progress->cancelled(); };
    const auto reader = [&images, readOne, stopped] {
        while (!stopped()) {
            Image *image = images.take();
            if (!image)
                return;
            readOne(*image);
        }
    };
    pool.start([&pool, &images, most, readOne, stopped, reader] {
        int helpers = 0;
        QElapsedTimer clock;
        for (int trial = 0; trial < kTrialReads && helpers == 0; ++trial) {
            Image *image = stopped() ? nullptr : images.take();
            if (!image)
                return;
            clock.start();
            readOne(*image);
            // The first read also pays for first use of the folder and the code.
            if (clock.nsecsElapsed() > kWaitingReadNs * (trial == 0 ? 10 : 1))
                helpers = most - 1;
        }
        if (helpers == 0)
            helpers = std::min(most, QThread::idealThreadCount()) - 1;
        for (int r = 0; r < helpers; ++r)
            pool.start(reader);
        reader();
    });
}

QStringList pictureNames(const Platform &platform)
{
    QStringList names;
    try {
        const std::unique_ptr<Folder> folder = platform.openFolder(platform.applicationFolder());
        for (const ListedFile &file : folder->list(kPicturePatterns)) {
            if (file.plain || folder->isPlainFile(file.name))
                names.append(file.name);
        }
    } catch (const ZootError &) {
        // Pictures are optional: a folder that cannot be listed gives none.
    }
    TextOrder().sort(names);
    return names;
}

} // namespace

Catalogue ScanRoms(const Platform &platform, ScanProgress *progress, int readsInFlight)
{
    const std::unique_ptr<Folder> roms = platform.openFolder(joinPath(platform.applicationFolder(), kRomsFolder));
    ListedImages images;
    {
        QThreadPool pool; // this scan's own, so that it waits for its readers only
        startReaders(pool, *roms, images, progress, readsInFlight);
        try {
            roms->list(kImagePatterns, [&](Folder::Batch &&batch) {
                if (progress)
                    progress->addFound(batch.size());
                images.publish(std::move(batch));
            });
        } catch (...) {
            images.finish();
            throw;
        }
        images.finish();
        if (progress)
            progress->setTotal(images.size());
    }

    Catalogue catalogue;
    catalogue.games.reserve(images.size());
    for (qsizetype i = 0; i < images.size(); ++i) {
        Image &image = images.at(i);
        if (image.outcome == Outcome::NotRead) // cancelled before its turn
            catalogue.games.append(catalogueEntry({}, image.file.name));
        else if (image.outcome == Outcome::Listed)
            catalogue.games.append(std::move(image.entry));
    }
    sortCatalogue(catalogue.games);
    if (!catalogue.games.isEmpty())
        catalogue.pictures = pictureNames(platform);
    return catalogue;
}

} // namespace zoot
