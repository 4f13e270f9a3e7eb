// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "package/valuechoice.h"

#include "tools/packageprobe.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>
#include <QRegularExpression>

namespace {

// A blank stands for an optional field the packager left out.
QString givenText(const QJsonObject &object, const char *key)
{
    const QString value = object.value(QLatin1String(key)).toString();
    return value == QLatin1String(" ") ? QString() : value;
}

SourcedText firstOf(std::initializer_list<SourcedText> candidates)
{
    for (const SourcedText &candidate : candidates) {
        if (!candidate.value.isEmpty())
            return candidate;
    }
    return {};
}

} // namespace

EarlierBundle readEarlierBundle(const QString &bundleDir)
{
    EarlierBundle earlier;
    QFile file(bundleDir + QStringLiteral("/app.json"));
    if (!file.open(QIODevice::ReadOnly))
        return earlier;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll());
    if (!document.isObject())
        return earlier;
    const QJsonObject object = document.object();
    earlier.found = true;
    earlier.name = givenText(object, "Name");
    earlier.author = givenText(object, "Author");
    earlier.homepage = givenText(object, "Website");
    earlier.contributor = givenText(object, "Contributor");
    earlier.description = givenText(object, "More");
    const QString icon = bundleDir + QStringLiteral("/icon.png");
    if (QFileInfo(icon).isFile())
        earlier.logo = icon;
    static const QRegularExpression screenshot(QStringLiteral("^screen_([1-9][0-9]*)\\.png$"));
    QMap<int, QString> numbered;
    const QStringList names = QDir(bundleDir).entryList(QDir::Files);
    for (const QString &name : names) {
        const QRegularExpressionMatch match = screenshot.match(name);
        if (match.hasMatch())
            numbered.insert(match.captured(1).toInt(), bundleDir + QLatin1Char('/') + name);
    }
    earlier.screenshots = numbered.values();
    return earlier;
}

SubmissionValues chooseValues(const SubmissionValues &given, const EarlierBundle &earlier,
                              const PackageMetadata &metadata, const PackageIdentity &probe,
                              const QString &cachedLogo)
{
    const ValueSource fromEarlier = ValueSource::EarlierBundle;
    SubmissionValues chosen;
    chosen.pkgName = firstOf({given.pkgName,
                              {metadata.package, ValueSource::Control},
                              {probe.name, ValueSource::Probe}});
    chosen.version = firstOf({given.version,
                              {metadata.version, ValueSource::Control},
                              {probe.version, ValueSource::Probe}});
    chosen.name = firstOf({given.name, {earlier.name, fromEarlier}, metadata.name});
    chosen.author = firstOf({given.author, {earlier.author, fromEarlier}, metadata.author});
    chosen.homepage = firstOf({given.homepage, {earlier.homepage, fromEarlier}, metadata.homepage});
    chosen.contributor = firstOf({given.contributor, {earlier.contributor, fromEarlier}});
    chosen.description =
        firstOf({given.description, {earlier.description, fromEarlier}, metadata.description});
    chosen.logo =
        firstOf({given.logo, {earlier.logo, fromEarlier}, {cachedLogo, metadata.logoSource}});
    if (!given.screenshots.isEmpty()) {
        chosen.screenshots = given.screenshots;
        chosen.screenshotsSource = ValueSource::Given;
    } else if (!earlier.screenshots.isEmpty()) {
        chosen.screenshots = earlier.screenshots;
        chosen.screenshotsSource = fromEarlier;
    }
    return chosen;
}
