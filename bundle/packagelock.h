// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PLINVEX_PACKAGELOCK_H
#define PLINVEX_PACKAGELOCK_H

#include <QObject>
#include <QString>
#include <QTimer>

// One package's work at a time, across every running Plinvex: an advisory
// lock on a hidden file of the program's own beside the bundle, held from
// before the leftover cleanup to the end of the work, so that one instance
// never takes another's staging folder for a killed run's leftover.
class PackageLock : public QObject
{
    Q_OBJECT

public:
    enum class Result {
        Held,
        // The file cannot be opened or locked (a folder at its path, no
        // desktop folder): the work must not go on unguarded, or a second
        // instance would take the first one's staging folder for a leftover.
        Unavailable,
    };

    PackageLock(const QString &desktopDir, const QString &pkgName, QObject *parent = nullptr);
    ~PackageLock() override;

    // Takes the lock as soon as no other instance holds it, without waiting
    // for it: decided() tells, once, from the event loop.
    void acquire();
    // Stops waiting; decided() does not come any more.
    void stopWaiting();

signals:
    void decided(PackageLock::Result result);

private:
    void attempt();
    void decide(Result result);

    enum class Attempt { Held, Busy, Failed };
    Attempt tryOnce();
    void release();

    const QString path;
    int fd = -1;
    bool locked = false;
    QTimer retry;
};

// <desktopDir>/.plinvex-lock-<pkgName>
QString packageLockPath(const QString &desktopDir, const QString &pkgName);

#endif
