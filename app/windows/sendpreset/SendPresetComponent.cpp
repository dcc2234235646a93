#include "app/windows/sendpreset/SendPresetComponent.h"

#include "app/PresetLocations.h"
#include "ui/EditorPictures.h"
#include "ui/EditorStrings.h"

SendPresetComponent::SendPresetComponent (ReferenceCountedImageButton::Ptr sendButton)
    : send (std::move (sendButton))
{
    setLookAndFeel (&look);

    // The chooser shows the slots by their bare numbers; item id = location + 1.
    chooser.addItem (EditorStrings::ram, PresetLocations::ram + 1);
    for (int slot = 1; slot <= PresetLocations::lastSlot; ++slot)
        chooser.addItem (juce::String (slot), slot + 1);

    setAuxiliaryComboBoxColours (chooser);
    chooser.setSelectedId (PresetLocations::ram + 1, juce::dontSendNotification);

    caption.setText (EditorStrings::saveCurrentPresetToHardwareAs, juce::dontSendNotification);
    caption.setFont (juce::Font (16.0f, juce::Font::plain));

    addAndMakeVisible (send.get());
    addAndMakeVisible (chooser);
    addAndMakeVisible (caption);
}

SendPresetComponent::~SendPresetComponent() { setLookAndFeel (nullptr); }

void SendPresetComponent::paint (juce::Graphics& g)
{
    g.drawImageAt (EditorPictures::auxiliaryBackground(), 0, 0);
    g.drawImageAt (EditorPictures::caption (EditorPictures::Caption::sendPreset), 100, 10);
}

void SendPresetComponent::resized()
{
    chooser.setBounds (250, 50, 75, 25);
    caption.attachToComponent (&chooser, true);
    send->setTopLeftPosition (chooser.getX(), 100);
}
