// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PLINVEX_READERSEAL_H
#define PLINVEX_READERSEAL_H

#include "package/readerconfinement.h"

// What took hold of a reader that sealed itself.
struct ReaderSeal
{
    int landlockAbi = 0; // 0: no Landlock
    bool seccomp = false;
};

// Confines the calling process for good, as confineReader() does, and then
// filters its system calls: it may read, write to its standard output and
// error, manage its memory and threads, read clocks and end. Opening,
// statting or reading a link by name fails with EACCES as under Landlock,
// so a library's optional lookups fail softly; anything else (a socket, a
// connection, running a program, ptrace, reading another process's memory,
// a signal beyond itself, any call not named) ends the process at once.
// Part of plinvex-reader only: nothing else links the filter library.
// `shrinkableFd`, when given, may also be cut shorter (ftruncate), and only
// that: the memory file a bundle's package is copied into.
ReaderSeal sealReader(const ReaderLimits &limits, int shrinkableFd = -1);

// The reader's self-test: for each way out (opening a file by name, making
// a socket, connecting to a path socket, running a program) a child seals
// itself as for a reading and then tries it; prints to the standard output
// what took hold and how each attempt ended, as one JSON object. Returns
// the exit status for the reader: 0 whenever it could run the attempts.
int runReaderSelfTest();

#endif
