#include "app/windows/sendmultiple/SendMultiplePresetsListModel.h"

#include "app/MainWindowDragDrop.h"
#include "app/PresetLocations.h"
#include "app/desktop/AuxiliaryListStyle.h"
#include "ui/ImageButtonFactories.h"

using Row = SendMultiplePresetsWindow::PresetListBoxModel::PresetListRowComponent;

Row::PresetListRowComponent (SendMultiplePresetsWindow* owner, int rowNumber, const juce::String& presetName)
    : title (PresetLocations::getTitle (rowNumber))
    , row (rowNumber)
    , window (owner)
{
    makeBrowseButton (browse);
    makeClearButton (clear);
    browse->setTopLeftPosition (475, 2);
    clear->setTopLeftPosition (browse->getRight() + 5, 5);
    browse->addListener (this);
    clear->addListener (this);

    nameLabel.attachToComponent (browse.get(), true);
    nameLabel.setColour (juce::Label::textColourId, juce::Colours::white);
    nameLabel.setText (presetName, juce::dontSendNotification);

    // Rows are made anew at every refresh, so this follows the reading and sending states.
    const bool idle = window->canChangeRows();
    browse->setEnabled (idle);
    clear->setEnabled (idle);

    addAndMakeVisible (clear.get());
    addAndMakeVisible (browse.get());
    addAndMakeVisible (nameLabel);
}

Row::~PresetListRowComponent()
{
    browse->removeListener (this);
    clear->removeListener (this);
}

void Row::paint (juce::Graphics& g)
{
    if (dragHover)
    {
        g.setColour (juce::Colours::blue);
        g.drawRect (getLocalBounds(), 1);
    }
    drawAuxiliaryRowTitle (g, title);
}

void Row::buttonClicked (juce::Button* button)
{
    if (button == browse.get())
        window->browseForSlotFile (row);
    else if (button == clear.get())
        window->clearSlot (row);
}

bool Row::isInterestedInDragSource (const SourceDetails&) { return window->canChangeRows(); }

bool Row::isInterestedInFileDrag (const juce::StringArray&) { return window->canChangeRows(); }

void Row::filesDropped (const juce::StringArray& files, int, int) { window->queueFiles (files, row); }

void Row::itemDragEnter (const SourceDetails& details)
{
    if (details.description.toString() == MainWindowDragDrop::dragDescription)
    {
        dragHover = true;
        repaint();
    }
}

void Row::itemDragExit (const SourceDetails&)
{
    dragHover = false;
    repaint();
}

void Row::itemDropped (const SourceDetails& details)
{
    dragHover = false;
    if (details.description.toString() == MainWindowDragDrop::dragDescription)
        if (auto* source = dynamic_cast<MainWindowDragDrop*> (details.sourceComponent.get()))
            window->dropPresetOnSlot (source->getPreset().get(), row);
    repaint();
}

//==============================================================================
SendMultiplePresetsWindow::PresetListBoxModel::PresetListBoxModel (SendMultiplePresetsWindow* owner)
    : window (owner)
{
}

int SendMultiplePresetsWindow::PresetListBoxModel::getNumRows() { return PresetLocations::numLocations; }

void SendMultiplePresetsWindow::PresetListBoxModel::paintListBoxItem (int row, juce::Graphics& g, int, int,
                                                                      bool)
{
    paintAuxiliaryListRow (g, row);
}

juce::Component*
SendMultiplePresetsWindow::PresetListBoxModel::refreshComponentForRow (int row, bool,
                                                                       juce::Component* existing)
{
    delete existing;

    if (! PresetLocations::isValid (row))
        return nullptr;

    return new PresetListRowComponent (window, row, window->getRowName (row));
}
