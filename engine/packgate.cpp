// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/packgate.h"

#include "bundle/submission.h"

#include <QFileInfo>

#include <algorithm>

namespace {

bool refusesPathName(const QString &packagePath)
{
    return !hasDebName(packagePath);
}

// The window looks at what a press can tell at once, in the order a
// packager fills the form; what only the pack itself can find out (a
// screenshot that is gone, a picture too large) its progress reports.
const QList<WindowGateRow> kWindowGate = {
    {WindowRefusal::PackageMissing, {QStringLiteral("package-missing")}, {}, nullptr},
    {WindowRefusal::NotDebName, {}, {}, refusesPathName},
    // Name and version the package could not give are as empty as any other.
    {WindowRefusal::RequiredEmpty,
     {QStringLiteral("required-empty"), QStringLiteral("pkgname-unreadable"),
      QStringLiteral("version-unreadable")},
     {},
     nullptr},
    // The bundle folder is removed again after a failed pack: its name must
    // be one folder on the desktop and nothing beyond it.
    {WindowRefusal::PkgnameNotFolderName, {QStringLiteral("pkgname-not-folder-name")}, {}, nullptr},
    {WindowRefusal::PackageCorrupt, {QStringLiteral("package-corrupt")}, {}, nullptr},
    {WindowRefusal::HiddenCharacter,
     {QStringLiteral("hidden-character")},
     {QStringLiteral("name"), QStringLiteral("package"), QStringLiteral("pkgname"),
      QStringLiteral("version"), QStringLiteral("author"), QStringLiteral("homepage"),
      QStringLiteral("contributor"), QStringLiteral("description")},
     nullptr},
    {WindowRefusal::HomepageScheme, {QStringLiteral("homepage-scheme")}, {}, nullptr},
};

// The first finding of `row` among the findings that count, in the row's
// order of fields where it has one.
const Finding *firstOf(const WindowGateRow &row, const QList<Finding> &findings)
{
    const Finding *first = nullptr;
    int firstRank = 0;
    for (const Finding &finding : findings) {
        if (finding.ignored || !row.tags.contains(finding.tag))
            continue;
        if (row.fields.isEmpty())
            return &finding;
        int rank = int(row.fields.indexOf(finding.field));
        if (rank < 0)
            rank = int(row.fields.size());
        if (!first || rank < firstRank) {
            first = &finding;
            firstRank = rank;
        }
    }
    return first;
}

} // namespace

const QList<WindowGateRow> &windowGate()
{
    return kWindowGate;
}

bool hasDebName(const QString &packagePath)
{
    return QFileInfo(packagePath).suffix() == QLatin1String("deb");
}

bool stopsPack(const Finding &finding, Face face)
{
    if (finding.ignored)
        return false;
    switch (face) {
    case Face::CommandLine:
        return finding.severity == Severity::Error;
    case Face::Window:
        break;
    }
    for (const WindowGateRow &row : kWindowGate) {
        if (row.tags.contains(finding.tag))
            return true;
    }
    return false;
}

WindowVerdict windowVerdict(const QList<Finding> &findings, const QString &packagePath)
{
    for (const WindowGateRow &row : kWindowGate) {
        if (row.refusesPath && row.refusesPath(packagePath))
            return {row.refusal, Finding()};
        if (const Finding *finding = firstOf(row, findings))
            return {row.refusal, *finding};
    }
    return {};
}

WindowVerdict windowVerdict(const SubmissionValues &values, const PackageFacts &package)
{
    // Measuring ten screenshots on a press would hold the window still for
    // a good part of a second; what the pack needs of them it finds itself.
    SubmissionValues withoutPictures = values;
    withoutPictures.logo = SourcedText();
    withoutPictures.screenshots.clear();
    QList<Finding> findings = checkSubmission(withoutPictures, package);
    const auto given = [&values](const Finding &finding) {
        if (finding.tag != QLatin1String("required-empty"))
            return false;
        return (finding.field == QLatin1String("logo") && !values.logo.value.isEmpty()) ||
               (finding.field == QLatin1String("screenshots") && !values.screenshots.isEmpty());
    };
    findings.erase(std::remove_if(findings.begin(), findings.end(), given), findings.end());
    return windowVerdict(findings, values.package.value);
}
