// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

namespace zoot::bench {

// Fills folder (an application folder) with count header-only images in Roms
// and a few pictures: titles of varied length and letter case, some empty
// (fallback titles), some repeated.
void makeBenchFolder(const QString &folder, int count);

} // namespace zoot::bench
