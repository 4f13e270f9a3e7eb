// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/inputreport.h"

QByteArray sarifReport(const QList<InputReport> &reports)
{
    Q_UNUSED(reports)
    return {};
}

QByteArray githubReport(const QList<InputReport> &reports)
{
    Q_UNUSED(reports)
    return {};
}
