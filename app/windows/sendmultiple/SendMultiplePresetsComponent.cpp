#include "app/windows/sendmultiple/SendMultiplePresetsComponent.h"

#include "app/desktop/AuxiliaryListStyle.h"
#include "ui/EditorPictures.h"

SendMultiplePresetsComponent::SendMultiplePresetsComponent (std::unique_ptr<juce::ListBox> listToShow,
                                                            ReferenceCountedImageButton::Ptr sendButton)
    : list (std::move (listToShow))
    , send (std::move (sendButton))
{
    status.setFont (juce::Font (12.0f));
    addAndMakeVisible (status);

    styleAuxiliaryList (*list, look);
    list->setWantsKeyboardFocus (false); // its rows show no selection for keys to act on
    addAndMakeVisible (list.get());
    addAndMakeVisible (send.get());

    const auto picture = EditorPictures::caption (EditorPictures::Caption::sendMultiplePresets);
    caption.setImage (picture);
    caption.setSize (picture.getWidth(), picture.getHeight());
    addAndMakeVisible (caption);

    const auto background = EditorPictures::auxiliaryBackground();
    setSize (background.getWidth(), background.getHeight() / 3);
}

SendMultiplePresetsComponent::~SendMultiplePresetsComponent() { deleteList(); }

void SendMultiplePresetsComponent::updateList()
{
    if (list != nullptr)
        list->updateContent();
}

void SendMultiplePresetsComponent::setControlsEnabled (bool shouldBeEnabled)
{
    send->setEnabled (shouldBeEnabled);
}

void SendMultiplePresetsComponent::setStatusText (const juce::String& text)
{
    status.setText (text, juce::dontSendNotification);
}

void SendMultiplePresetsComponent::deleteList()
{
    if (list != nullptr)
        list->setLookAndFeel (nullptr);
    list.reset();
}

void SendMultiplePresetsComponent::resized()
{
    if (list != nullptr)
        list->setBounds (20, 35, 600, 150);
    send->setTopLeftPosition (525, 195);
    status.setSize (300, 20);
    status.attachToComponent (send.get(), true);
    caption.setCentreRelative (0.5f, 0.1f);
}

void SendMultiplePresetsComponent::paint (juce::Graphics& g)
{
    g.drawImageAt (EditorPictures::auxiliaryBackground(), 0, 0);
}
