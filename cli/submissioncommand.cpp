// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/submissioncommand.h"

#include "bundle/bundleassembly.h"
#include "bundle/compression.h"
#include "bundle/desktopfolder.h"
#include "bundle/submission.h"
#include "bundle/textlines.h"
#include "cli/cliprogress.h"
#include "engine/checkfindings.h"
#include "engine/packagefacts.h"
#include "engine/packgate.h"
#include "engine/prefilljob.h"
#include "package/packagemetadata.h"
#include "package/valuechoice.h"
#include "tools/terminationsignals.h"
#include "wording/failuretexts.h"
#include "wording/uilanguage.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QRegularExpression>
#include <QSet>
#include <QTimer>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <functional>
#include <sys/ioctl.h>
#include <unistd.h>

namespace {

void writeOut(const QByteArray &bytes)
{
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
    std::fflush(stdout);
}

// Whatever the locale's encoding, the output is UTF-8, as JSON must be.
void writeLine(FILE *stream, const QString &line)
{
    const QByteArray bytes = (line + QLatin1Char('\n')).toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
    std::fflush(stream);
}

// The JSON report with every hidden character written as a \uNNNN escape:
// the same document to a parser, and nothing raw for a terminal it is
// printed on. Outside strings JSON is ASCII, so only strings are touched.
QByteArray escapedJson(const QByteArray &json)
{
    const QString text = QString::fromUtf8(json);
    QString escaped;
    escaped.reserve(text.size());
    for (const QChar c : text) {
        if (c.unicode() >= 0x7f && isHiddenCharacter(c.unicode()))
            escaped += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
        else
            escaped += c;
    }
    return escaped.toUtf8();
}

// How wide the lines of the text report may be: COLUMNS when set, else the
// terminal's own width when standard output is one, else 80.
int outputWidth()
{
    bool number = false;
    const int columns = qEnvironmentVariableIntValue("COLUMNS", &number);
    if (number && columns > 0)
        return columns;
    winsize size{};
    if (::isatty(STDOUT_FILENO) == 1 && ::ioctl(STDOUT_FILENO, TIOCGWINSZ, &size) == 0 &&
        size.ws_col > 0)
        return size.ws_col;
    return 80;
}

// The line cut with "…" to `width` columns, by whole characters.
QString shortened(const QString &line, int width)
{
    if (displayColumns(line) <= width)
        return line;
    const QVector<uint> characters = line.toUcs4();
    QString kept;
    int used = 0;
    for (const uint c : characters) {
        const QString one = QString::fromStdU32String(std::u32string(1, char32_t(c)));
        const int columns = displayColumns(one);
        if (used + columns > width - 1)
            break;
        kept += one;
        used += columns;
    }
    return kept + QStringLiteral("…");
}

// The options both commands take, then each command's own.
struct Options
{
    QString command;
    bool pack = false;
    QString package;
    SubmissionValues given;
    QString desktop;
    bool noPrefill = false;
    bool json = false;
    bool strict = false;
    bool requireConfined = false;
    bool compress = false;
    QSet<QString> ignored; // tags named with --ignore
    QStringList companions;
};

void addOptions(QCommandLineParser &parser, bool pack)
{
    const auto option = [&parser](const char *name, const char *description,
                                  const char *valueName = nullptr) {
        QCommandLineOption o(QString::fromLatin1(name),
                             QCoreApplication::translate("CommandLine", description));
        if (valueName)
            o.setValueName(QString::fromLatin1(valueName));
        parser.addOption(o);
    };
    option("name", QT_TRANSLATE_NOOP("CommandLine", "商店里显示的名字"), "TEXT");
    option("author", QT_TRANSLATE_NOOP("CommandLine", "软件的作者"), "TEXT");
    option("homepage", QT_TRANSLATE_NOOP("CommandLine", "软件的主页"), "URL");
    option("contributor", QT_TRANSLATE_NOOP("CommandLine", "投稿人，也就是你自己"), "TEXT");
    option("description", QT_TRANSLATE_NOOP("CommandLine", "软件的简介"), "TEXT");
    option("description-file", QT_TRANSLATE_NOOP("CommandLine", "从文件读简介；- 表示标准输入"),
           "FILE");
    option("logo", QT_TRANSLATE_NOOP("CommandLine", "Logo 图片（PNG、JPEG 或 GIF）"), "FILE");
    option("screenshot", QT_TRANSLATE_NOOP("CommandLine", "一张截图；可以给多次，按给的顺序排"),
           "FILE");
    option("pkgname", QT_TRANSLATE_NOOP("CommandLine", "包名，代替安装包自己的"), "TEXT");
    option("version", QT_TRANSLATE_NOOP("CommandLine", "版本号，代替安装包自己的"), "TEXT");
    option("desktop", QT_TRANSLATE_NOOP("CommandLine", "投稿文件夹和压缩包放在哪里；默认是桌面"),
           "DIR");
    option("no-prefill",
           QT_TRANSLATE_NOOP("CommandLine", "不从之前的投稿文件夹和安装包的信息里取任何值"));
    option("format", QT_TRANSLATE_NOOP("CommandLine", "输出格式：text 或 json"), "text|json");
    option("ignore", QT_TRANSLATE_NOOP("CommandLine", "这一项检查的结果不算数；可以给多次"), "TAG");
    option("companion",
           QT_TRANSLATE_NOOP("CommandLine", "安装包缺的图标和信息也到这个包里找；可以给多次"),
           "FILE.deb");
    option("require-confined",
           QT_TRANSLATE_NOOP("CommandLine", "读安装包的程序没能把自己关起来就算错误"));
    if (pack)
        option("compress", QT_TRANSLATE_NOOP("CommandLine", "打包后再压缩成 <包名>.tar.gz"));
    else
        option("strict", QT_TRANSLATE_NOOP("CommandLine", "有警告也算没通过"));
}

QString absolute(const QString &path)
{
    return path.isEmpty() ? path : QFileInfo(path).absoluteFilePath();
}

SourcedText given(const QString &value)
{
    if (value.isEmpty())
        return {};
    return {value, ValueSource::Given};
}

int usageError(const QString &command, const QString &message)
{
    writeLine(stderr, QCoreApplication::applicationName() + QStringLiteral(" ") + command +
                          QStringLiteral(": ") + message);
    writeLine(stderr,
              QCoreApplication::translate("CommandLine", "试试“plinvex %1 --help”。").arg(command));
    return CommandUsageError;
}

// Reads the command line into `options`; a status to exit with when the
// command ends here (help, or a usage error), -1 to go on.
int parseOptions(const QStringList &arguments, Options &options)
{
    options.command = arguments.value(1);
    options.pack = options.command == QLatin1String("pack");
    QCommandLineParser parser;
    parser.setApplicationDescription(
        options.pack ? QCoreApplication::translate(
                           "CommandLine", "检查一份投稿，没有错误就在桌面上打包成 <包名> 文件夹。")
                     : QCoreApplication::translate("CommandLine",
                                                   "一次找出一份投稿的所有问题，什么也不打包。"));
    parser.addHelpOption();
    addOptions(parser, options.pack);
    parser.addPositionalArgument(QStringLiteral("PACKAGE.deb"),
                                 QCoreApplication::translate("CommandLine", "要投稿的 deb 安装包"));
    QStringList rest = arguments;
    rest.removeAt(1);
    if (!parser.parse(rest))
        return usageError(options.command, parser.errorText());
    if (parser.isSet(QStringLiteral("help"))) {
        // Qt names the program only; the command belongs beside it.
        QString help = parser.helpText();
        const QString &program = arguments.first();
        const int at = help.indexOf(program);
        if (at >= 0)
            help.insert(at + program.size(), QLatin1Char(' ') + options.command);
        writeOut(help.toUtf8());
        return CommandSucceeded;
    }
    const QStringList positional = parser.positionalArguments();
    if (positional.isEmpty())
        return usageError(options.command,
                          QCoreApplication::translate("CommandLine", "缺少安装包"));
    if (positional.size() > 1)
        return usageError(options.command,
                          QCoreApplication::translate("CommandLine", "多余的参数：%1")
                              .arg(positional.mid(1).join(QLatin1Char(' '))));
    const QString format = parser.value(QStringLiteral("format"));
    if (!format.isEmpty() && format != QLatin1String("text") && format != QLatin1String("json"))
        return usageError(
            options.command,
            QCoreApplication::translate("CommandLine", "不认识的输出格式：%1").arg(format));
    options.json = format == QLatin1String("json");
    for (const QString &tag : parser.values(QStringLiteral("ignore"))) {
        if (!knownFindingTags().contains(tag))
            return usageError(options.command,
                              QCoreApplication::translate("CommandLine", "不认识的检查项：%1")
                                  .arg(printable(tag)));
        options.ignored.insert(tag);
    }
    options.package = absolute(positional.first());
    options.given.package = given(options.package);
    for (const QString &companion : parser.values(QStringLiteral("companion")))
        options.companions << absolute(companion);

    SubmissionValues &g = options.given;
    g.name = given(parser.value(QStringLiteral("name")));
    g.author = given(parser.value(QStringLiteral("author")));
    g.homepage = given(parser.value(QStringLiteral("homepage")));
    g.contributor = given(parser.value(QStringLiteral("contributor")));
    g.pkgName = given(parser.value(QStringLiteral("pkgname")));
    g.version = given(parser.value(QStringLiteral("version")));
    g.logo = given(absolute(parser.value(QStringLiteral("logo"))));
    for (const QString &screenshot : parser.values(QStringLiteral("screenshot")))
        g.screenshots << absolute(screenshot);
    if (!g.screenshots.isEmpty())
        g.screenshotsSource = ValueSource::Given;

    const bool descriptionFile = parser.isSet(QStringLiteral("description-file"));
    if (descriptionFile && parser.isSet(QStringLiteral("description")))
        return usageError(options.command,
                          QCoreApplication::translate(
                              "CommandLine", "--description 和 --description-file 只能给一个"));
    if (descriptionFile) {
        const QString path = parser.value(QStringLiteral("description-file"));
        QFile file;
        const bool opened = path == QLatin1String("-")
                                ? file.open(stdin, QIODevice::ReadOnly)
                                : (file.setFileName(path), file.open(QIODevice::ReadOnly));
        if (!opened)
            return usageError(
                options.command,
                QCoreApplication::translate("CommandLine", "读不了简介文件：%1").arg(path));
        QString text = QString::fromUtf8(file.readAll());
        // A byte order mark some editors put first marks the encoding, not text.
        if (text.startsWith(QChar(0xfeff)))
            text.remove(0, 1);
        g.description = given(text);
    } else {
        g.description = given(parser.value(QStringLiteral("description")));
    }

    options.desktop = parser.isSet(QStringLiteral("desktop"))
                          ? absolute(parser.value(QStringLiteral("desktop")))
                          : desktopPath();
    options.noPrefill = parser.isSet(QStringLiteral("no-prefill"));
    options.strict = !options.pack && parser.isSet(QStringLiteral("strict"));
    options.requireConfined = parser.isSet(QStringLiteral("require-confined"));
    options.compress = options.pack && parser.isSet(QStringLiteral("compress"));
    return -1;
}

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

// Everything one run reports, said at the end in the format asked for.
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

    void print() const
    {
        if (options.json)
            printJson();
        else
            printText();
    }

private:
    void printText() const
    {
        if (!options.pack)
            printValues();
        const QString ignoredMark = QCoreApplication::translate("CommandLine", "（已忽略）");
        for (const Finding &f : findings)
            writeLine(stdout, severityName(f.severity) + QLatin1Char('[') + f.tag +
                                  QStringLiteral("] ") + f.field + QStringLiteral(": ") +
                                  printable(f.message) + (f.ignored ? ignoredMark : QString()));
        writeLine(stdout, printable(verdict));
    }

    // What is being checked, one line a value, each cut to the width of
    // the terminal: `field: value (source)`.
    void printValues() const
    {
        const int width = outputWidth();
        const auto line = [width](const char *field, const QString &value, ValueSource source,
                                  const QString &theme = QString()) {
            QString text = QString::fromLatin1(field) + QLatin1Char(':');
            if (!value.isEmpty())
                text += QLatin1Char(' ') + printable(oneLine(value));
            QString name = valueSourceName(source);
            if (!theme.isEmpty())
                name += QStringLiteral(", theme ") + printable(theme);
            if (!name.isEmpty())
                text += QStringLiteral(" (") + name + QLatin1Char(')');
            writeLine(stdout, shortened(text, width));
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

    void printJson() const
    {
        QJsonArray list;
        for (const Finding &f : findings) {
            QJsonObject finding{{QStringLiteral("tag"), f.tag},
                                {QStringLiteral("severity"), severityName(f.severity)},
                                {QStringLiteral("field"), f.field},
                                {QStringLiteral("message"), f.message},
                                {QStringLiteral("ignored"), f.ignored}};
            if (!f.measured.isEmpty())
                finding.insert(QStringLiteral("measured"), f.measured);
            if (!f.limit.isEmpty())
                finding.insert(QStringLiteral("limit"), f.limit);
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
        writeOut(escapedJson(QJsonDocument(document).toJson(QJsonDocument::Indented)));
    }

    const Options &options;
};

// Runs one command once its options are read, as jobs under the event loop:
// the prefill, the check, the pack and the compression. A stop by SIGINT,
// SIGTERM or SIGHUP kills the job that runs, which cleans up after itself.
class SubmissionRun : public QObject
{
public:
    explicit SubmissionRun(const Options &options)
        : options(options)
        , report(options)
        , progress(!options.json && ::isatty(STDERR_FILENO) == 1)
    {
        connect(&termination, &TerminationSignals::received, this, [this](int signalNumber) {
            if (stoppedBy == 0)
                stoppedBy = signalNumber;
            if (current)
                current->kill();
        });
    }

    void start()
    {
        const QFileInfo info(options.package);
        if (!info.isFile()) {
            facts = packageFacts(options.package, PackageMetadata(), EarlierBundle());
            report.values =
                chooseValues(options.given, EarlierBundle(), PackageMetadata(), QString());
            return check();
        }
        PrefillRequest request;
        request.given = options.given;
        request.desktopDir = options.desktop;
        request.languages = metadataLanguages(prefersEnglish(QLocale::system()));
        request.companions = options.companions;
        request.fromPackageAndBundle = !options.noPrefill;
        auto *job = new PrefillJob(request, this);
        run(job, [this, job] { prefilled(job->result()); });
    }

private:
    // Starts `job`, its progress on the line, and `next` once it has ended.
    void run(Job *job, const std::function<void()> &next)
    {
        current = job;
        connect(job, &Job::progress, this, [this](const QString &step, qint64 done, qint64 total) {
            progress.show(step, done, total);
        });
        connect(job, &Job::finished, this, [this, job, next] {
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
        facts = packageFacts(options.package, prefill.metadata, prefill.earlier);
        // What the reader's self-test proved; null when no reader ran.
        if (const ReaderConfinement &proven = facts.confinement; proven.tested) {
            report.confined = proven.proven();
            report.confinement = confinementObject(proven);
        }
        report.values = prefill.values;
        check();
    }

    void check()
    {
        report.findings = checkSubmission(report.values, facts);
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
        const auto stopping = std::count_if(
            report.findings.cbegin(), report.findings.cend(),
            [](const Finding &finding) { return stopsPack(finding, Face::CommandLine); });
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
        auto *job = new PackJob({submission, v.logo.value, options.desktop, kToolTimeoutMs}, this);
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
        auto *job = new CompressJob(options.desktop, submission.pkgName, kToolTimeoutMs, this);
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

    void end(int status)
    {
        report.print();
        QCoreApplication::exit(status);
    }

    const Options &options;
    Report report;
    ProgressLine progress;
    TerminationSignals termination{{SIGINT, SIGTERM, SIGHUP}};
    Job *current = nullptr;
    int stoppedBy = 0;
    PackageFacts facts;
    Submission submission;
};

} // namespace

bool isSubmissionCommand(const QString &firstArgument)
{
    return firstArgument == QLatin1String("pack") || firstArgument == QLatin1String("check");
}

int runSubmissionCommand(const QStringList &arguments)
{
    Options options;
    const int ended = parseOptions(arguments, options);
    if (ended >= 0)
        return ended;
    SubmissionRun run(options);
    QTimer::singleShot(0, &run, &SubmissionRun::start);
    return QCoreApplication::exec();
}
