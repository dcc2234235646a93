// The window in which the user picks the one MIDI input and the one MIDI output to talk to.
// "Apply" and "OK" close every open port and open the picked ones by name; "OK" and "Cancel"
// then close the window, as its close button does. The choice lives only in the MIDI manager.
#pragma once

#include "app/desktop/WindowWithKeyboardFocus.h"
#include "app/windows/midisetup/MidiSetupComponent.h"

class MidiSetupWindow : public WindowWithKeyboardFocus<juce::DocumentWindow>,
                        public juce::Button::Listener,
                        public juce::ReferenceCountedObject
{
public:
    using Ptr = juce::ReferenceCountedObjectPtr<MidiSetupWindow>;

    // Shows the content without owning it and listens to its three buttons; not yet on the desktop.
    MidiSetupWindow (MidiSetupComponent::Ptr content, MidiManager::Ptr manager);
    ~MidiSetupWindow() override;

    void buttonClicked (juce::Button* button) override;

    // Asks the application to let go of the window.
    void closeButtonPressed() override;

private:
    MidiSetupComponent::Ptr component;
    MidiManager::Ptr midiManager;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (MidiSetupWindow)
};
