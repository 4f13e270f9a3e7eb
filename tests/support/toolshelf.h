// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PLINVEX_TOOLSHELF_H
#define PLINVEX_TOOLSHELF_H

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A folder that stands in for the whole search path while it is in use:
// links to the real tools, with single tools taken away or replaced by fakes.
class ToolShelf
{
public:
    // The tools packing and compressing run, and what they run themselves.
    static QStringList packingTools();

    explicit ToolShelf(const QStringList &realTools = packingTools());
    ~ToolShelf();
    ToolShelf(const ToolShelf &) = delete;
    ToolShelf &operator=(const ToolShelf &) = delete;

    // False when a named real tool could not be found or linked.
    bool isComplete() const { return complete; }
    QString path() const { return dir.path(); }

    // Puts a shell script in place of a tool.
    bool fake(const QString &tool, const QByteArray &body);
    // Puts in place of a tool a script that runs `first` and then never ends
    // on its own.
    bool fakeHanging(const QString &tool, const QByteArray &first = QByteArray());
    // True once that hanging tool has run `first` and is waiting.
    bool hangingToolStarted(const QString &tool) const;
    // True once that hanging tool was started and is gone again.
    bool hangingToolEnded(const QString &tool) const;
    // Takes a tool away, so that it cannot be found.
    bool remove(const QString &tool);
    // Puts the real tool back.
    bool restore(const QString &tool);

    // PATH names this folder only, until putBack() or destruction.
    void use();
    void putBack();

private:
    QTemporaryDir dir;
    bool complete = true;
    bool inUse = false;
    QByteArray previousPath;
};

#endif
