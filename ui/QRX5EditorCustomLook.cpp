#include "ui/QRX5EditorCustomLook.h"

#include "ui/FittedFont.h"

void QRX5EditorCustomLook::drawToggleButton (juce::Graphics& g, juce::ToggleButton& button, bool isMouseOver,
                                             bool isDown)
{
    const auto height = static_cast<float> (button.getHeight());
    const auto side = juce::jmin (15.0f, height * 0.75f);
    const auto tickWidth = side * 1.1f;

    drawTickBox (g, button, 4.0f, (height - tickWidth) * 0.5f, tickWidth, tickWidth, button.getToggleState(),
                 button.isEnabled(), isMouseOver, isDown);

    // Only the text fades when disabled: the box is already drawn at full strength.
    if (! button.isEnabled())
        g.setOpacity (0.5f);

    const int textX = static_cast<int> (tickWidth) + 5;
    g.drawFittedText (button.getButtonText(), textX, 0, button.getWidth() - textX - 2, button.getHeight(),
                      juce::Justification::centredLeft, 10, 0.7f);
}

void QRX5EditorCustomLook::drawTickBox (juce::Graphics& g, juce::Component&, float x, float y, float w,
                                        float h, bool ticked, bool, bool, bool)
{
    g.setColour (juce::Colours::black);
    g.drawRect (x, y, w, h, 1.0f);

    if (ticked)
    {
        g.drawLine (x, y, x + w, y + h, 1.0f);
        g.drawLine (x, y + h, x + w, y, 1.0f);
    }
}

void QRX5EditorCustomLook::drawProgressBar (juce::Graphics& g, juce::ProgressBar& bar, int width, int height,
                                            double progress, const juce::String& text)
{
    g.fillAll (bar.findColour (juce::ProgressBar::backgroundColourId));

    if (progress >= 0.0 && progress <= 1.0)
    {
        const juce::Colour top (49, 177, 249);
        const juce::Colour bottom (43, 160, 238);

        juce::ColourGradient gradient (top, 0.0f, 0.0f, bottom, 0.0f, static_cast<float> (height), false);
        gradient.addColour (0.0, top);
        gradient.addColour (0.3, bottom);
        gradient.addColour (1.0, juce::Colour (49, 177, 248));
        g.setGradientFill (gradient);

        const auto fillWidth = juce::jlimit (0.0, static_cast<double> (width - 2), progress * (width - 2));
        g.fillRect (1.0f, 1.0f, static_cast<float> (fillWidth), static_cast<float> (height - 2));
    }

    if (text.isNotEmpty())
    {
        g.setColour (juce::Colours::black);
        g.setFont (static_cast<float> (height) * 0.6f);
        g.drawText (text, 0, 0, width, height, juce::Justification::centred, false);
    }
}

void QRX5EditorCustomLook::positionComboBoxText (juce::ComboBox& box, juce::Label& label)
{
    juce::LookAndFeel_V3::positionComboBoxText (box, label);
    fitComboBoxItems (box, label);
}
