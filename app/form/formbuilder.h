// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PLINVEX_FORMBUILDER_H
#define PLINVEX_FORMBUILDER_H

#include "app/form/formwidgets.h"

class QMainWindow;

// Creates, places, styles and stacks the form's widgets on `window`, sets the
// texts and binds the window's on_<objectName>_clicked slots by name.
void buildForm(FormWidgets &form, QMainWindow *window);

// Sets the window title, captions, button texts and hints; nothing else.
void applyFormTexts(FormWidgets &form, QMainWindow *window);

#endif
