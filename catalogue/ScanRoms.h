// SPDX-License-Identifier: MIT
#pragma once

#include "catalogue/CatalogueEntry.h"

#include <QStringList>

#include <optional>

namespace zoot {

class Platform;
class ScanProgress;

inline const QStringList kImagePatterns{QStringLiteral("*.gb"), QStringLiteral("*.cgb"), QStringLiteral("*.gbc")};
inline const QStringList kPicturePatterns{QStringLiteral("*.gif"), QStringLiteral("*.bmp")};

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

// Reads the Roms folder of the application folder: one entry per image under
// its header title, or its file name when the header has none, cannot be
// read, or was not read because progress was cancelled. Headers are read up
// to readsInFlight at a time; the result does not depend on how many. Safe to
// run off the GUI thread. Throws ZootError when the Roms folder cannot be
// listed.
Catalogue ScanRoms(const Platform &platform, ScanProgress *progress = nullptr, int readsInFlight = kReadsInFlight);

} // namespace zoot
