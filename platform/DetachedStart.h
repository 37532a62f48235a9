// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QList>

namespace zoot {

// Runs the program file executable with arguments (arguments[0] is the name it
// is given) in workingFolder, detached: in a session of its own, standard
// input from /dev/null, never waited for. Everything is bytes, handed to the
// system as they are. Returns 0, or the errno of why it could not be started.
int startDetached(const QByteArray &executable, const QList<QByteArray> &arguments, const QByteArray &workingFolder);

// The absolute path of the program file a bare command name stands for,
// searched on PATH the way a shell searches; empty when there is none.
QByteArray findOnPath(const QByteArray &name);

} // namespace zoot
