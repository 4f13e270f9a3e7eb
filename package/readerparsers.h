// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PLINVEX_READERPARSERS_H
#define PLINVEX_READERPARSERS_H

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>

// The reader's parsers one at a time, each on the bytes of one file as a
// package would hold it, for the fuzz targets (fuzz/) to drive without a
// whole package around them. Each returns what it made of the file, so none
// of the work can be left out.
namespace readerparsers {

// The control file's values: package, version, architecture, homepage,
// description, then the related packages.
QStringList controlValues(const QByteArray &control);

// The [Desktop Entry] values: id, untranslated name and comment, icon, program.
QStringList desktopEntryValues(const QByteArray &entry);

// An AppStream component's values, the description in the languages given;
// empty when the file is refused.
QStringList appStreamValues(const QByteArray &component, const QStringList &languages);

// The SVG as the cleaner leaves it to be drawn; empty when refused.
QByteArray cleanedSvg(const QByteArray &svg);

// The icon file at `path` (its name decides only XPM) drawn as the reader
// draws a logo candidate: PNG, XPM or a cleaned SVG, told by its bytes.
QImage drawnIcon(const QString &path, const QByteArray &bytes);

} // namespace readerparsers

#endif
