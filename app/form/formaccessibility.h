// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PLINVEX_FORMACCESSIBILITY_H
#define PLINVEX_FORMACCESSIBILITY_H

#include "app/form/formwidgets.h"

// Ties each caption to its input and names the widgets that carry no text of
// their own, so screen readers announce the form; nothing visible changes.
void applyFormAccessibility(FormWidgets &form);

#endif
