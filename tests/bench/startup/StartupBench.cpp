// Start-up benchmark: starts each program in turn, alternating, and reports the time from exec
// to its first window being mapped and its peak resident memory.
//
//   StartupBench <runs> <label>=<program> [<label>=<program> ...]
//
// Run it alone on an X server of its own (scripts/startup-bench.sh starts one): the first
// top-level window mapped after a start is taken to be that program's. The tool holds the
// window-manager atoms made, so no window manager is needed.
#include "support/WindowManagerAtoms.h"

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <map>
#include <poll.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace
{
using Clock = std::chrono::steady_clock;

bool waitForMap (Display* display, Clock::time_point deadline)
{
    for (;;)
    {
        while (XPending (display) > 0)
        {
            XEvent event;
            XNextEvent (display, &event);
            if (event.type == MapNotify && ! event.xmap.override_redirect)
                return true;
        }
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds> (deadline - Clock::now()).count();
        if (left <= 0)
            return false;
        pollfd p{ ConnectionNumber (display), POLLIN, 0 };
        poll (&p, 1, (int)left);
    }
}

// Starts the program and answers the time to its first window, in milliseconds (negative if none
// came within 30 s), and its peak resident memory in MB.
std::pair<double, double> runOnce (Display* display, const std::string& program)
{
    XSync (display, True); // drop what earlier runs left behind
    const auto start = Clock::now();
    const pid_t child = fork();
    if (child == 0)
    {
        // What the program prints (ALSA's complaints on a machine without sound) is not ours to show.
        if (const int devNull = open ("/dev/null", O_WRONLY); devNull >= 0)
        {
            dup2 (devNull, STDOUT_FILENO);
            dup2 (devNull, STDERR_FILENO);
        }
        execl (program.c_str(), program.c_str(), (char*)nullptr);
        _exit (127);
    }
    const bool mapped = waitForMap (display, start + std::chrono::seconds (30));
    const double milliseconds = std::chrono::duration<double, std::milli> (Clock::now() - start).count();

    // Let it settle as a user would see it, then end it and read its high-water mark.
    usleep (500 * 1000);
    kill (child, SIGKILL);
    int status = 0;
    rusage usage{};
    wait4 (child, &status, 0, &usage);
    return { mapped ? milliseconds : -1, usage.ru_maxrss / 1024.0 };
}

double median (std::vector<double> values)
{
    std::sort (values.begin(), values.end());
    return values[values.size() / 2];
}
} // namespace

int main (int argc, char** argv)
{
    Display* display = XOpenDisplay (nullptr);
    if (argc < 3 || display == nullptr)
    {
        std::fprintf (stderr, "usage, on an X display: %s <runs> <label>=<program> ...\n", argv[0]);
        return 2;
    }
    internWindowManagerAtoms();
    XSelectInput (display, DefaultRootWindow (display), SubstructureNotifyMask);

    const int runs = std::max (1, std::atoi (argv[1]));
    std::vector<std::pair<std::string, std::string>> programs; // label, program
    for (int i = 2; i < argc; ++i)
    {
        const std::string arg = argv[i];
        programs.emplace_back (arg.substr (0, arg.find ('=')), arg.substr (arg.find ('=') + 1));
    }

    std::map<std::string, std::vector<double>> times, memory;
    for (int run = 0; run < runs; ++run)
        for (auto& [label, program] : programs)
        {
            const auto [milliseconds, megabytes] = runOnce (display, program);
            if (milliseconds < 0)
            {
                std::fprintf (stderr, "%s showed no window within 30 s\n", label.c_str());
                return 1;
            }
            times[label].push_back (milliseconds);
            memory[label].push_back (megabytes);
        }

    std::printf ("%-12s %8s %16s %16s\n", "program", "runs", "first map (ms)", "peak RSS (MB)");
    for (auto& [label, program] : programs)
        std::printf ("%-12s %8d %16.1f %16.1f\n", label.c_str(), runs, median (times[label]),
                     median (memory[label]));

    if (programs.size() >= 2)
    {
        const auto& base = programs.back().first;
        const auto& first = programs.front().first;
        std::printf ("%s / %s time: %.2fx, memory: %+.1f MB (medians)\n", first.c_str(), base.c_str(),
                     median (times[first]) / median (times[base]),
                     median (memory[first]) - median (memory[base]));
    }
    XCloseDisplay (display);
    return 0;
}
