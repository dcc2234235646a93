#include "autopopulate/AutoPopulateParameterContainer.h"

namespace
{
constexpr int rowStep = 22;
constexpr int rowHeight = 18;
constexpr int plainRowWidth = 225;
constexpr int indentedRowWidth = 185;
constexpr int gapBelowRows = 4;
} // namespace

AutoPopulateParameterContainer::AutoPopulateParameterContainer (
    const juce::ReferenceCountedArray<AutoPopulateParameter>& rowsToUse,
    ApplyToBanksComponent::Ptr applyToBanksToUse)
    : rows (rowsToUse)
    , applyToBanks (std::move (applyToBanksToUse))
{
    int total = 0;

    for (auto* row : rows)
    {
        applyToBanks->addApplyListener (row);
        total += row->getHeight();
    }

    setSize (250, total);
    // Laid out now, so a sub-mode can place its boxes under the rows in its constructor.
    layOutRows();
}

AutoPopulateParameterContainer::~AutoPopulateParameterContainer()
{
    for (auto* row : rows)
        applyToBanks->removeApplyListener (row);

    removeAllChildren();
}

void AutoPopulateParameterContainer::resized() { layOutRows(); }

void AutoPopulateParameterContainer::layOutRows()
{
    for (int i = 0; i < rows.size(); ++i)
    {
        auto* row = rows.getObjectPointerUnchecked (i);
        addAndMakeVisible (row);
        row->setBounds (0, rowStep * i, row->isIndented() ? indentedRowWidth : plainRowWidth, rowHeight);
    }
}

int AutoPopulateParameterContainer::getBelowRowsY() const
{
    return rows.isEmpty() ? gapBelowRows : rows.getLast()->getBottom() + gapBelowRows;
}
