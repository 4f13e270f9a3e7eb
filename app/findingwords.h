// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PLINVEX_APP_FINDINGWORDS_H
#define PLINVEX_APP_FINDINGWORDS_H

#include "engine/checkfindings.h"

// A finding in the window's words, in the UI language: what to fill is named
// by the form's own label ("打包者还空着").
QString windowWords(const Finding &finding);

// The label the form shows beside the field a finding is about ("打包者"),
// in the UI language; empty for a field the form does not have.
QString formLabel(const QString &field);

#endif
