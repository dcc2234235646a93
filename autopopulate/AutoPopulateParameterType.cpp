#include "autopopulate/AutoPopulateParameterType.h"

namespace
{
constexpr int firstItemId = 1;
constexpr int boxWidth = 100;
constexpr int boxHeight = 18;
} // namespace

AutoPopulateParameterType::~AutoPopulateParameterType() = default;

ComboBoxParameterComponent::ComboBoxParameterComponent (juce::ComboBox* box, int offsetToUse)
    : comboBox (box)
    , offset (offsetToUse)
{
    addAndMakeVisible (*comboBox);
    // Asynchronous, so a panel listening to its TYPE chooser hears of its first item
    // only once the panel is fully built.
    comboBox->setSelectedId (firstItemId, juce::sendNotificationAsync);
    setAuxiliaryComboBoxColours (*comboBox);
    comboBox->setLookAndFeel (&look);
    setName (comboBox->getName());
}

ComboBoxParameterComponent::~ComboBoxParameterComponent()
{
    // The look dies before the chooser, so the chooser must let go of it first.
    comboBox->setLookAndFeel (nullptr);
}

int ComboBoxParameterComponent::getValue() { return (comboBox->getSelectedId() + offset) & 255; }

void ComboBoxParameterComponent::resized() { comboBox->setSize (getWidth(), getHeight()); }

NumberBoxParameterComponent::NumberBoxParameterComponent (NumberBoxComponent<int>* box)
    : numberBox (box)
{
    addAndMakeVisible (*numberBox);
    styleNumberBox (*numberBox);
    setLookAndFeel (&look);
    setName (numberBox->getName());
}

NumberBoxParameterComponent::~NumberBoxParameterComponent()
{
    // An open text editor of the box would otherwise still use the look.
    numberBox->hideEditor (true);
    setLookAndFeel (nullptr);
}

int NumberBoxParameterComponent::getValue() { return numberBox->getValue(); }

void NumberBoxParameterComponent::resized() { numberBox->setSize (getWidth(), getHeight()); }

void styleNumberBox (NumberBoxComponent<int>& box)
{
    const juce::Colour light (212, 212, 212);
    const juce::Colour dark (28, 28, 28);
    box.setColour (juce::Label::textColourId, light);
    box.setColour (juce::Label::backgroundColourId, dark);
    // Set on the label so that its text editor inherits them.
    box.setColour (juce::TextEditor::textColourId, light);
    box.setColour (juce::TextEditor::backgroundColourId, dark);
    box.setSize (boxWidth, boxHeight);
}
