// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PLINVEX_PACKAGEMETADATA_H
#define PLINVEX_PACKAGEMETADATA_H

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <atomic>

// Where a value of the submission came from; the command line names them
// "given", "earlier-bundle", "appstream", "desktop-entry", "control", "probe".
enum class ValueSource { None, Given, EarlierBundle, AppStream, DesktopEntry, Control, Probe };

// The stable name of a source, empty for None.
QString valueSourceName(ValueSource source);

struct SourcedText
{
    QString value;
    ValueSource source = ValueSource::None;
};

// What a package says about itself, read from its own files in-process.
struct PackageMetadata
{
    bool readable = false; // a Debian package whose control file could be read
    QString package;       // the control fields as written
    QString version;
    QString architecture;
    QString newestRelease; // the version of the newest <release> of the AppStream component, empty when none
    // Each already chosen within the package: AppStream, then the main
    // desktop entry, then the control file, in the languages asked for.
    SourcedText name;
    SourcedText author;
    SourcedText homepage;
    SourcedText description;
    QByteArray logoPng; // the icon the main entry names, encoded as PNG; empty for none
    ValueSource logoSource = ValueSource::None;
};

// The UI's languages for localised metadata, most wanted first: {"en"} for an
// English UI, {"zh_CN", "zh"} otherwise. Untranslated text always comes last.
QStringList metadataLanguages(bool english);

// Reads the package at `debPath` without extracting anything to disk. Any
// file that is not a readable Debian package gives metadata that is not
// readable and holds nothing. Safe to call off the GUI thread; returns early
// with nothing once `cancelled` is set.
PackageMetadata readPackageMetadata(const QString &debPath, const QStringList &languages,
                                    const std::atomic<bool> *cancelled = nullptr);

// Writes the package's logo as a PNG file of its own under the user's cache
// folder, named after the package, whole or not at all. The file's path, or
// empty when there is no logo or it could not be written.
QString cacheLogo(const QString &pkgName, const QByteArray &png);

#endif
