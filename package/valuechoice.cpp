// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "package/valuechoice.h"

#include "bundle/bundlelayout.h"
#include "bundle/controlfile.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

namespace {

// A picture of the bundle's own, which the pack copies in turn: a PNG, as
// the pack writes them, whose header claims at most an icon's size. Only its
// header is read here; a small file may claim a picture that takes
// gigabytes to decode, and what takes it up next decodes it whole.
bool isBundleImage(const QString &path)
{
    BundleFile file(path, kBundleImageCap);
    return file.isOpen() && pngHeaderSize(file.read(24)).isValid();
}

QString bundleValue(const QJsonObject &object, const char *key)
{
    const QString value = object.value(QLatin1String(key)).toString();
    return value == kOptionalFieldBlank ? QString() : value;
}

bool isGiven(const QString &value)
{
    return !value.trimmed().isEmpty();
}

// The first of the candidates that holds a value, with its source.
SourcedText firstGiven(std::initializer_list<SourcedText> candidates)
{
    for (const SourcedText &candidate : candidates) {
        if (isGiven(candidate.value))
            return candidate;
    }
    return {};
}

} // namespace

EarlierBundle readEarlierBundle(const QString &bundleDir)
{
    EarlierBundle bundle;
    const QFileInfo dirInfo(bundleDir);
    if (dirInfo.isSymLink() || !dirInfo.isDir())
        return bundle;
    const QDir dir(bundleDir);
    const QString controlPath = dir.filePath(bundleControlFileName());
    BundleFile file(controlPath, kControlFileCap);
    if (!file.isOpen()) {
        const QFileInfo control(controlPath);
        if (!control.isSymLink() && control.isFile() && control.size() > kControlFileCap)
            bundle.oversizeControlFile = control.filePath();
        return bundle;
    }
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return bundle;
    const QJsonObject object = document.object();
    bundle.found = true;
    bundle.name = bundleValue(object, "Name");
    bundle.author = bundleValue(object, "Author");
    bundle.homepage = bundleValue(object, "Website");
    bundle.contributor = bundleValue(object, "Contributor");
    bundle.description = bundleValue(object, "More");
    const QString icon = dir.filePath(bundleIconName());
    if (isBundleImage(icon))
        bundle.logo = icon;

    // Only the names a pack writes, the very ones the next pack replaces: a
    // screenshot taken from any other name would be carried on beside its
    // copy, one more with every pack. One name a number, so no ties.
    QList<QPair<int, QString>> screens; // number, path
    const QStringList names = dir.entryList(QDir::Files | QDir::System | QDir::Hidden);
    for (const QString &name : names) {
        const int number = screenshotNumber(name);
        const QString path = dir.filePath(name);
        if (number > 0 && isBundleImage(path))
            screens.append({number, path});
    }
    std::sort(screens.begin(), screens.end(),
              [](const auto &a, const auto &b) { return a.first < b.first; });
    for (const auto &screen : screens)
        bundle.screenshots.append(screen.second);
    return bundle;
}

SubmissionValues chooseValues(const SubmissionValues &given, const EarlierBundle &earlier,
                              const PackageMetadata &metadata, const QString &cachedLogo)
{
    const auto givenValue = [](const SourcedText &field) {
        return SourcedText{field.value, ValueSource::Given};
    };
    const auto fromEarlier = [&earlier](const QString &value) {
        return SourcedText{earlier.found ? value : QString(), ValueSource::EarlierBundle};
    };
    // The reader gives the name and version only as dpkg-deb reads them, and
    // so from a package cut short after its control member too.
    const auto fromControl = [](const QString &value) {
        return SourcedText{value, ValueSource::Control};
    };
    const auto fromMetadata = [&metadata](const SourcedText &field) {
        return metadata.readable ? field : SourcedText{};
    };

    SubmissionValues values;
    values.package = given.package;
    values.pkgName = firstGiven({givenValue(given.pkgName), fromControl(metadata.package)});
    values.version = firstGiven({givenValue(given.version), fromControl(metadata.version)});
    values.name = firstGiven(
        {givenValue(given.name), fromEarlier(earlier.name), fromMetadata(metadata.name)});
    values.author = firstGiven(
        {givenValue(given.author), fromEarlier(earlier.author), fromMetadata(metadata.author)});
    values.homepage = firstGiven({givenValue(given.homepage), fromEarlier(earlier.homepage),
                                  fromMetadata(metadata.homepage)});
    values.description =
        firstGiven({givenValue(given.description), fromEarlier(earlier.description),
                    fromMetadata(metadata.description)});
    // The contributor is the packager, whom no package names.
    values.contributor =
        firstGiven({givenValue(given.contributor), fromEarlier(earlier.contributor)});
    values.logo = firstGiven(
        {givenValue(given.logo), fromEarlier(earlier.logo), {cachedLogo, metadata.logoSource}});
    if (values.logo.source == metadata.logoSource && values.logo.value == cachedLogo)
        values.logoTheme = metadata.logoTheme;
    if (!given.screenshots.isEmpty()) {
        values.screenshots = given.screenshots;
        values.screenshotsSource = ValueSource::Given;
    } else if (earlier.found && !earlier.screenshots.isEmpty()) {
        values.screenshots = earlier.screenshots;
        values.screenshotsSource = ValueSource::EarlierBundle;
    }
    return values;
}
