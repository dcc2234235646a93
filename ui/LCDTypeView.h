// One page of a parameter view: caption-and-widget rows in two columns of four.
#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

class LCDTypeView : public juce::Component, public virtual juce::ReferenceCountedObject
{
public:
    using Ptr = juce::ReferenceCountedObjectPtr<LCDTypeView>;

    LCDTypeView() = default;
    ~LCDTypeView() override = default;

    // Appends a row. The widget is sized 50 x 20 but only becomes a child of this page at layout.
    void addRow (juce::Component* widget);

    // Lays the rows out: the first four down the left column, the rest down the right one.
    void resized() override;

    int getNumRows() const { return rows.size(); }
    juce::Component* getRow (int index) const { return rows[index].getComponent(); }

    // The caption label of each row, as made by the last layout.
    juce::Label* getCaption (int index) const { return captions[index]; }

private:
    // The widgets belong to the control view that made them; a widget deleted before the page
    // leaves an empty slot here rather than a dangling pointer.
    juce::Array<juce::Component::SafePointer<juce::Component>> rows;
    juce::OwnedArray<juce::Label> captions;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (LCDTypeView)
};
