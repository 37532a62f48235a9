// SPDX-License-Identifier: MIT
#include "options/OptionSet.h"

#include <algorithm>

namespace zoot {

OptionSet::OptionSet()
{
    for (const Option *option : kOptionTable) {
        if (option->isText())
            setText(*option, QString::fromLatin1(option->defaultText));
        else
            setNumber(*option, option->defaultNumber);
    }
}

size_t OptionSet::position(const Option &option)
{
    const auto found = std::find(kOptionTable.begin(), kOptionTable.end(), &option);
    Q_ASSERT(found != kOptionTable.end());
    return size_t(found - kOptionTable.begin());
}

} // namespace zoot
