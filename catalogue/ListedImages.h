// SPDX-License-Identifier: MIT
#pragma once

#include "catalogue/CatalogueEntry.h"
#include "platform/Platform.h"

#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>

namespace zoot {

// The images of the Roms folder as its listing finds them, shared between the
// thread that lists and the threads that read headers, so that reading starts
// while a long folder is still being listed. Each image is taken by one reader.
class ListedImages {
public:
    enum class Outcome : quint8 { Listed, NotAFile };

    struct Image {
        ListedFile file;
        // Set by its reader, which then sets read; whoever sees read set may
        // use them, and the reader no longer does.
        CatalogueEntry entry;
        Outcome outcome = Outcome::Listed;
        std::atomic<bool> read{false};
    };

    ListedImages();
    ~ListedImages();
    ListedImages(const ListedImages &) = delete;
    ListedImages &operator=(const ListedImages &) = delete;

    // The lister: adds a batch of images; says when there will be no more.
    // Throws ZootError past the most a folder may hold.
    void publish(QList<ListedFile> &&batch);
    void finish();

    // A reader: the next image nobody has taken, waiting while the lister is
    // behind; nullptr when every image is taken and the listing has finished,
    // or once the readers are stopped.
    Image *take();
    void stopReaders();

    // The images published so far; each one's file may be read at any time.
    qsizetype size() const { return m_published.load(std::memory_order_acquire); }
    Image &at(qsizetype index) { return m_blocks[size_t(index / kBlock)][size_t(index % kBlock)]; }

private:
    // Images live in blocks that never move, so readers can use the ones
    // published while more are added.
    static constexpr qsizetype kBlock = 1024;
    static constexpr qsizetype kMaxBlocks = 1 << 14;

    std::unique_ptr<std::unique_ptr<Image[]>[]> m_blocks;
    qsizetype m_count = 0; // the lister's own count
    std::atomic<qsizetype> m_published{0};
    std::atomic<qsizetype> m_next{0};
    std::mutex m_mutex;
    std::condition_variable m_more;
    bool m_finished = false;
    bool m_stopped = false;
};

} // namespace zoot
