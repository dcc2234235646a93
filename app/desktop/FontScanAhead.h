// JUCE's list of the system's fonts is built the first time any text is measured or drawn, by
// opening every font file in every font folder; that scan is the largest single cost of starting
// the program. FontScanAhead runs it on a thread of its own from the program's first moment, so
// it overlaps connecting to the display and decoding the pictures, and holds every font lookup of
// the program until the scan is done. It does so as the default look and feel (JUCE's own look,
// unchanged), which every font lookup asks for its typeface.
#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

#include <thread>

class FontScanAhead : public juce::LookAndFeel_V4
{
public:
    // Starts the scan and becomes the default look and feel. Message thread only.
    FontScanAhead();
    // Gives the default look back and waits for the scan.
    ~FontScanAhead() override;

    juce::Typeface::Ptr getTypefaceForFont (const juce::Font& font) override;

private:
    juce::WaitableEvent scanned{ true };
    std::thread scan;
    juce::LookAndFeel* previousDefault = nullptr;

    JUCE_DECLARE_NON_COPYABLE (FontScanAhead)
};
