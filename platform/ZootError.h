// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <stdexcept>

namespace zoot {

inline const QString kApplicationTitle = QStringLiteral("ZOOTfront");

// The one error type of the program. Every failure carries a description for
// the user and the name of the part that raised it, which the start-up report
// prints as "<description> in <source> (<step>)".
class ZootError : public std::runtime_error {
public:
    explicit ZootError(const QString &description, const QString &source = kApplicationTitle)
        : std::runtime_error(description.toStdString()), m_description(description), m_source(source) {}

    const QString &description() const { return m_description; }
    const QString &source() const { return m_source; }

private:
    QString m_description;
    QString m_source;
};

} // namespace zoot
