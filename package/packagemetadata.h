// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PLINVEX_PACKAGEMETADATA_H
#define PLINVEX_PACKAGEMETADATA_H

#include "bundle/submission.h"

#include <QByteArray>
#include <QList>
#include <QSize>
#include <QString>
#include <QStringList>

// Why the confined reader gave no answer.
enum class ReaderProblem {
    None,
    Missing,       // the reader program is not installed
    NotStarted,    // it could not be started
    Crashed,       // it died of a signal: a fault, or a limit it reached
    TimedOut,      // it ran past its bound and was stopped
    TooMuchOutput, // it printed more than any answer can be
    Failed,        // it ended with a status other than 0
    BadAnswer,     // what it printed is no answer
};

// One way out the reader's self-test tried once confined, and how it ended.
struct ConfinementAttempt
{
    QString name; // "open", "socket", "connect", "exec"
    bool refused = false;
    QString outcome; // as the self-test said it: "failed: EACCES", "ended by signal 31"
};

// What the reader's self-test proved of its confinement, as the program that
// ran it saw it: never what a reader says of itself while reading.
struct ReaderConfinement
{
    bool tested = false;   // a self-test was run for the reading
    bool answered = false; // and answered as a self-test does
    int landlockAbi = 0;   // 0: Landlock did not take hold
    bool seccomp = false;
    QList<ConfinementAttempt> attempts;

    // Both layers took hold and every way out was refused.
    bool proven() const;
};

// What a package says about itself, read from its own files in-process.
struct PackageMetadata
{
    bool readable = false; // a Debian package whose control file could be read
    // Began as a Debian package but could not be read to its end: packing it
    // would publish a broken package.
    bool corrupt = false;
    // The package's own name and version as dpkg-deb reads them from the
    // control file (debiansyntax.h): both empty when either breaks its rules.
    QString package;
    QString version;
    QString architecture;  // as written
    QString newestRelease; // the version of the newest <release> of the AppStream component, empty
                           // when none
    // Each already chosen within the package: AppStream, then the main
    // desktop entry, then the control file, in the languages asked for.
    SourcedText name;
    SourcedText author;
    SourcedText homepage;
    SourcedText description;
    // The main desktop entry when it had to be guessed among several shown
    // in menus (none named by AppStream, the package name or its program).
    QString guessedEntry;
    QString iconName;    // the icon the main entry names
    QStringList related; // the packages named in Depends, Pre-Depends and Recommends
    // The text files read (DEBIAN/control, desktop entries, AppStream) that
    // hold a NUL byte, by their path in the package. They are read whole,
    // each NUL as U+FFFD; an AppStream file, no XML then, is not used.
    QStringList textsWithNul;
    QByteArray logoPng; // the icon the main entry names, encoded as PNG; empty for none
    ValueSource logoSource = ValueSource::None;
    QString logoTheme; // the icon theme other than hicolor the logo came from; empty for none
    // A desktop entry of Type=Application or an AppStream component of an
    // application type was found: a store of applications can list it.
    bool application = false;
    // The companion packages read with it, by the package name their file
    // names begin with; told by the program that started the reader.
    QStringList companionPackages;

    // How the reading went, told by the program that started the reader:
    // what the reader's self-test proved, and what kept it from answering.
    ReaderConfinement confinement;
    ReaderProblem readerProblem = ReaderProblem::None;
    int readerDetail = 0; // the signal of a crash, the status of a failure
};

// The UI's languages for localised metadata, most wanted first: {"en"} for an
// English UI, {"zh_CN", "zh"} otherwise. Untranslated text always comes last.
QStringList metadataLanguages(bool english);

// Reads the package open at `debFd` without extracting anything to disk.
// Any file that is not a readable Debian package gives metadata that is not
// readable and holds nothing. This parses what strangers wrote: the program
// runs it only in its confined reader (see confinedreader.h).
// What the package lacks (any desktop or AppStream data, or the icon its
// entry names) is looked for, by the same rules, in the companion packages
// open at `companionFds`, in order.
PackageMetadata readPackageMetadata(int debFd, const QList<int> &companionFds,
                                    const QStringList &languages);

// The side lengths a PNG's header claims, read before anything is decoded;
// invalid unless it is a PNG of at most 4096 pixels a side.
QSize pngHeaderSize(const QByteArray &png);

// An icon smaller than the store's 128×128 logo, which would be enlarged.
bool isCoarseIcon(const QSize &size);
// Whether `name` is written as Debian writes package names: lower-case
// letters, digits and + - ., at least two characters, a letter or digit first.
bool isDebianPackageName(const QString &name);

#endif
