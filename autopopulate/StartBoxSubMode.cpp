#include "autopopulate/StartBoxSubMode.h"

#include "ui/EditorStrings.h"

namespace
{
constexpr int boxX = 85;
} // namespace

StartBoxSubMode::StartBoxSubMode (const juce::ReferenceCountedArray<AutoPopulateParameter>& rows,
                                  ApplyToBanksComponent::Ptr applyToBanks,
                                  AscendingOrDescendingAutoPopulateFunction::Ptr runFunctionToUse,
                                  const juce::String& boxName)
    : AutoPopulateParameterContainer (rows, std::move (applyToBanks))
    , runFunction (std::move (runFunctionToUse))
    , startBox (boxName, 0, 127, 0)
{
    startBox.addListener (this);
    styleNumberBox (startBox);
    startBox.setTopLeftPosition (boxX, getBelowRowsY());
    addAndMakeVisible (startBox);

    attachBoxCaption (startLabel, EditorStrings::startCaption, startBox);
    addAndMakeVisible (startLabel);
}

StartBoxSubMode::~StartBoxSubMode()
{
    // A box still being typed into goes with the sub-mode, without telling anyone.
    startBox.removeListener (this);
    startBox.hideEditor (true);
}

void StartBoxSubMode::numberBoxChanged (NumberBoxComponent<int>* box)
{
    runFunction->start = box->getValue();
}

void attachBoxCaption (juce::Label& caption, const juce::String& text, juce::Component& box)
{
    caption.setText (text, juce::dontSendNotification);
    caption.setColour (juce::Label::textColourId, juce::Colours::black);
    caption.attachToComponent (&box, true);
}
