#include "app/windows/loadfromhardware/GetPresetComponent.h"

#include "app/desktop/AuxiliaryListStyle.h"
#include "ui/EditorPictures.h"

GetPresetComponent::GetPresetComponent (std::unique_ptr<juce::ListBox> listToShow,
                                        ReferenceCountedImageButton::Ptr refreshButton)
    : list (std::move (listToShow))
    , refresh (std::move (refreshButton))
{
    addAndMakeVisible (list.get());
    addAndMakeVisible (refresh.get());

    styleAuxiliaryList (*list, look);
    list->setWantsKeyboardFocus (false); // its rows show no selection for keys to act on
    list->updateContent();
}

GetPresetComponent::~GetPresetComponent() { list->setLookAndFeel (nullptr); }

void GetPresetComponent::updateList() { list->updateContent(); }

void GetPresetComponent::setControlsEnabled (bool shouldBeEnabled) { refresh->setEnabled (shouldBeEnabled); }

void GetPresetComponent::paint (juce::Graphics& g)
{
    g.drawImageAt (EditorPictures::auxiliaryBackground(), 0, 0);
    g.drawImageAt (EditorPictures::caption (EditorPictures::Caption::loadFromHardware), 100, 10);
}

void GetPresetComponent::resized()
{
    refresh->setTopLeftPosition (500, 210);
    list->setBounds (20, 50, 600, 150);
}
