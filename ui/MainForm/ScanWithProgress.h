// SPDX-License-Identifier: MIT
#pragma once

#include "catalogue/ScanRoms.h"

#include <memory>

class QWidget;

namespace zoot {

class Platform;

// Runs a scan of the Roms folder while the event loop goes on, so windows
// repaint and move. A scan still running after about half a second shows a
// modal progress window over owner: the folder being listed, then how many
// headers are read out of how many, and "Cancel", which answers at once and
// lists the images not read yet by their file names. Until the scan ends,
// input to the program's other windows is held back; a request to close one
// cancels the scan and closes it afterwards. Rethrows what the scan throws.
// A scan already started (at program start, say) may be handed in.
Catalogue scanWithProgress(const Platform &platform, QWidget *owner, std::unique_ptr<RomsScan> started = nullptr);

} // namespace zoot
