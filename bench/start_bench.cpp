// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Starts programs on an X display and times each from exec until its first
// top-level window is mapped, read from the display's own map notifications;
// then, once the program has idled, its resident memory.
//
//   plinvex_start_bench RUNS IDLE_MS NAME=PROGRAM...
//
// The programs run in turn, RUNS rounds, so a change in machine load hits all
// alike. Prints each program's median time and memory.
#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

struct Program
{
    std::string name;
    std::string path;
    std::vector<double> startMs;
    std::vector<double> rssMiB;
};

long windowPid(Display *display, Window window)
{
    const Atom pidAtom = XInternAtom(display, "_NET_WM_PID", False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char *data = nullptr;
    long pid = -1;
    if (XGetWindowProperty(display, window, pidAtom, 0, 1, False, XA_CARDINAL, &type, &format,
                           &count, &after, &data) == Success &&
        data && count == 1 && format == 32)
        pid = static_cast<long>(*reinterpret_cast<unsigned long *>(data));
    if (data)
        XFree(data);
    return pid;
}

double residentMiB(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string key;
    while (status >> key) {
        if (key == "VmRSS:") {
            double kib = 0;
            status >> kib;
            return kib / 1024.0;
        }
    }
    return -1;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// One start: true with the time and memory when the window appeared.
bool runOnce(Display *display, Program &program, int idleMs)
{
    XSync(display, True); // drop notifications of earlier runs
    const Clock::time_point start = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        execl(program.path.c_str(), program.path.c_str(), static_cast<char *>(nullptr));
        _exit(127);
    }
    bool mapped = false;
    const Clock::time_point deadline = start + std::chrono::seconds(20);
    while (!mapped && Clock::now() < deadline) {
        while (!mapped && XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MapNotify && windowPid(display, event.xmap.window) == pid) {
                program.startMs.push_back(
                    std::chrono::duration<double, std::milli>(Clock::now() - start).count());
                mapped = true;
            }
        }
        if (!mapped)
            std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
    if (mapped) {
        std::this_thread::sleep_for(std::chrono::milliseconds(idleMs));
        program.rssMiB.push_back(residentMiB(pid));
    }
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    return mapped;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s RUNS IDLE_MS NAME=PROGRAM...\n", argv[0]);
        return 2;
    }
    const int runs = std::atoi(argv[1]);
    const int idleMs = std::atoi(argv[2]);
    std::vector<Program> programs;
    for (int i = 3; i < argc; ++i) {
        const char *eq = std::strchr(argv[i], '=');
        if (!eq)
            return 2;
        programs.push_back(
            {std::string(argv[i], static_cast<size_t>(eq - argv[i])), eq + 1, {}, {}});
    }
    Display *display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "start-bench: cannot open the display\n");
        return 1;
    }
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    for (int round = 0; round < runs; ++round) {
        for (Program &program : programs) {
            if (!runOnce(display, program, idleMs)) {
                std::fprintf(stderr, "start-bench: %s never mapped a window\n",
                             program.name.c_str());
                return 1;
            }
        }
    }
    for (const Program &program : programs)
        std::printf("%-10s start %7.1f ms   idle RSS %6.1f MiB   (median of %d)\n",
                    program.name.c_str(), median(program.startMs), median(program.rssMiB), runs);
    if (programs.size() >= 2) {
        const double ratio = median(programs[0].startMs) / median(programs[1].startMs);
        std::printf("ratio %s/%s start: %.2f\n", programs[0].name.c_str(), programs[1].name.c_str(),
                    ratio);
    }
    XCloseDisplay(display);
    return 0;
}
