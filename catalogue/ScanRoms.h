// SPDX-License-Identifier: MIT
#pragma once

#include "catalogue/CatalogueEntry.h"

#include <QStringList>

#include <functional>
#include <memory>
#include <optional>

namespace zoot {

class Platform;
class ScanProgress;

inline const QStringList kImageExtensions{QStringLiteral(".gb"), QStringLiteral(".cgb"), QStringLiteral(".gbc")};
inline const QStringList kPictureExtensions{QStringLiteral(".gif"), QStringLiteral(".bmp")};

// Headers read at once where reads wait on storage: enough to hide the
// latency of a network share, where each open and read waits on a round trip,
// and few enough to be gentle on a local disk. Where reads come from memory,
// no more than there are cores. The scan never has more images open.
inline constexpr int kReadsInFlight = 32;

// What a scan found: the games list's lines and the background pictures.
struct Catalogue {
    QList<CatalogueEntry> games; // in catalogue order
    // The picture names in the application folder, in name order, read only
    // when images were found; otherwise nullopt, and the background list
    // stays as it is.
    std::optional<QStringList> pictures;
};

// A scan of the Roms folder of the application folder, on threads of its
// own: one lists the folder, and up to readsInFlight read the headers of the
// images as they are listed. It can be cancelled at any moment, whatever the
// storage does: threads stuck in a read or a listing are left to finish on
// their own, own what they use, and what they return is dropped.
class RomsScan {
public:
    explicit RomsScan(const Platform &platform, int readsInFlight = kReadsInFlight);
    // Cancels the scan; waits for nothing.
    ~RomsScan();
    RomsScan(const RomsScan &) = delete;
    RomsScan &operator=(const RomsScan &) = delete;

    const ScanProgress &progress() const;
    // Stops reading headers: the result lists every image found so far, those
    // whose header is not read by their file names.
    void cancel();

    // Called once, from the scan's own threads, when the folder is listed and
    // every header read; never after the scan is destroyed.
    void onFinished(std::function<void()> call);
    // Blocks until it has finished.
    void wait() const;

    // One entry per image, under its header title, or its file name when the
    // header has none, cannot be read, or was not read because the scan was
    // cancelled; to be taken once. Throws ZootError when the Roms folder
    // cannot be listed.
    Catalogue result();

private:
    std::shared_ptr<struct ScanState> m_state;
};

// A whole scan, waited for. Headers are read up to readsInFlight at a time;
// the result does not depend on how many.
Catalogue ScanRoms(const Platform &platform, int readsInFlight = kReadsInFlight);

} // namespace zoot
