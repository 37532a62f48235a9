// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace zoot {

// The maker's fixed addresses, kept in this one place.
inline const QString kMakerHomepage = QStringLiteral("https://zootfront.example.org/");
inline const QString kMakerMailPrefix = QStringLiteral("mailto:maker@zootfront.example.org?Subject=");

} // namespace zoot
