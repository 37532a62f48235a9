// SPDX-License-Identifier: MIT
#include "options/CheckValue.h"

#include "options/OptionTable.h"

namespace zoot {

int checkValueOf(Qt::CheckState state)
{
    switch (state) {
    case Qt::Checked:
        return kChecked;
    case Qt::PartiallyChecked:
        return kGrayed;
    case Qt::Unchecked:
        break;
    }
    return kUnchecked;
}

Qt::CheckState checkStateOf(int checkValue)
{
    switch (checkValue) {
    case kChecked:
        return Qt::Checked;
    case kGrayed:
        return Qt::PartiallyChecked;
    default:
        return Qt::Unchecked;
    }
}

} // namespace zoot
