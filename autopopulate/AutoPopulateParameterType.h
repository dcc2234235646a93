// The value editors of the auto-populate rows: a chooser or a number box, each read as
// one whole number when "Apply" is clicked.
#pragma once

#include "ui/CustomLookForAuxiliaryWindows.h"
#include "ui/NumberBoxComponent.h"

#include <juce_gui_basics/juce_gui_basics.h>

class AutoPopulateParameterType : public juce::Component, public virtual juce::ReferenceCountedObject
{
public:
    using Ptr = juce::ReferenceCountedObjectPtr<AutoPopulateParameterType>;

    ~AutoPopulateParameterType() override = 0;

    virtual int getValue() = 0;
};

// A chooser whose value is (selected id + offset) & 255. It starts on its first item and
// tells the chooser's listeners so later, on the message loop.
class ComboBoxParameterComponent : public AutoPopulateParameterType
{
public:
    // Takes over the chooser.
    ComboBoxParameterComponent (juce::ComboBox* comboBox, int offset);
    ~ComboBoxParameterComponent() override;

    int getValue() override;
    void resized() override;

    juce::ComboBox& getComboBox() { return *comboBox; }

private:
    std::unique_ptr<juce::ComboBox> comboBox;
    int offset;
    CustomLookForAuxiliaryWindows look;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (ComboBoxParameterComponent)
};

// A number box whose value is its number.
class NumberBoxParameterComponent : public AutoPopulateParameterType
{
public:
    // Takes over the number box.
    explicit NumberBoxParameterComponent (NumberBoxComponent<int>* numberBox);
    ~NumberBoxParameterComponent() override;

    int getValue() override;
    void resized() override;

    NumberBoxComponent<int>& getNumberBox() { return *numberBox; }

private:
    std::unique_ptr<NumberBoxComponent<int>> numberBox;
    CustomLookForAuxiliaryWindows look;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (NumberBoxParameterComponent)
};

// Light grey on near black, 100 x 18: the number boxes of the auto-populate tool.
void styleNumberBox (NumberBoxComponent<int>& box);
