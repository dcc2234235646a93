#include "app/desktop/DocumentOpener.h"

#if JUCE_LINUX || JUCE_BSD
#include <spawn.h>
#include <sys/wait.h>

extern char** environ;
#endif

DocumentOpener::DocumentOpener (std::function<void (const juce::File&)> onFailure)
    : failed (std::move (onFailure))
{
}

// Openers still running are left to go on: the viewer they started is the user's.
DocumentOpener::~DocumentOpener() { stopTimer(); }

void DocumentOpener::open (const juce::File& file)
{
#if JUCE_LINUX || JUCE_BSD
    // Spawned rather than forked: nothing of this program runs in the child, whatever its other
    // threads hold. A missing opener is known at once.
    const auto path = file.getFullPathName();
    const char* const arguments[] = { "xdg-open", path.toRawUTF8(), nullptr };

    posix_spawnattr_t attributes;
    posix_spawnattr_init (&attributes);
#ifdef POSIX_SPAWN_SETSID
    // A session of its own: the viewer outlives a Ctrl+C in the terminal that started this program.
    posix_spawnattr_setflags (&attributes, POSIX_SPAWN_SETSID);
#endif
    pid_t processId = 0;
    const int error = posix_spawnp (&processId, arguments[0], nullptr, &attributes,
                                    const_cast<char* const*> (arguments), environ);
    posix_spawnattr_destroy (&attributes);

    if (error != 0)
    {
        failed (file);
        return;
    }

    running.push_back ({ processId, file });
    startTimer (100);
#else
    if (! file.startAsProcess())
        failed (file);
#endif
}

void DocumentOpener::timerCallback()
{
#if JUCE_LINUX || JUCE_BSD
    std::vector<juce::File> failures;

    for (auto opener = running.begin(); opener != running.end();)
    {
        int status = 0;
        const auto ended = waitpid (opener->processId, &status, WNOHANG);
        if (ended == 0)
        {
            ++opener;
            continue;
        }

        if (ended > 0 && WIFEXITED (status) && WEXITSTATUS (status) != 0)
            failures.push_back (opener->file);
        opener = running.erase (opener);
    }

    if (running.empty())
        stopTimer();

    for (auto& file : failures)
        failed (file);
#endif
}
