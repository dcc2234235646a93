// A sub-mode whose run starts at the number in its START box, shown under its rows.
#pragma once

#include "autopopulate/AutoPopulateParameterContainer.h"
#include "ui/EditorStrings.h"

// Shows `text` on the left of a box under a sub-mode's rows, in black like the rows' captions
// (the look of the rows is not the sub-mode's, and the default one writes labels in white).
void attachBoxCaption (juce::Label& caption, const juce::String& text, juce::Component& box);

class StartBoxSubMode : public AutoPopulateParameterContainer, public NumberBoxComponent<int>::Listener
{
public:
    // boxName: the START box's component name; its caption reads "START" whatever the name.
    StartBoxSubMode (const juce::ReferenceCountedArray<AutoPopulateParameter>& rows,
                     ApplyToBanksComponent::Ptr applyToBanks,
                     AscendingOrDescendingAutoPopulateFunction::Ptr runFunction,
                     const juce::String& boxName = EditorStrings::startCaption);
    ~StartBoxSubMode() override;

    // The run starts at the box's number.
    void numberBoxChanged (NumberBoxComponent<int>* box) override;

private:
    AscendingOrDescendingAutoPopulateFunction::Ptr runFunction;
    NumberBoxComponent<int> startBox;
    juce::Label startLabel;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (StartBoxSubMode)
};
