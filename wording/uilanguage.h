// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PLINVEX_UILANGUAGE_H
#define PLINVEX_UILANGUAGE_H

class QCoreApplication;
class QLocale;

// True when the user's first user-interface language is English. The texts
// are written in Chinese, and Chinese stays for every other language, C included.
bool prefersEnglish(const QLocale &locale);

// Installs into `app` what the window needs to speak the system locale's
// choice: the English translation, or Qt's own Chinese texts so that file
// choosers and message boxes speak the window's language.
void installTranslations(QCoreApplication &app);

#endif
