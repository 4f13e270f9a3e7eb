// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PLINVEX_PACKGATE_H
#define PLINVEX_PACKGATE_H

#include "engine/checkfindings.h"

#include <QList>
#include <QString>
#include <QStringList>

// The two faces that pack.
enum class Face { Window, CommandLine };

// Whether the finding stops a pack in `face`. Which findings do is declared
// once, here, for both faces: on the command line every error not ignored;
// in the window the findings of the refusals below.
bool stopsPack(const Finding &finding, Face face);

// Why the window will not pack, each said by a box of its own.
enum class WindowRefusal {
    None,
    PackageMissing,       // no file or folder at the package's path
    NotDebName,           // the package's file name does not end in ".deb"
    RequiredEmpty,        // a required input is empty
    PkgnameNotFolderName, // the package name would not name one folder
    PackageCorrupt,       // the package was found cut short or broken
    HiddenCharacter,      // a value holds a character that shows nothing
    HomepageScheme,       // the homepage is a link of another scheme than http(s)
};

// One of the window's refusals: the findings that raise it, or the
// condition on the package's path that no finding stands for.
struct WindowGateRow
{
    WindowRefusal refusal;
    QStringList tags;
    // Where findings of several fields raise it, the order the window looks
    // at the fields in; the first found is the one its box names.
    QStringList fields;
    bool (*refusesPath)(const QString &packagePath) = nullptr;
};

// The window's refusals in the order it looks: the first that holds is the
// one it shows.
const QList<WindowGateRow> &windowGate();

// Whether the file name ends in ".deb", exactly so: the window goes by the
// name, the command line by what the file holds.
bool hasDebName(const QString &packagePath);

struct WindowVerdict
{
    WindowRefusal refusal = WindowRefusal::None;
    Finding finding; // the finding that raised it; empty for a condition on the path
};

// What the window does with a pack asked for with these findings of the
// package at `packagePath`: the first of its refusals that holds, or none.
WindowVerdict windowVerdict(const QList<Finding> &findings, const QString &packagePath);

// The same for the form's values and its package, checked at once: the
// refusals ask of the logo and the screenshots only whether they are given,
// so no picture is opened or decoded.
WindowVerdict windowVerdict(const SubmissionValues &values, const PackageFacts &package);

#endif
