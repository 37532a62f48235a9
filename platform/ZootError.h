// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <stdexcept>

namespace zoot {

// The one error type of the program. An operation that cannot do what it is
// asked throws it, with a description for the user; the window that started
// the operation catches it and shows the description.
class ZootError : public std::runtime_error {
public:
    explicit ZootError(const QString &description)
        : std::runtime_error(description.toStdString()), m_description(description) {}

    const QString &description() const { return m_description; }

private:
    QString m_description;
};

} // namespace zoot
