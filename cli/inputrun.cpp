// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/inputrun.h"

#include "bundle/bundleassembly.h"
#include "bundle/compression.h"
#include "bundle/desktopfolder.h"
#include "bundle/submission.h"
#include "cli/cliprogress.h"
#include "cli/commandoptions.h"
#include "cli/commandoutput.h"
#include "cli/findingwords.h"
#include "cli/submissioncommand.h"
#include "engine/bundlecheckjob.h"
#include "engine/checkfindings.h"
#include "engine/packagefacts.h"
#include "engine/packgate.h"
#include "engine/prefilljob.h"
#include "package/packagemetadata.h"
#include "package/valuechoice.h"
#include "wording/failuretexts.h"
#include "wording/uilanguage.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>
#include <QLocale>

namespace {

QJsonObject sourced(const SourcedText &text)
{
    const QString source = valueSourceName(text.source);
    return {{QStringLiteral("value"), text.value},
            {QStringLiteral("source"), source.isEmpty() ? QJsonValue() : QJsonValue(source)}};
}

// The logo's source also tells the icon theme it was found in.
QJsonObject logoObject(const SubmissionValues &values)
{
    QJsonObject logo = sourced(values.logo);
    if (!values.logoTheme.isEmpty())
        logo.insert(QStringLiteral("theme"), values.logoTheme);
    return logo;
}

// The facts the reader's self-test established, as scripts read them.
QJsonObject confinementObject(const ReaderConfinement &confinement)
{
    QJsonArray attempts;
    for (const ConfinementAttempt &attempt : confinement.attempts)
        attempts.append(QJsonObject{{QStringLiteral("attempt"), attempt.name},
                                    {QStringLiteral("refused"), attempt.refused},
                                    {QStringLiteral("outcome"), attempt.outcome}});
    return {{QStringLiteral("selfTest"), confinement.answered},
            {QStringLiteral("landlockAbi"), confinement.landlockAbi},
            {QStringLiteral("seccomp"), confinement.seccomp},
            {QStringLiteral("attempts"), attempts}};
}

QJsonObject valuesObject(const SubmissionValues &values)
{
    const QString shotsSource = valueSourceName(values.screenshotsSource);
    return {
        {QStringLiteral("pkgname"), sourced(values.pkgName)},
        {QStringLiteral("version"), sourced(values.version)},
        {QStringLiteral("name"), sourced(values.name)},
        {QStringLiteral("author"), sourced(values.author)},
        {QStringLiteral("homepage"), sourced(values.homepage)},
        {QStringLiteral("contributor"), sourced(values.contributor)},
        {QStringLiteral("description"), sourced(values.description)},
        {QStringLiteral("logo"), logoObject(values)},
        {QStringLiteral("screenshots"),
         QJsonObject{{QStringLiteral("value"), QJsonArray::fromStringList(values.screenshots)},
                     {QStringLiteral("source"),
                      shotsSource.isEmpty() ? QJsonValue() : QJsonValue(shotsSource)}}},
    };
}

// What went wrong in a pack or a compression that ran.
struct RunFailure
{
    QString step; // "pack" or "compress"
    ToolResult tool;
    bool toolFailed = false;
    QString message;
};

// Everything one input's run reports, said at its end in every format.
class Report
{
public:
    explicit Report(const Options &options)
        : options(options)
    {
    }

    SubmissionValues values;
    QList<Finding> findings;
    bool passed = false;
    QString verdict;
    QString bundle;
    QString archive;
    QStringList files;
    RunFailure failure;
    QJsonValue confined;
    QJsonValue confinement;

    // The findings that count, of one severity; the ignored ones do not.
    int count(Severity severity) const
    {
        int n = 0;
        for (const Finding &finding : findings)
            n += finding.severity == severity && !finding.ignored ? 1 : 0;
        return n;
    }

    QByteArray text() const
    {
        QString out;
        const auto line = [&out](const QString &text) {
            out += text;
            out += QLatin1Char('\n');
        };
        if (!options.pack)
            values_(line);
        const QString ignoredMark = QCoreApplication::translate("CommandLine", "（已忽略）");
        for (const Finding &f : findings) {
            // Inside a bundle, the member comes first: it is what to look at.
            const QString member =
                f.member.isEmpty() ? QString() : printable(f.member) + QStringLiteral(": ");
            line(severityName(f.severity) + QLatin1Char('[') + f.tag + QStringLiteral("] ") +
                 f.field + QStringLiteral(": ") + member + printable(commandLineWords(f)) +
                 (f.ignored ? ignoredMark : QString()));
        }
        line(printable(verdict));
        return out.toUtf8();
    }

    QJsonObject json() const
    {
        QJsonArray list;
        for (const Finding &f : findings) {
            QJsonObject finding{{QStringLiteral("tag"), f.tag},
                                {QStringLiteral("severity"), severityName(f.severity)},
                                {QStringLiteral("field"), f.field},
                                {QStringLiteral("message"), commandLineWords(f)},
                                {QStringLiteral("ignored"), f.ignored}};
            if (!f.measured.isEmpty())
                finding.insert(QStringLiteral("measured"), f.measured);
            if (!f.limit.isEmpty())
                finding.insert(QStringLiteral("limit"), f.limit);
            if (!f.member.isEmpty())
                finding.insert(QStringLiteral("member"), f.member);
            list.append(finding);
        }
        QJsonObject document{{QStringLiteral("command"), options.command},
                             {QStringLiteral("passed"), passed},
                             {QStringLiteral("values"), valuesObject(values)},
                             {QStringLiteral("findings"), list},
                             {QStringLiteral("confined"), confined},
                             {QStringLiteral("confinement"), confinement}};
        if (!bundle.isEmpty())
            document.insert(QStringLiteral("bundle"), bundle);
        if (!archive.isEmpty())
            document.insert(QStringLiteral("archive"), archive);
        if (!bundle.isEmpty())
            document.insert(QStringLiteral("files"), QJsonArray::fromStringList(files));
        if (!failure.step.isEmpty()) {
            document.insert(
                QStringLiteral("error"),
                QJsonObject{{QStringLiteral("step"), failure.step},
                            {QStringLiteral("tool"),
                             failure.toolFailed ? QJsonValue(failure.tool.program) : QJsonValue()},
                            {QStringLiteral("exitCode"), failure.toolFailed && failure.tool.started
                                                             ? QJsonValue(failure.tool.exitCode)
                                                             : QJsonValue()},
                            {QStringLiteral("message"), failure.message}});
        }
        return document;
    }

private:
    // What is being checked, one line a value, each cut to the width of
    // the terminal: `field: value (source)`.
    template <typename Line> void values_(const Line &write) const
    {
        const int width = outputWidth();
        const auto line = [width, &write](const char *field, const QString &value,
                                          ValueSource source, const QString &theme = QString()) {
            QString text = QString::fromLatin1(field) + QLatin1Char(':');
            if (!value.isEmpty())
                text += QLatin1Char(' ') + printable(oneLine(value));
            QString name = valueSourceName(source);
            if (!theme.isEmpty())
                name += QStringLiteral(", theme ") + printable(theme);
            if (!name.isEmpty())
                text += QStringLiteral(" (") + name + QLatin1Char(')');
            write(shortened(text, width));
        };
        const auto sourced = [&line](const char *field, const SourcedText &text) {
            line(field, text.value, text.source);
        };
        sourced("pkgname", values.pkgName);
        sourced("version", values.version);
        sourced("name", values.name);
        sourced("author", values.author);
        sourced("homepage", values.homepage);
        sourced("contributor", values.contributor);
        sourced("description", values.description);
        line("logo", values.logo.value, values.logo.source, values.logoTheme);
        line("screenshots", QString::number(values.screenshots.size()), values.screenshotsSource);
    }

    const Options &options;
};

} // namespace

class InputRunPrivate
{
public:
    InputRunPrivate(InputRun *q, const Options &options, const QString &input, bool showsProgress,
                    std::function<void(InputRun *)> ended)
        : q(q)
        , options(options)
        , input(input)
        , path(absolute(input))
        , report(options)
        , progress(showsProgress)
        , ended(std::move(ended))
    {
    }

    void start()
    {
        if (stoppedBy != 0)
            return finishStopped(QString());
        // Only a check reads a bundle; a pack takes its input as a package.
        const InputKind kind = options.pack ? InputKind::Package : inputKindOf(path);
        if (kind == InputKind::BundleFolder || kind == InputKind::BundleArchive) {
            auto *job = new BundleCheckJob(path, q);
            return run(job, [this, job] { bundleChecked(*job); });
        }
        // Anything else is checked as a package, so a path that is missing,
        // a folder or no package is told as such (package-missing,
        // package-not-file, package-unreadable) beside the other inputs.
        const QFileInfo info(path);
        if (!info.isFile()) {
            facts = packageFacts(path, PackageMetadata(), EarlierBundle());
            report.values = chooseValues(ownGiven(), EarlierBundle(), PackageMetadata(), QString());
            return check();
        }
        PrefillRequest request;
        request.given = ownGiven();
        request.desktopDir = options.desktop;
        request.languages = metadataLanguages(prefersEnglish(QLocale::system()));
        request.companions = options.companions;
        request.fromPackageAndBundle = !options.noPrefill;
        auto *job = new PrefillJob(request, q);
        run(job, [this, job] { prefilled(job->result()); });
    }

    void stop(int signalNumber)
    {
        if (stoppedBy == 0)
            stoppedBy = signalNumber;
        if (current)
            current->kill();
    }

    InputRun *q;
    const Options &options;
    const QString input;
    const QString path;
    Report report;
    ProgressLine progress;
    std::function<void(InputRun *)> ended;
    Job *current = nullptr;
    int stoppedBy = 0;
    PackageFacts facts;
    Submission submission;
    InputOutcome outcome;

private:
    SubmissionValues ownGiven() const
    {
        SubmissionValues values = options.given;
        values.package = given(path);
        return values;
    }

    // Starts `job`, its progress on the line, and `next` once it has ended.
    void run(Job *job, const std::function<void()> &next)
    {
        current = job;
        QObject::connect(job, &Job::progress, q, [this](Job::Step step, qint64 done, qint64 total) {
            progress.show(step, done, total);
        });
        QObject::connect(job, &Job::finished, q, [this, job, next] {
            progress.finish();
            current = nullptr;
            job->deleteLater();
            next();
        });
        job->start();
    }

    void prefilled(const Prefill &prefill)
    {
        if (stoppedBy != 0)
            return finishStopped(QString());
        facts = packageFacts(path, prefill.metadata, prefill.earlier);
        confinementFound();
        report.values = prefill.values;
        check();
    }

    // What the reader's self-test proved; null when no reader ran.
    void confinementFound()
    {
        if (const ReaderConfinement &proven = facts.confinement; proven.tested) {
            report.confined = proven.proven();
            report.confinement = confinementObject(proven);
        }
    }

    void bundleChecked(const BundleCheckJob &job)
    {
        if (stoppedBy != 0)
            return finishStopped(QString());
        facts = job.package();
        confinementFound();
        report.values = job.values();
        judge(job.findings());
    }

    void check() { judge(checkSubmission(report.values, facts)); }

    // The verdict on what was found, as the options count it.
    void judge(const QList<Finding> &found)
    {
        report.findings = found;
        for (Finding &finding : report.findings) {
            finding.ignored = options.ignored.contains(finding.tag);
            if (options.requireConfined && finding.tag == QLatin1String("reader-unconfined"))
                finding.severity = Severity::Error;
        }
        const int errors = report.count(Severity::Error);
        const int warnings = report.count(Severity::Warning);
        if (!options.pack) {
            report.passed = errors == 0 && !(options.strict && warnings > 0);
            report.verdict =
                report.passed
                    ? QCoreApplication::translate("CommandLine", "检查通过：%1 个警告，%2 条提示")
                          .arg(warnings)
                          .arg(report.count(Severity::Info))
                    : QCoreApplication::translate("CommandLine", "检查没通过：%1 个错误，%2 个警告")
                          .arg(errors)
                          .arg(warnings);
            return end(report.passed ? CommandSucceeded : CommandFailed);
        }
        int stopping = 0;
        for (const Finding &finding : qAsConst(report.findings))
            stopping += stopsPack(finding, Face::CommandLine) ? 1 : 0;
        if (stopping > 0) {
            report.verdict =
                QCoreApplication::translate("CommandLine", "有 %1 个错误，什么也没打包")
                    .arg(stopping);
            return end(CommandFailed);
        }
        pack();
    }

    void pack()
    {
        if (stoppedBy != 0)
            return finishStopped(QStringLiteral("pack"));
        const SubmissionValues &v = report.values;
        submission = makeSubmission(v);
        auto *job = new PackJob({submission, v.logo.value, options.desktop, kToolTimeoutMs}, q);
        run(job, [this, job] { packed(job->result()); });
    }

    void packed(const BundleOutcome &built)
    {
        if (built.status == BundleOutcome::Cancelled || stoppedBy != 0)
            return finishStopped(QStringLiteral("pack"));
        if (built.status != BundleOutcome::Built) {
            QString message = packFailureText(built);
            if (message.isEmpty())
                message = QCoreApplication::translate("MainWindow", "打包失败！");
            return finishFailed(QStringLiteral("pack"), built.tool,
                                built.status == BundleOutcome::ToolFailed, message);
        }
        const QString bundleDir = bundleDirPath(options.desktop, submission.pkgName);
        report.bundle = bundleDir;
        report.files = QDir(bundleDir).entryList(
            QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
        if (!options.compress)
            return finishPacked();
        auto *job = new CompressJob(options.desktop, submission.pkgName, kToolTimeoutMs, q);
        run(job, [this, job] { compressed(job->result()); });
    }

    void compressed(const ArchiveOutcome &written)
    {
        if (written.status == ArchiveOutcome::Cancelled || stoppedBy != 0)
            return finishStopped(QStringLiteral("compress"));
        if (written.status != ArchiveOutcome::Written)
            return finishFailed(QStringLiteral("compress"), written.tool,
                                written.status == ArchiveOutcome::ToolFailed,
                                compressionFailureText(written));
        report.archive = archivePath(options.desktop, submission.pkgName);
        finishPacked();
    }

    void finishPacked()
    {
        report.passed = true;
        report.verdict =
            report.archive.isEmpty()
                ? QCoreApplication::translate("CommandLine", "打包好了：%1").arg(report.bundle)
                : QCoreApplication::translate("CommandLine", "打包好了：%1，压缩包：%2")
                      .arg(report.bundle, report.archive);
        end(CommandSucceeded);
    }

    void finishFailed(const QString &step, const ToolResult &tool, bool toolFailed,
                      const QString &message)
    {
        report.failure = {step, tool, toolFailed, message};
        report.verdict = oneLine(message);
        end(CommandFailed);
    }

    void finishStopped(const QString &step)
    {
        if (!step.isEmpty())
            report.failure = {step, ToolResult(), false,
                              QCoreApplication::translate(
                                  "CommandLine", "已中止，之前的投稿文件夹和压缩包原样保留")};
        report.verdict =
            QCoreApplication::translate("CommandLine", "已中止，之前的投稿文件夹和压缩包原样保留");
        end(128 + stoppedBy);
    }

    // Keeps what the formats need and lets the rest go with the run.
    void end(int status)
    {
        outcome.passed = report.passed;
        outcome.text = report.text();
        outcome.report.input = input;
        outcome.report.absolute = path;
        outcome.report.findings = report.findings;
        outcome.report.json = report.json();
        outcome.report.json.insert(QStringLiteral("input"), input);
        outcome.report.status = status;
        ended(q);
    }
};

InputRun::InputRun(const Options &options, const QString &input, bool showsProgress,
                   std::function<void(InputRun *)> ended, QObject *parent)
    : QObject(parent)
    , d(std::make_unique<InputRunPrivate>(this, options, input, showsProgress, std::move(ended)))
{
}

InputRun::~InputRun() = default;

void InputRun::start()
{
    d->start();
}

void InputRun::stop(int signalNumber)
{
    d->stop(signalNumber);
}

const InputOutcome &InputRun::outcome() const
{
    return d->outcome;
}
