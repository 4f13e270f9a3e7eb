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

Submission makeSubmission(const SubmissionInput &input, const QDateTime &now)
{
    Submission submission;
    submission.appName = input.appName;
    submission.debPath = input.debPath;
    submission.pkgName = input.pkgName;
    submission.version = input.version;
    submission.author = orBlank(input.author);
    submission.website = orBlank(input.website);
    submission.contributor = input.contributor;
    submission.updateTime = now.toString(QStringLiteral("yyyy-MM-dd hh:mm"));
    submission.screenshotList = input.screenshots;
    submission.moreText = joinDescriptionLines(input.description);
    submission.sizeText = formatSize(QFileInfo(input.debPath).size());
    return submission;
}
