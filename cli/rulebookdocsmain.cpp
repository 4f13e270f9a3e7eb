// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes the documentation's tables of findings from the rule book, in
// English as the README and the man page are written:
//   plinvex-rulebook-docs markdown OUT     the README's table alone
//   plinvex-rulebook-docs man IN OUT       the man page with its lists filled in
//   plinvex-rulebook-docs readme README    the README's table replaced in place

#include "cli/rulebookdocs.h"

#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>
#include <QTranslator>

#include <cstdio>

namespace {

QString readText(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

bool writeText(const QString &path, const QString &text)
{
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text.toUtf8()) >= 0 && file.commit();
}

int fail(const QString &message)
{
    std::fprintf(stderr, "plinvex-rulebook-docs: %s\n", message.toUtf8().constData());
    return 1;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    Q_INIT_RESOURCE(plinvex_translations);
    QTranslator english;
    if (!english.load(QStringLiteral("plinvex_en"), QStringLiteral(":/translations")))
        return fail(QStringLiteral("the English translation is missing"));
    QCoreApplication::installTranslator(&english);

    const QStringList arguments = QCoreApplication::arguments().mid(1);
    const QString mode = arguments.value(0);
    if (mode == QLatin1String("markdown") && arguments.size() == 2)
        return writeText(arguments.at(1), findingsMarkdownTable())
                   ? 0
                   : fail(QStringLiteral("cannot write ") + arguments.at(1));
    if (mode == QLatin1String("man") && arguments.size() == 3) {
        const QString page = readText(arguments.at(1));
        if (page.isEmpty())
            return fail(QStringLiteral("cannot read ") + arguments.at(1));
        return writeText(arguments.at(2), withFindingsLists(page))
                   ? 0
                   : fail(QStringLiteral("cannot write ") + arguments.at(2));
    }
    if (mode == QLatin1String("readme") && arguments.size() == 2) {
        const QString readme =
            withFindingsTable(readText(arguments.at(1)), findingsMarkdownTable());
        if (readme.isEmpty())
            return fail(arguments.at(1) + QStringLiteral(" has no findings table markers"));
        return writeText(arguments.at(1), readme)
                   ? 0
                   : fail(QStringLiteral("cannot write ") + arguments.at(1));
    }
    return fail(QStringLiteral("usage: markdown OUT | man PAGE.in OUT | readme README.md"));
}
