// SPDX-License-Identifier: MIT
#pragma once

#include <Qt>

namespace zoot {

// Check values are stored as 0 unchecked, 1 checked, 2 grayed, while
// Qt::CheckState numbers them 0, 2, 1. These two are the only translation.
int checkValueOf(Qt::CheckState state);
Qt::CheckState checkStateOf(int checkValue);

} // namespace zoot
