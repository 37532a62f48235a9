// SPDX-License-Identifier: MIT
#include "catalogue/ListedImages.h"

#include "platform/ZootError.h"

#include <QLocale>

namespace zoot {

ListedImages::ListedImages() : m_blocks(new std::unique_ptr<Image[]>[kMaxBlocks]) {}

ListedImages::~ListedImages() = default;

void ListedImages::publish(QList<ListedFile> &&batch)
{
    for (ListedFile &file : batch) {
        const qsizetype block = m_count / kBlock;
        if (block >= kMaxBlocks)
            throw ZootError(QStringLiteral("The Roms folder holds more than %1 images")
                                .arg(QLocale().toString(kMaxBlocks * kBlock)));
        if (!m_blocks[size_t(block)])
            m_blocks[size_t(block)] = std::make_unique<Image[]>(size_t(kBlock));
        at(m_count).file = std::move(file);
        ++m_count;
    }
    const std::lock_guard lock(m_mutex);
    m_published.store(m_count, std::memory_order_release);
    m_more.notify_all();
}

void ListedImages::finish()
{
    const std::lock_guard lock(m_mutex);
    m_finished = true;
    m_more.notify_all();
}

void ListedImages::stopReaders()
{
    const std::lock_guard lock(m_mutex);
    m_stopped = true;
    m_more.notify_all();
}

ListedImages::Image *ListedImages::take()
{
    const qsizetype index = m_next.fetch_add(1);
    if (index >= m_published.load(std::memory_order_acquire)) {
        std::unique_lock lock(m_mutex);
        m_more.wait(lock, [&] { return index < m_published.load(std::memory_order_acquire) || m_finished || m_stopped; });
        if (m_stopped || index >= m_published.load(std::memory_order_acquire))
            return nullptr;
    }
    return &at(index);
}

} // namespace zoot
