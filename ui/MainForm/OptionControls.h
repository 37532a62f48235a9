// SPDX-License-Identifier: MIT
#pragma once

#include "options/OptionSet.h"

class QWidget;

namespace zoot {

// The controls of the remembered options, found in window by the options'
// keys, which are their names; one binding for each kind of control (check
// box, drop-down list, slider, group of option buttons, text box) reads and
// sets them.

// The options as window's controls show them.
OptionSet optionsShownBy(const QWidget &window);

// Gives each option's control its value, in the order of the option table.
void showOptions(QWidget &window, const OptionSet &options);

// How many lines or buttons the control of option holds.
int choicesFor(const QWidget &window, const Option &option);

} // namespace zoot
