// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bundle/submission.h"

#include "bundle/controlfile.h"
#include "bundle/sizetext.h"
#include "bundle/textlines.h"

#include <QFileInfo>

namespace {

QString orBlank(const QString &text)
{
    return text.isEmpty() ? QString(kOptionalFieldBlank) : text;
}

} // namespace

QString valueSourceName(ValueSource source)
{
    switch (source) {
    case ValueSource::None:
        break;
    case ValueSource::Given:
        return QStringLiteral("given");
    case ValueSource::EarlierBundle:
        return QStringLiteral("earlier-bundle");
    case ValueSource::AppStream:
        return QStringLiteral("appstream");
    case ValueSource::DesktopEntry:
        return QStringLiteral("desktop-entry");
    case ValueSource::Control:
        return QStringLiteral("control");
    case ValueSource::Companion:
        return QStringLiteral("companion-package");
    }
    return {};
}

ValueSource valueSourceNamed(const QString &name)
{
    for (const ValueSource source :
         {ValueSource::Given, ValueSource::EarlierBundle, ValueSource::AppStream,
          ValueSource::DesktopEntry, ValueSource::Control, ValueSource::Companion}) {
        if (valueSourceName(source) == name)
            return source;
    }
    return ValueSource::None;
}

Submission makeSubmission(const SubmissionValues &values, const QDateTime &now)
{
    Submission submission;
    submission.appName = values.name.value;
    submission.debPath = values.package.value;
    submission.pkgName = values.pkgName.value;
    submission.version = values.version.value;
    submission.author = orBlank(values.author.value);
    submission.website = orBlank(values.homepage.value);
    submission.contributor = values.contributor.value;
    submission.updateTime = now.toString(QStringLiteral("yyyy-MM-dd hh:mm"));
    submission.screenshotList = values.screenshots;
    submission.moreText = joinDescriptionLines(values.description.value);
    submission.sizeText = formatSize(QFileInfo(values.package.value).size());
    return submission;
}
