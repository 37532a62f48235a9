// SPDX-License-Identifier: MIT
#pragma once

#include <QtGlobal>

#include <atomic>

namespace zoot {

// How far a scan has come, and whether it should stop reading headers:
// written by the scan, read and cancelled from any other thread.
class ScanProgress {
public:
    // Images found so far; total() is -1 while the folder is still being
    // listed. Headers are read meanwhile: done() counts them.
    qsizetype found() const { return m_found.load(std::memory_order_relaxed); }
    qsizetype total() const { return m_total.load(std::memory_order_relaxed); }
    qsizetype done() const { return m_done.load(std::memory_order_relaxed); }

    // Images whose headers are not read yet are then listed by file name.
    void cancel() { m_cancelled.store(true, std::memory_order_relaxed); }
    bool cancelled() const { return m_cancelled.load(std::memory_order_relaxed); }

    void addFound(qsizetype count) { m_found.fetch_add(count, std::memory_order_relaxed); }
    void setTotal(qsizetype total) { m_total.store(total, std::memory_order_relaxed); }
    void addDone() { m_done.fetch_add(1, std::memory_order_relaxed); }

private:
    std::atomic<qsizetype> m_found{0};
    std::atomic<qsizetype> m_total{-1};
    std::atomic<qsizetype> m_done{0};
    std::atomic<bool> m_cancelled{false};
};

} // namespace zoot
