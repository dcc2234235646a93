// A sub-mode whose scale starts at a root note, shown twice under its rows: as a number
// in the START box and by name in the note-name list next to it. Each follows the other.
#pragma once

#include "autopopulate/AutoPopulateParameterContainer.h"

class NoteNameSubMode : public AutoPopulateParameterContainer,
                        public NumberBoxComponent<int>::Listener,
                        public juce::ComboBox::Listener
{
public:
    NoteNameSubMode (const juce::ReferenceCountedArray<AutoPopulateParameter>& rows,
                     ApplyToBanksComponent::Ptr applyToBanks, NoteScaleAutoPopulateFunction::Ptr runFunction);
    ~NoteNameSubMode() override;

    // The root follows START, and the list shows its name (told later, on the message loop).
    void numberBoxChanged (NumberBoxComponent<int>* box) override;

    // A name picked in the list becomes START.
    void comboBoxChanged (juce::ComboBox* box) override;

private:
    // Declared first so that it outlives the list that draws with it.
    CustomLookForAuxiliaryWindows look;
    NoteScaleAutoPopulateFunction::Ptr runFunction;
    NumberBoxComponent<int> startBox;
    juce::ComboBox noteNameBox;
    juce::Label startLabel;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (NoteNameSubMode)
};
