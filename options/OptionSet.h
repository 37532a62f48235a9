// SPDX-License-Identifier: MIT
#pragma once

#include "options/OptionTable.h"

#include <QString>

namespace zoot {

// A value for every remembered option: a number (check value, index or
// slider position) or, for the text option, a text. A new set holds the
// defaults of the option table.
class OptionSet {
public:
    OptionSet();

    int number(const Option &option) const { return m_numbers[position(option)]; }
    const QString &text(const Option &option) const { return m_texts[position(option)]; }
    void setNumber(const Option &option, int value) { m_numbers[position(option)] = value; }
    void setText(const Option &option, const QString &value) { m_texts[position(option)] = value; }

    bool operator==(const OptionSet &) const = default;

private:
    static size_t position(const Option &option);

    std::array<int, kOptionTable.size()> m_numbers{};
    std::array<QString, kOptionTable.size()> m_texts;
};

} // namespace zoot
