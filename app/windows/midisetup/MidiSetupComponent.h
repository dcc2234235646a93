// The content of the MIDI Setup window: the input and output port lists, with the ports the
// MIDI manager has open picked, and the "OK", "Cancel" and "Apply" buttons.
#pragma once

#include "app/desktop/KeysOutlinedListBox.h"
#include "app/windows/midisetup/MidiDeviceListBoxModel.h"
#include "midi/MidiManager.h"
#include "ui/CustomLookForAuxiliaryWindows.h"
#include "ui/ReferenceCountedImageButton.h"

class MidiSetupComponent : public juce::Component, public juce::ReferenceCountedObject
{
public:
    using Ptr = juce::ReferenceCountedObjectPtr<MidiSetupComponent>;

    MidiSetupComponent (ReferenceCountedImageButton::Ptr okButton,
                        ReferenceCountedImageButton::Ptr cancelButton,
                        ReferenceCountedImageButton::Ptr applyButton);
    ~MidiSetupComponent() override;

    // Lists the ports the manager's port layer offers now and picks the first open one of each
    // direction. The lists are not filled again while the window lives.
    void refresh (MidiManager::Ptr manager);

    // Picks every row of that name; with duplicates the last one stays picked.
    void selectInputDevice (const juce::String& name);
    void selectOutputDevice (const juce::String& name);

    juce::String getSelectedInputName() const { return inputModel.getSelectedName(); }
    juce::String getSelectedOutputName() const { return outputModel.getSelectedName(); }

    juce::Array<juce::Button*> getButtons() const { return { ok.get(), cancel.get(), apply.get() }; }

    void paint (juce::Graphics& g) override;
    void resized() override;

private:
    static void selectDevice (juce::ListBox& list, const MidiDeviceListBoxModel& model,
                              const juce::String& name);

    CustomLookForAuxiliaryWindows look;
    ReferenceCountedImageButton::Ptr ok, cancel, apply;
    MidiDeviceListBoxModel inputModel, outputModel;
    KeysOutlinedListBox inputList{ {}, &inputModel }, outputList{ {}, &outputModel };
    juce::Label inputCaption, outputCaption;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (MidiSetupComponent)
};
