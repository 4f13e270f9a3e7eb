// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PLINVEX_READERSELFTEST_H
#define PLINVEX_READERSELFTEST_H

#include "package/packagemetadata.h"
#include "tools/toolrunner.h"

#include <QByteArray>
#include <QString>

// The reader's self-test (plinvex-reader --self-test) as a tool run: started
// as a reading is, with nothing inherited, within a short bound.
ToolCommand readerSelfTestCommand(const QString &program);

// What a run of the self-test proved; a run that failed, or answered
// anything but a self-test's answer, proved nothing.
ReaderConfinement readerSelfTestResult(const ToolResult &result);

// The self-test runs once per reader program and process: a kernel does not
// change its mind while this program runs.
bool knownConfinement(const QString &program, ReaderConfinement *confinement);
void rememberConfinement(const QString &program, const ReaderConfinement &confinement);

#endif
