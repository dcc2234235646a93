#include "app/windows/midisetup/MidiSetupWindow.h"

#include "app/QRX5EditorApplication.h"
#include "ui/EditorStrings.h"

MidiSetupWindow::MidiSetupWindow (MidiSetupComponent::Ptr content, MidiManager::Ptr manager)
    : WindowWithKeyboardFocus (EditorStrings::midiSetupTitle, juce::Colours::black,
                               juce::DocumentWindow::minimiseButton | juce::DocumentWindow::closeButton,
                               false)
    , component (std::move (content))
    , midiManager (std::move (manager))
{
    setUsingNativeTitleBar (true);
    setContentNonOwned (component.get(), true);

    for (auto* button : component->getButtons())
        button->addListener (this);

    centreWithSize (getWidth(), getHeight());
}

MidiSetupWindow::~MidiSetupWindow()
{
    for (auto* button : component->getButtons())
        button->removeListener (this);

    clearContentComponent();
}

void MidiSetupWindow::buttonClicked (juce::Button* button)
{
    const auto name = button->getName();

    if (name == EditorStrings::applyButton || name == EditorStrings::okButton)
    {
        midiManager->closeAllOutputs();
        midiManager->closeAllInputs();
        // With nothing picked that direction stays without a port, even if some port has no name.
        if (const auto input = component->getSelectedInputName(); input.isNotEmpty())
            midiManager->openInputDevice (input);

        if (const auto output = component->getSelectedOutputName(); output.isNotEmpty())
            midiManager->openOutputDevice (output);
    }

    if (name == EditorStrings::okButton || name == EditorStrings::cancelButton)
        closeButtonPressed(); // may delete this window
}

void MidiSetupWindow::closeButtonPressed()
{
    if (auto* app = QRX5EditorApplication::getApp())
        app->closeMidiSetupWindow();
}
