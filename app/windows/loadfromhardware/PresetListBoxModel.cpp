#include "app/windows/loadfromhardware/PresetListBoxModel.h"

#include "app/PresetLocations.h"
#include "app/desktop/AuxiliaryListStyle.h"
#include "app/windows/loadfromhardware/GetPresetWindow.h"
#include "ui/ImageButtonFactories.h"

PresetListBoxModel::PresetListRowComponent::PresetListRowComponent (PresetListBoxModel::Ptr owner,
                                                                    int rowNumber,
                                                                    const juce::String& presetName)
    : model (std::move (owner))
    , title (PresetLocations::getTitle (rowNumber))
    , row (rowNumber)
{
    makeGetButton (getButton);
    getButton->setTopLeftPosition (475, 2);
    getButton->addListener (this);

    nameLabel.setText (presetName, juce::dontSendNotification);
    nameLabel.attachToComponent (getButton.get(), true);
    nameLabel.setColour (juce::Label::textColourId, juce::Colours::white);

    addAndMakeVisible (getButton.get());
}

PresetListBoxModel::PresetListRowComponent::~PresetListRowComponent() { getButton->removeListener (this); }

void PresetListBoxModel::PresetListRowComponent::paint (juce::Graphics& g)
{
    drawAuxiliaryRowTitle (g, title);
}

void PresetListBoxModel::PresetListRowComponent::buttonClicked (juce::Button*)
{
    if (auto* window = model->getWindow())
        window->openPresetAtRow (row);
}

//==============================================================================
PresetListBoxModel::PresetListBoxModel (GetPresetWindow* owner)
    : window (owner)
{
}

PresetListBoxModel::~PresetListBoxModel() = default;

GetPresetWindow* PresetListBoxModel::getWindow() const { return window.get(); }

int PresetListBoxModel::getNumRows() { return names.size(); }

void PresetListBoxModel::paintListBoxItem (int row, juce::Graphics& g, int, int, bool)
{
    paintAuxiliaryListRow (g, row);
}

juce::Component* PresetListBoxModel::refreshComponentForRow (int row, bool, juce::Component* existing)
{
    delete existing;

    // The space below the last row stays empty, so an unfetched list shows no rows at all.
    if (row >= getNumRows() || ! PresetLocations::isValid (row))
        return nullptr;

    return new PresetListRowComponent (this, row, names[row]);
}
