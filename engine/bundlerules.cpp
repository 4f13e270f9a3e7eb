// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/bundlerules.h"

#include "bundle/bundlelayout.h"
#include "bundle/controlfile.h"
#include "bundle/sizetext.h"
#include "bundle/submission.h"

#include <QHash>
#include <QSet>

namespace {

const QString kField = QStringLiteral("bundle");

class BundleRules
{
public:
    BundleRules(const BundleFacts &facts, QDateTime now)
        : facts(facts)
        , now(std::move(now))
    {
    }

    QList<Finding> run()
    {
        plainness();
        members();
        control();
        pictures();
        return found;
    }

private:
    QString memberPath(const QString &name) const
    {
        if (facts.top.isEmpty())
            return name;
        return name.isEmpty() ? facts.top : facts.top + QLatin1Char('/') + name;
    }

    void add(const char *tag, Severity severity, const QString &member,
             const QStringList &params = {}, const QString &measured = {},
             const QString &limit = {})
    {
        Finding finding;
        finding.tag = QString::fromLatin1(tag);
        finding.severity = severity;
        finding.field = kField;
        finding.member = member;
        finding.params = params;
        finding.measured = measured;
        finding.limit = limit;
        found.append(finding);
    }

    void plainness()
    {
        for (const BundleProblem &problem : facts.problems) {
            Finding finding;
            finding.tag = problem.tag;
            finding.severity = Severity::Error;
            finding.field = kField;
            // A member outside the one folder is named as the archive has it.
            const bool outside = problem.tag == QLatin1String("bundle-not-one-folder") ||
                                 problem.tag == QLatin1String("bundle-absolute-path") ||
                                 problem.tag == QLatin1String("bundle-parent-path") ||
                                 problem.tag == QLatin1String("bundle-bad-name");
            finding.member = outside || problem.member.isEmpty()
                                 ? (problem.member.isEmpty() ? facts.top : problem.member)
                                 : memberPath(problem.member);
            finding.params = problem.params;
            if (problem.tag == QLatin1String("bundle-too-large") && problem.params.size() == 2) {
                finding.measured = problem.params.at(0);
                finding.limit = problem.params.at(1);
            }
            found.append(finding);
        }
    }

    void members()
    {
        const QSet<QString> files(facts.files.cbegin(), facts.files.cend());
        const QSet<QString> packages(facts.packages.cbegin(), facts.packages.cend());
        for (const QString &name : {bundleControlFileName(), bundleIconName()}) {
            if (!files.contains(name))
                add("bundle-member-missing", Severity::Error, memberPath(name), {name});
        }
        if (!files.contains(screenshotFileName(1)))
            add("bundle-member-missing", Severity::Error, memberPath(screenshotFileName(1)),
                {screenshotFileName(1)});
        const QString filename = facts.control.texts.value(QStringLiteral("Filename"));
        if (facts.packageMember.isEmpty()) {
            const QString named = filename.isEmpty() || filename.contains(QLatin1Char('/'))
                                      ? QStringLiteral("*.deb")
                                      : filename;
            add("bundle-member-missing", Severity::Error, memberPath(named), {named});
        }
        int highest = 0;
        for (const QString &name : facts.files)
            highest = qMax(highest, screenshotNumber(name));
        for (int number = 2; number < highest; ++number) {
            const QString name = screenshotFileName(number);
            if (!files.contains(name))
                add("bundle-screenshot-gap", Severity::Error, memberPath(name),
                    {QString::number(number)});
        }
        const QSet<QString> executables(facts.executables.cbegin(), facts.executables.cend());
        for (const QString &name : facts.files) {
            const bool expected = name == bundleControlFileName() || name == bundleIconName() ||
                                  screenshotNumber(name) > 0 || name == facts.packageMember;
            if (packages.contains(name) && name != facts.packageMember)
                add("bundle-member-forbidden", Severity::Error, memberPath(name),
                    {QStringLiteral("package")});
            // A picture or package copied from a disk that marks every file
            // runnable is still what it is; its bytes are judged elsewhere.
            else if (executables.contains(name) && !expected)
                add("bundle-member-forbidden", Severity::Error, memberPath(name),
                    {QStringLiteral("executable")});
            else if (!expected)
                add("bundle-member-unexpected", Severity::Warning, memberPath(name));
        }
        for (const QString &name : facts.others)
            add("bundle-member-unexpected", Severity::Warning, memberPath(name));
    }

    void control()
    {
        const BundleControl &c = facts.control;
        const QString member = memberPath(bundleControlFileName());
        if (!c.present)
            return;
        if (c.tooLarge)
            return add("bundle-control-too-large", Severity::Error, member,
                       {QString::number(kControlFileCap)}, {}, QString::number(kControlFileCap));
        if (!c.utf8)
            return add("bundle-control-not-utf8", Severity::Error, member);
        if (!c.json)
            return add("bundle-control-not-json", Severity::Error, member);
        if (!c.object)
            return add("bundle-control-not-object", Severity::Error, member);
        if (c.secondObject)
            add("bundle-control-second-object", Severity::Error, member);
        const QStringList &keys = controlFileKeys();
        QHash<QString, int> counts;
        for (const QString &key : c.keys)
            ++counts[key];
        for (const QString &key : keys) {
            if (!counts.contains(key))
                add("bundle-key-missing", Severity::Error, member, {key});
        }
        QSet<QString> told;
        for (const QString &key : c.keys) {
            if (told.contains(key))
                continue;
            told.insert(key);
            if (!keys.contains(key))
                add("bundle-key-unknown", Severity::Error, member, {key});
            else if (counts.value(key) > 1)
                add("bundle-key-repeated", Severity::Error, member, {key});
        }
        told.clear();
        for (const QString &key : c.notStrings) {
            if (!told.contains(key))
                add("bundle-key-not-string", Severity::Error, member, {key});
            told.insert(key);
        }
        identity(member);
        texts(member);
    }

    void identity(const QString &member)
    {
        const auto &texts = facts.control.texts;
        const PackageMetadata &package = facts.package;
        const QString pkgname = texts.value(QStringLiteral("Pkgname"));
        const QString version = texts.value(QStringLiteral("Version"));
        if (package.readable && texts.contains(QStringLiteral("Pkgname")) &&
            pkgname != package.package)
            add("bundle-pkgname-mismatch", Severity::Error, member, {pkgname, package.package});
        if (package.readable && texts.contains(QStringLiteral("Version")) &&
            version != package.version)
            add("bundle-version-mismatch", Severity::Error, member, {version, package.version});
        if (facts.packageMember.isEmpty())
            return;
        const QString filename = texts.value(QStringLiteral("Filename"));
        if (texts.contains(QStringLiteral("Filename")) && filename != facts.packageMember)
            add("bundle-filename-mismatch", Severity::Error, member,
                {filename, facts.packageMember});
        const QString size = texts.value(QStringLiteral("Size"));
        const QString expected = formatSize(facts.packageBytes);
        if (texts.contains(QStringLiteral("Size")) && size != expected)
            add("bundle-size-mismatch", Severity::Error, member, {size, expected}, size, expected);
    }

    void texts(const QString &member)
    {
        const auto &texts = facts.control.texts;
        const QString updateKey = QStringLiteral("Update");
        if (texts.contains(updateKey)) {
            const QString update = texts.value(updateKey);
            const QString format = QStringLiteral("yyyy-MM-dd hh:mm");
            const QDateTime time = QDateTime::fromString(update, format);
            if (!time.isValid() || time.toString(format) != update)
                add("bundle-update-invalid", Severity::Error, member, {update});
            else if (time > now)
                add("bundle-update-future", Severity::Error, member, {update});
        }
        for (const QString &key : {QStringLiteral("Author"), QStringLiteral("Website")}) {
            if (!texts.contains(key))
                continue;
            const QString value = texts.value(key);
            if (value != kOptionalFieldBlank && value.trimmed().isEmpty())
                add("bundle-blank-wrong", Severity::Error, member, {key});
        }
        const QString more = texts.value(QStringLiteral("More"));
        if (more.contains(QLatin1Char('\n')) || more.contains(QLatin1Char('\r')))
            add("bundle-more-lines", Severity::Error, member);
    }

    void pictures()
    {
        for (auto it = facts.pictures.cbegin(); it != facts.pictures.cend(); ++it) {
            const QString member = memberPath(it.key());
            const BundlePicture &picture = it.value();
            if (!picture.png) {
                add("bundle-picture-not-png", Severity::Error, member);
                continue;
            }
            const QSize box = it.key() == bundleIconName() ? kLogoBox : kScreenshotBox;
            if (picture.width > box.width() || picture.height > box.height())
                add("bundle-picture-too-large", Severity::Error, member,
                    {QString::number(picture.width), QString::number(picture.height),
                     QString::number(box.width()), QString::number(box.height())},
                    QStringLiteral("%1×%2").arg(picture.width).arg(picture.height),
                    QStringLiteral("%1×%2").arg(box.width()).arg(box.height()));
            if (picture.animated)
                add("bundle-picture-animated", Severity::Error, member);
            if (!picture.privateChunks.isEmpty())
                add("bundle-picture-private", Severity::Warning, member,
                    {picture.privateChunks.join(QStringLiteral(", "))});
        }
    }

    const BundleFacts &facts;
    const QDateTime now;
    QList<Finding> found;
};

} // namespace

const QStringList &controlFileKeys()
{
    static const QStringList keys = {
        QStringLiteral("Name"),    QStringLiteral("Version"), QStringLiteral("Filename"),
        QStringLiteral("Pkgname"), QStringLiteral("Author"),  QStringLiteral("Contributor"),
        QStringLiteral("Website"), QStringLiteral("Update"),  QStringLiteral("Size"),
        QStringLiteral("More"),
    };
    return keys;
}

QList<Finding> checkBundle(const BundleFacts &facts, const QDateTime &now)
{
    return BundleRules(facts, now).run();
}

SubmissionValues bundleValues(const BundleFacts &facts)
{
    const auto &texts = facts.control.texts;
    const auto value = [&texts](const char *key) -> SourcedText {
        const QString text = texts.value(QString::fromLatin1(key));
        // The single blank of an empty optional field counts as not given.
        if (text.isEmpty() || text == kOptionalFieldBlank)
            return {};
        return {text, ValueSource::EarlierBundle};
    };
    SubmissionValues values;
    values.name = value("Name");
    values.version = value("Version");
    values.pkgName = value("Pkgname");
    values.author = value("Author");
    values.contributor = value("Contributor");
    values.homepage = value("Website");
    values.description = value("More");
    if (!facts.packageMember.isEmpty())
        values.package = {facts.top + QLatin1Char('/') + facts.packageMember,
                          ValueSource::EarlierBundle};
    return values;
}
