// A column of rows, the base of every sub-mode: it registers its rows on the panel's
// "Apply" button and takes them off again when it goes, so rows of a replaced sub-mode
// never apply.
#pragma once

#include "autopopulate/ApplyToBanksComponent.h"
#include "autopopulate/AutoPopulateParameter.h"

class AutoPopulateParameterContainer : public juce::Component, public juce::ReferenceCountedObject
{
public:
    using Ptr = juce::ReferenceCountedObjectPtr<AutoPopulateParameterContainer>;

    AutoPopulateParameterContainer (const juce::ReferenceCountedArray<AutoPopulateParameter>& rows,
                                    ApplyToBanksComponent::Ptr applyToBanks);
    ~AutoPopulateParameterContainer() override;

    // Row i at (0, 22 i), 18 high, 225 wide or 185 when indented.
    void resized() override;

protected:
    const juce::ReferenceCountedArray<AutoPopulateParameter>& getRows() const { return rows; }

    // The y just below the last row plus a 4-px gap (4 with no rows): where a sub-mode's
    // own boxes start.
    int getBelowRowsY() const;

private:
    void layOutRows();

    juce::ReferenceCountedArray<AutoPopulateParameter> rows;
    ApplyToBanksComponent::Ptr applyToBanks;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (AutoPopulateParameterContainer)
};
