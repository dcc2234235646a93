// Turns the ticked bank toggles of a panel into the ordered list of controls that its
// rows write: the controls of the ticked banks, bank A first, each bank in preset order.
#pragma once

#include "model/MEditorControl.h"

class ControlSorter : public virtual juce::ReferenceCountedObject
{
public:
    using Ptr = juce::ReferenceCountedObjectPtr<ControlSorter>;

    ~ControlSorter() override = default;

    // One flag per bank toggle, in toggle order.
    virtual void sort (const juce::Array<bool>& enabledBanks) = 0;
};

// The panel owns both arrays and outlives its sorter.
template <typename ArrayType>
class GenericSorted : public ControlSorter
{
public:
    GenericSorted (ArrayType* sourceToUse, ArrayType* outputToUse, int controlsPerBank, int banks)
        : source (sourceToUse)
        , output (outputToUse)
        , perBank (controlsPerBank)
        , numBanks (banks)
    {
    }

    void sort (const juce::Array<bool>& enabledBanks) override
    {
        output->clear();

        for (int bank = 0; bank < enabledBanks.size(); ++bank)
            if (enabledBanks[bank])
                for (int k = 0; k < perBank; ++k)
                    if (const auto index = perBank * bank + k; index < source->size())
                        output->add (source->getObjectPointer (index));
    }

    int getNumBanks() const { return numBanks; }

private:
    ArrayType* source;
    ArrayType* output;
    int perBank;
    int numBanks;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (GenericSorted)
};
