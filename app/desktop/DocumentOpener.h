// Opens a file with the desktop's default application, and says when that could not be done.
// On Linux that is xdg-open, found on the PATH: it may be missing, or find nothing that opens the
// file and end in failure. Some openers wait for the viewer they started, so each one is watched
// from the message loop until it ends, and only an opener that failed is reported.
#pragma once

#include <juce_events/juce_events.h>

#include <functional>
#include <vector>

class DocumentOpener : private juce::Timer
{
public:
    // failed runs on the message thread with the file that could not be opened.
    explicit DocumentOpener (std::function<void (const juce::File&)> failed);
    ~DocumentOpener() override;

    void open (const juce::File& file);

    // Whether an opener started here is still running.
    bool isWatching() const { return ! running.empty(); }

private:
    struct Opener
    {
        int processId;
        juce::File file;
    };

    void timerCallback() override;

    std::function<void (const juce::File&)> failed;
    std::vector<Opener> running;

    JUCE_DECLARE_NON_COPYABLE (DocumentOpener)
};
