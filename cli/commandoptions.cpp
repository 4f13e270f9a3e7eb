// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/commandoptions.h"

#include "bundle/desktopfolder.h"
#include "cli/commandoutput.h"
#include "cli/explaincommand.h"
#include "cli/submissioncommand.h"
#include "engine/checkfindings.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QThread>

#include <cstdio>
#include <initializer_list>

namespace {

// Which commands take an option.
enum Commands { Pack = 1, Check = 2, Both = Pack | Check };

// One option of `pack` and `check`: its name, the name of its value (none
// for a switch), what it does in the "CommandLine" context, and who takes it.
struct OptionRow
{
    const char *name;
    const char *valueName;
    const char *description;
    int commands;
};

// Every option, in the order --help lists them.
const OptionRow kOptions[] = {
    {"name", "TEXT", QT_TRANSLATE_NOOP("CommandLine", "商店里显示的名字"), Both},
    {"author", "TEXT", QT_TRANSLATE_NOOP("CommandLine", "软件的作者"), Both},
    {"homepage", "URL", QT_TRANSLATE_NOOP("CommandLine", "软件的主页"), Both},
    {"contributor", "TEXT", QT_TRANSLATE_NOOP("CommandLine", "投稿人，也就是你自己"), Both},
    {"description", "TEXT", QT_TRANSLATE_NOOP("CommandLine", "软件的简介"), Both},
    {"description-file", "FILE", QT_TRANSLATE_NOOP("CommandLine", "从文件读简介；- 表示标准输入"),
     Both},
    {"logo", "FILE", QT_TRANSLATE_NOOP("CommandLine", "Logo 图片（PNG、JPEG 或 GIF）"), Both},
    {"screenshot", "FILE", QT_TRANSLATE_NOOP("CommandLine", "一张截图；可以给多次，按给的顺序排"),
     Both},
    {"pkgname", "TEXT", QT_TRANSLATE_NOOP("CommandLine", "包名，代替安装包自己的"), Both},
    {"version", "TEXT", QT_TRANSLATE_NOOP("CommandLine", "版本号，代替安装包自己的"), Both},
    {"desktop", "DIR", QT_TRANSLATE_NOOP("CommandLine", "投稿文件夹和压缩包放在哪里；默认是桌面"),
     Both},
    {"no-prefill", nullptr,
     QT_TRANSLATE_NOOP("CommandLine", "不从之前的投稿文件夹和安装包的信息里取任何值"), Both},
    {"format", "FORMAT",
     QT_TRANSLATE_NOOP("CommandLine", "输出格式：text、json、jsonl、sarif 或 github"), Both},
    {"ignore", "TAG", QT_TRANSLATE_NOOP("CommandLine", "这一项检查的结果不算数；可以给多次"), Both},
    {"companion", "FILE.deb",
     QT_TRANSLATE_NOOP("CommandLine", "安装包缺的图标和信息也到这个包里找；可以给多次"), Both},
    {"require-confined", nullptr,
     QT_TRANSLATE_NOOP("CommandLine", "读安装包的程序没能把自己关起来就算错误"), Both},
    {"compress", nullptr, QT_TRANSLATE_NOOP("CommandLine", "打包后再压缩成 <包名>.tar.gz"), Pack},
    {"strict", nullptr, QT_TRANSLATE_NOOP("CommandLine", "有警告也算没通过"), Check},
    {"jobs", "N", QT_TRANSLATE_NOOP("CommandLine", "同时检查几个输入；默认是处理器的核数"), Check},
    {"explain", nullptr,
     QT_TRANSLATE_NOOP("CommandLine", "说明检查项 TAG（写在安装包的位置）；不给就列出所有检查项"),
     Check},
};

const struct
{
    const char *name;
    OutputFormat format;
} kFormats[] = {
    {"text", OutputFormat::Text},     {"json", OutputFormat::Json},
    {"jsonl", OutputFormat::Jsonl},   {"sarif", OutputFormat::Sarif},
    {"github", OutputFormat::Github},
};

QString name(const char *latin1)
{
    return QString::fromLatin1(latin1);
}

bool isSet(const QCommandLineParser &parser, const char *option)
{
    return parser.isSet(name(option));
}

QString value(const QCommandLineParser &parser, const char *option)
{
    return parser.value(name(option));
}

int usageError(const Options &options, const QString &message)
{
    writeLine(stderr, QCoreApplication::applicationName() + QStringLiteral(" ") + options.command +
                          QStringLiteral(": ") + message);
    writeLine(stderr, QCoreApplication::translate("CommandLine", "试试“plinvex %1 --help”。")
                          .arg(options.command));
    return CommandUsageError;
}

void describe(QCommandLineParser &parser, bool pack)
{
    parser.setApplicationDescription(
        pack ? QCoreApplication::translate("CommandLine",
                                           "检查一份投稿，没有错误就在桌面上打包成 <包名> 文件夹。")
             : QCoreApplication::translate("CommandLine",
                                           "一次找出每份投稿的所有问题，什么也不打包。"));
    parser.addHelpOption();
    const int command = pack ? Pack : Check;
    for (const OptionRow &row : kOptions) {
        if ((row.commands & command) == 0)
            continue;
        QCommandLineOption option(name(row.name),
                                  QCoreApplication::translate("CommandLine", row.description));
        if (row.valueName)
            option.setValueName(name(row.valueName));
        parser.addOption(option);
    }
    if (pack)
        parser.addPositionalArgument(
            QStringLiteral("PACKAGE.deb"),
            QCoreApplication::translate("CommandLine", "要投稿的 deb 安装包"));
    else
        parser.addPositionalArgument(
            QStringLiteral("INPUT..."),
            QCoreApplication::translate(
                "CommandLine", "要检查的 deb 安装包、投稿文件夹或它的 .tar.gz；可以给多个"));
}

// Qt names the program only; the command belongs beside it.
int showHelp(const QCommandLineParser &parser, const QString &program, const QString &command)
{
    QString help = parser.helpText();
    const int at = help.indexOf(program);
    if (at >= 0)
        help.insert(at + program.size(), QLatin1Char(' ') + command);
    writeOut(help.toUtf8());
    return CommandSucceeded;
}

// Each step reads one part of the command line into the options: -1 to go
// on, else the status the command ends with.
// `--explain` checks nothing: the tag it explains stands where an input
// would, and none lists every rule.
int readExplain(const QCommandLineParser &parser, Options &options)
{
    if (options.pack || !isSet(parser, "explain"))
        return -1;
    QString problem;
    const int status = explainRules(parser.positionalArguments(), &problem);
    return problem.isEmpty() ? status : usageError(options, problem);
}

int readInputs(const QCommandLineParser &parser, Options &options)
{
    const QStringList positional = parser.positionalArguments();
    if (positional.isEmpty())
        return usageError(options, QCoreApplication::translate("CommandLine", "缺少安装包"));
    if (options.pack && positional.size() > 1)
        return usageError(options, QCoreApplication::translate("CommandLine", "多余的参数：%1")
                                       .arg(positional.mid(1).join(QLatin1Char(' '))));
    options.inputs = positional;
    return -1;
}

int readFormat(const QCommandLineParser &parser, Options &options)
{
    const QString format = value(parser, "format");
    if (format.isEmpty())
        return -1;
    for (const auto &known : kFormats) {
        if (format == QLatin1String(known.name)) {
            options.format = known.format;
            return -1;
        }
    }
    return usageError(
        options, QCoreApplication::translate("CommandLine", "不认识的输出格式：%1").arg(format));
}

int readIgnored(const QCommandLineParser &parser, Options &options)
{
    for (const QString &tag : parser.values(QStringLiteral("ignore"))) {
        if (!knownFindingTags().contains(tag))
            return usageError(options,
                              QCoreApplication::translate("CommandLine", "不认识的检查项：%1")
                                  .arg(printable(tag)));
        options.ignored.insert(tag);
    }
    return -1;
}

int readJobs(const QCommandLineParser &parser, Options &options)
{
    options.jobs = qMax(1, QThread::idealThreadCount());
    if (options.pack || !isSet(parser, "jobs"))
        return -1;
    const QString text = value(parser, "jobs");
    bool number = false;
    const int jobs = text.toInt(&number);
    if (!number || jobs < 1)
        return usageError(
            options, QCoreApplication::translate("CommandLine", "--jobs 要一个不小于 1 的整数：%1")
                         .arg(printable(text)));
    options.jobs = jobs;
    return -1;
}

int readPlaces(const QCommandLineParser &parser, Options &options)
{
    for (const QString &companion : parser.values(QStringLiteral("companion")))
        options.companions << absolute(companion);
    options.desktop = isSet(parser, "desktop") ? absolute(value(parser, "desktop")) : desktopPath();
    return -1;
}

int readGivenValues(const QCommandLineParser &parser, Options &options)
{
    SubmissionValues &g = options.given;
    g.name = given(value(parser, "name"));
    g.author = given(value(parser, "author"));
    g.homepage = given(value(parser, "homepage"));
    g.contributor = given(value(parser, "contributor"));
    g.pkgName = given(value(parser, "pkgname"));
    g.version = given(value(parser, "version"));
    g.logo = given(absolute(value(parser, "logo")));
    for (const QString &screenshot : parser.values(QStringLiteral("screenshot")))
        g.screenshots << absolute(screenshot);
    if (!g.screenshots.isEmpty())
        g.screenshotsSource = ValueSource::Given;
    return -1;
}

int readDescription(const QCommandLineParser &parser, Options &options)
{
    if (!isSet(parser, "description-file")) {
        options.given.description = given(value(parser, "description"));
        return -1;
    }
    if (isSet(parser, "description"))
        return usageError(
            options, QCoreApplication::translate("CommandLine",
                                                 "--description 和 --description-file 只能给一个"));
    const QString path = value(parser, "description-file");
    QFile file;
    const bool opened = path == QLatin1String("-")
                            ? file.open(stdin, QIODevice::ReadOnly)
                            : (file.setFileName(path), file.open(QIODevice::ReadOnly));
    if (!opened)
        return usageError(
            options, QCoreApplication::translate("CommandLine", "读不了简介文件：%1").arg(path));
    QString text = QString::fromUtf8(file.readAll());
    // A byte order mark some editors put first marks the encoding, not text.
    if (text.startsWith(QChar(0xfeff)))
        text.remove(0, 1);
    options.given.description = given(text);
    return -1;
}

int readSwitches(const QCommandLineParser &parser, Options &options)
{
    options.noPrefill = isSet(parser, "no-prefill");
    options.strict = !options.pack && isSet(parser, "strict");
    options.requireConfined = isSet(parser, "require-confined");
    options.compress = options.pack && isSet(parser, "compress");
    return -1;
}

} // namespace

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

int parseOptions(const QStringList &arguments, Options &options)
{
    options.command = arguments.value(1);
    options.pack = options.command == QLatin1String("pack");
    QCommandLineParser parser;
    describe(parser, options.pack);
    QStringList rest = arguments;
    rest.removeAt(1);
    if (!parser.parse(rest))
        return usageError(options, parser.errorText());
    if (parser.isSet(QStringLiteral("help")))
        return showHelp(parser, arguments.first(), options.command);
    // A step that may end the command before any input is needed goes
    // before readInputs.
    using Step = int (*)(const QCommandLineParser &, Options &);
    for (const Step step : {readExplain, readInputs, readFormat, readIgnored, readJobs, readPlaces,
                            readGivenValues, readDescription, readSwitches}) {
        const int ended = step(parser, options);
        if (ended >= 0)
            return ended;
    }
    return -1;
}
