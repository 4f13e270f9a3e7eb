// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "package/readerselftest.h"

#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMutex>
#include <QMutexLocker>
#include <QStringList>

namespace {

// Each attempt a child making it and ending; a loaded machine still does
// them in well under a second.
constexpr int kSelfTestTimeoutMs = 20000;
constexpr qint64 kSelfTestAnswerCap = 4096;

// Every way out the self-test must see refused for the reader to count as
// confined.
const QStringList kWaysOut = {QStringLiteral("open"), QStringLiteral("socket"),
                              QStringLiteral("connect"), QStringLiteral("exec")};

QMutex provenLock;
QHash<QString, ReaderConfinement> proven;

} // namespace

bool ReaderConfinement::proven() const
{
    if (!answered || landlockAbi < 1 || !seccomp)
        return false;
    for (const QString &way : kWaysOut) {
        bool refused = false;
        for (const ConfinementAttempt &attempt : attempts)
            refused = refused || (attempt.name == way && attempt.refused);
        if (!refused)
            return false;
    }
    return true;
}

ToolCommand readerSelfTestCommand(const QString &program)
{
    ToolCommand command;
    command.program = program;
    command.arguments = QStringList{QStringLiteral("--self-test")};
    command.emptyEnvironment = true;
    command.timeoutMs = kSelfTestTimeoutMs;
    command.outputCap = kSelfTestAnswerCap;
    return command;
}

ReaderConfinement readerSelfTestResult(const ToolResult &result)
{
    ReaderConfinement confinement;
    confinement.tested = true;
    if (!result.succeeded())
        return confinement;
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(result.standardOutput, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return confinement;
    const QJsonObject object = document.object();
    const QJsonArray attempts = object.value(QLatin1String("attempts")).toArray();
    if (attempts.size() > kWaysOut.size())
        return confinement;
    for (const QJsonValue &value : attempts) {
        const QJsonObject attempt = value.toObject();
        const QString name = attempt.value(QLatin1String("attempt")).toString();
        if (!kWaysOut.contains(name))
            return confinement;
        confinement.attempts.append(
            ConfinementAttempt{name, attempt.value(QLatin1String("refused")).toBool(),
                               attempt.value(QLatin1String("outcome")).toString().left(64)});
    }
    confinement.landlockAbi = qBound(0, object.value(QLatin1String("landlockAbi")).toInt(), 63);
    confinement.seccomp = object.value(QLatin1String("seccomp")).toBool();
    confinement.answered = true;
    return confinement;
}

bool knownConfinement(const QString &program, ReaderConfinement *confinement)
{
    const QMutexLocker locker(&provenLock);
    const auto found = proven.constFind(program);
    if (found == proven.constEnd())
        return false;
    *confinement = *found;
    return true;
}

void rememberConfinement(const QString &program, const ReaderConfinement &confinement)
{
    const QMutexLocker locker(&provenLock);
    proven.insert(program, confinement);
}
