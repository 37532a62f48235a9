// SPDX-License-Identifier: MIT
#pragma once

#include "ui/MainForm/Messages.h"

#include <QStringList>

namespace zoot::test {

// Records what the main window would show in its boxes.
class RecordingMessages : public Messages {
public:
    void show(QWidget *, const QString &text) override { texts.append(text); }
    void showCommandLine(QWidget *, const QString &commandLine) override { commandLines.append(commandLine); }

    QStringList texts;
    QStringList commandLines;
};

} // namespace zoot::test
