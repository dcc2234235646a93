// The yardstick for the editor's start-up: a JUCE application that does nothing but show one
// window of the editor's size, built with the same compiler, flags and JUCE library.
#include <juce_gui_basics/juce_gui_basics.h>

namespace
{
class BareWindowApplication : public juce::JUCEApplication
{
public:
    const juce::String getApplicationName() override { return "Bare Window"; }
    const juce::String getApplicationVersion() override { return "1.0"; }

    void initialise (const juce::String&) override
    {
        window = std::make_unique<juce::DocumentWindow> ("Bare Window", juce::Colours::darkgrey,
                                                         juce::DocumentWindow::allButtons);
        window->setUsingNativeTitleBar (true);
        window->setResizable (false, false);
        window->centreWithSize (940, 721);
        window->setVisible (true);
    }

    void shutdown() override { window.reset(); }

private:
    std::unique_ptr<juce::DocumentWindow> window;
};
} // namespace

START_JUCE_APPLICATION (BareWindowApplication)
