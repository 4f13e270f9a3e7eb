// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/terminationsignals.h"

#include <QSocketNotifier>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>
#include <utility>

namespace {

// The handler may only do async-signal-safe work: it writes the signal's
// number as one byte that the event loop then reads.
int signalPipe[2] = {-1, -1};

void onTerminationSignal(int signalNumber)
{
    // The interrupted code may be about to read errno.
    const int savedErrno = errno;
    const auto byte = static_cast<unsigned char>(signalNumber);
    // Never blocks: should the event loop stand still with the socket
    // full, the signals already waiting there say enough.
    [[maybe_unused]] const ssize_t written = ::write(signalPipe[0], &byte, 1);
    errno = savedErrno;
}

bool setNonBlocking(int fd)
{
    const int flags = ::fcntl(fd, F_GETFL);
    return flags != -1 && ::fcntl(fd, F_SETFL, flags | O_NONBLOCK) == 0;
}

} // namespace

TerminationSignals::TerminationSignals(std::initializer_list<int> signalNumbers, QObject *parent)
    : QObject(parent)
{
    if (signalPipe[0] != -1 ||
        ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalPipe) != 0)
        return;
    if (!setNonBlocking(signalPipe[0]) || !setNonBlocking(signalPipe[1])) {
        ::close(signalPipe[0]);
        ::close(signalPipe[1]);
        signalPipe[0] = signalPipe[1] = -1;
        return;
    }
    notifier = new QSocketNotifier(signalPipe[1], QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, [this] {
        unsigned char bytes[64];
        ssize_t count = 0;
        while ((count = ::read(signalPipe[1], bytes, sizeof bytes)) > 0) {
            for (ssize_t i = 0; i < count; ++i)
                emit received(int(bytes[i]));
        }
    });
    struct sigaction action = {};
    action.sa_handler = onTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int number : signalNumbers) {
        const bool already = std::any_of(caught.cbegin(), caught.cend(),
                                         [number](const Caught &c) { return c.number == number; });
        Caught signal = {number, {}};
        if (already)
            continue;
        if (sigaction(number, nullptr, &signal.earlier) != 0 ||
            signal.earlier.sa_handler == SIG_IGN)
            continue;
        if (sigaction(number, &action, nullptr) == 0)
            caught.append(signal);
    }
}

TerminationSignals::~TerminationSignals()
{
    if (!notifier)
        return;
    for (const Caught &signal : std::as_const(caught))
        sigaction(signal.number, &signal.earlier, nullptr);
    delete notifier;
    ::close(signalPipe[0]);
    ::close(signalPipe[1]);
    signalPipe[0] = signalPipe[1] = -1;
}
