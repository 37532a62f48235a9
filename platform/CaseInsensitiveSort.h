#pragma once

#include <QStringList>

namespace zoot {

// Sorts ascending with letter case ignored (simple case folding, code point
// order), ties by the exact text. Each item is folded once, not once per
// comparison, so a hundred thousand names sort in a few tens of milliseconds.
void sortIgnoringCase(QStringList &items);

} // namespace zoot
