// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PLINVEX_READERCONFINEMENT_H
#define PLINVEX_READERCONFINEMENT_H

#include <QtGlobal>

// The hard limits of the process that reads strangers' packages.
struct ReaderLimits
{
    qint64 addressSpace = qint64(768) << 20;
    int cpuSeconds = 10;
    int openFiles = 32;
};

// The CPU time a reading of a package of `packageBytes` may take: a large
// real package takes longer to read to its end, a small bomb no longer than
// a small package, and nothing longer than a few minutes. The program that
// waits for the reader uses it too.
int readerCpuSeconds(qint64 packageBytes);

// The bytes a file really holds, for the allowance above: its apparent size
// unless the blocks given to it are fewer. A sparse file's holes read as
// zeros without cost to whoever made it, and must buy no reading time.
qint64 readableBytes(qint64 apparentSize, qint64 blocks);

// Confines the calling process for good, before it reads anything: hard
// limits on memory, CPU time and open files, no core dumps, no file it may
// create or grow; no new privileges; and where the kernel has Landlock, no
// file or folder it may open by name at all, no TCP it may bind or connect,
// and (where the kernel has the scopes) no signal or abstract socket beyond
// itself. What is open already stays readable. Returns the Landlock ABI
// that took hold, 0 for none; without it the limits hold all the same.
int confineReader(const ReaderLimits &limits);

#endif
