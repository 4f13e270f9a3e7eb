// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/checkrules.h"

#include "bundle/bundleassembly.h"
#include "engine/debversion.h"

#include <QRegularExpression>

namespace {

// "alpha", "beta" or "rc" after a digit, a separator or the start, and not
// running on into more letters, so "src" or "alphabet" do not count.
bool isPrerelease(const QString &upstream)
{
    static const QRegularExpression word(QStringLiteral("(?:^|[0-9.+~_-])(alpha|beta|rc)(?![a-z])"),
                                         QRegularExpression::CaseInsensitiveOption);
    return upstream.contains(QLatin1Char('~')) || word.match(upstream).hasMatch();
}

// Name and version have the package to fall back on; only a package that
// is there yet says nothing leaves them unreadable.
bool identityPresent(RuleFindings &rules, const SourcedText &value, const QString &field,
                     const char *unreadableTag)
{
    if (!value.value.isEmpty())
        return true;
    if (rules.package.regularFile)
        rules.add(unreadableTag, Severity::Error, field, {});
    else
        rules.requiredEmpty(field);
    return false;
}

} // namespace

void checkPkgNameRules(RuleFindings &rules, const SourcedText &pkgName)
{
    const QString field = QStringLiteral("pkgname");
    if (!identityPresent(rules, pkgName, field, "pkgname-unreadable"))
        return;
    const QString &name = pkgName.value;
    const bool hidden = rules.hiddenCharacter(name, field);
    // Empty, ".", "..", a slash or a NUL would put the bundle somewhere
    // else than one folder of its own on the desktop. Said even beside a
    // hidden character: the window's refusal of such a name comes first.
    if (!isPlainFolderName(name)) {
        rules.add("pkgname-not-folder-name", Severity::Error, field, {name});
        return;
    }
    if (hidden)
        return;
    if (!isDebianPackageName(name))
        rules.add("pkgname-not-debian", Severity::Warning, field, {name});
    const QString &own = rules.package.ownName;
    if (pkgName.source == ValueSource::Given && !own.isEmpty() && name != own)
        rules.add("pkgname-differs", Severity::Warning, field, {name, own});
}

void checkVersionRules(RuleFindings &rules, const SourcedText &version)
{
    const QString field = QStringLiteral("version");
    if (!identityPresent(rules, version, field, "version-unreadable"))
        return;
    if (rules.hiddenCharacter(version.value, field))
        return;
    const VersionVerdict verdict = checkDebVersion(version.value);
    if (verdict.kind == VersionVerdict::Invalid)
        rules.add("version-invalid", Severity::Error, field, {version.value, verdict.reason});
    else if (verdict.kind == VersionVerdict::Dubious)
        rules.add("version-dubious", Severity::Warning, field, {version.value, verdict.reason});
    const QString &own = rules.package.ownVersion;
    if (version.source == ValueSource::Given && !own.isEmpty() && version.value != own)
        rules.add("version-differs", Severity::Warning, field, {version.value, own});
    if (verdict.kind == VersionVerdict::Invalid)
        return;
    const QString upstream = upstreamVersion(version.value);
    const QString &release = rules.package.appStreamRelease;
    if (!release.isEmpty() && compareVersionParts(withoutRepackSuffix(upstream), release) != 0)
        rules.add("version-differs-appstream", Severity::Warning, field, {upstream, release},
                  upstream, release);
    if (isPrerelease(withoutRepackSuffix(upstream)))
        rules.add("version-prerelease", Severity::Info, field, {version.value});
}
