#include "ui/LCDTypeView.h"

#include "ui/FittedFont.h"

void LCDTypeView::addRow (juce::Component* widget)
{
    rows.add (widget);

    if (widget != nullptr)
        widget->setSize (50, 20);
}

void LCDTypeView::resized()
{
    const juce::Font captionFont (16.0f, juce::Font::plain);

    captions.clear();

    for (int i = 0; i < rows.size(); ++i)
    {
        auto* widget = rows.getReference (i).getComponent();
        auto* caption =
            captions.add (new juce::Label (widget != nullptr ? widget->getName() : juce::String(), {}));
        caption->setFont (captionFont);

        if (widget == nullptr)
            continue;

        if (widget->getName().isNotEmpty())
            caption->setText (widget->getName() + ": ", juce::dontSendNotification);

        caption->setColour (juce::Label::textColourId, juce::Colours::white);
        caption->setJustificationType (juce::Justification::left);

        // The pitch is the widget's height before this layout moves it: 20 straight after addRow,
        // 18 once any layout has run.
        const int pitch = widget->getHeight();

        if (i < 4)
        {
            caption->setBounds (5, i * pitch, 120, pitch);
            widget->setBounds (130, i * pitch, 120, 18);
        }
        else
        {
            caption->setBounds (255, (i - 4) * pitch, 100, pitch);
            widget->setBounds (380, (i - 4) * pitch, 100, 18);
        }

        addAndMakeVisible (caption);
        addAndMakeVisible (widget);
    }

    // One font for the page's captions, the largest in which each reads whole in its box.
    juce::StringArray texts;
    juce::Array<float> widths;
    for (auto* caption : captions)
    {
        texts.add (caption->getText());
        widths.add ((float)caption->getBorderSize().subtractedFrom (caption->getLocalBounds()).getWidth());
    }

    const auto fitted = fitFont (captionFont, texts, widths);
    for (auto* caption : captions)
        caption->setFont (fitted);
}
