// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QPair>
#include <QString>

namespace zoot {

// Settings to write, as (key, text) in the order they are written.
using SettingValues = QList<QPair<QString, QString>>;

} // namespace zoot
