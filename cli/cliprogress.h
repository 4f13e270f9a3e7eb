// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PLINVEX_CLIPROGRESS_H
#define PLINVEX_CLIPROGRESS_H

#include <QObject>
#include <QString>
#include <QTimer>

struct ToolResult;

// One line on standard error that a long pack keeps rewriting: the bytes of
// the package copy, then the scalings done, then the members compressed.
// Silent unless enabled, so scripts and pipes see nothing of it.
class ProgressLine : public QObject
{
public:
    explicit ProgressLine(bool enabled, QObject *parent = nullptr);
    ~ProgressLine() override;
    ProgressLine(const ProgressLine &) = delete;
    ProgressLine &operator=(const ProgressLine &) = delete;

    // A pack of the package at `debPath` with `images` pictures to scale
    // begins beneath `desktopDir`.
    void startPack(const QString &desktopDir, const QString &pkgName, const QString &debPath,
                   int images);
    void toolSucceeded(const ToolResult &result);
    // A compression of the bundle folder begins.
    void startCompression(const QString &bundleDir);
    void output(const QByteArray &listing);
    // Takes the line away again.
    void finish();

private:
    void poll();
    void show(const QString &text);

    bool enabled;
    QTimer timer;
    QString desktopDir;
    QString stagingPrefix;
    QString packageName;
    qint64 packageSize = 0;
    int imagesTotal = 0;
    int imagesDone = 0;
    int membersTotal = 0;
    int membersDone = 0;
    bool compressing = false;
    bool shown = false;
};

#endif
