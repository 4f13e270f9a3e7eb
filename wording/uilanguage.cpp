// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "wording/uilanguage.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QStringList>
#include <QTranslator>

// The translations live in the library; a static library needs them pulled in by name.
static void initPlinvexTranslations()
{
    Q_INIT_RESOURCE(plinvex_translations);
}

namespace {

QString qtTranslationsPath()
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath);
#else
    return QLibraryInfo::location(QLibraryInfo::TranslationsPath);
#endif
}

// A translator owned by the application; a missing file leaves the source texts.
void installTranslator(QCoreApplication &app, const QString &fileName, const QString &folder)
{
    auto *translator = new QTranslator(&app);
    if (translator->load(fileName, folder))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

} // namespace

bool prefersEnglish(const QLocale &locale)
{
    const QStringList languages = locale.uiLanguages();
    return !languages.isEmpty() && QLocale(languages.first()).language() == QLocale::English;
}

void installTranslations(QCoreApplication &app)
{
    initPlinvexTranslations();
    // Qt's own texts are English already; the window's are Chinese already.
    if (prefersEnglish(QLocale::system()))
        installTranslator(app, QStringLiteral("plinvex_en"), QStringLiteral(":/translations"));
    else
        installTranslator(app, QStringLiteral("qtbase_zh_CN"), qtTranslationsPath());
}
