// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PLINVEX_PACKAGEREADING_H
#define PLINVEX_PACKAGEREADING_H

#include "package/packagemetadata.h"
#include "tools/toolrunner.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>

class QThread;

// Reads a package's metadata in the confined reader, waited for on a thread
// of its own, so the window stays the packager's while a large package is
// read. Only the latest reading reports; one called off never does, and its
// reader is stopped at once.
class PackageReading : public QObject
{
    Q_OBJECT

public:
    explicit PackageReading(QObject *parent = nullptr);
    // Calls off what runs and waits for its thread, which stops at once.
    ~PackageReading() override;

    // Starts reading `debPath`, calling off an earlier reading first.
    void start(const QString &debPath, const QStringList &languages);
    void callOff();
    bool isRunning() const { return current != nullptr; }

signals:
    void finished(const PackageMetadata &metadata);

private:
    struct Run
    {
        QThread *thread = nullptr;
        Cancellation cancellation;
        PackageMetadata metadata;
    };
    void report(Run *run);

    std::shared_ptr<Run> current;
    QList<std::shared_ptr<Run>> running;
};

#endif
