// The editor surface's look: flat black tick boxes with a cross when ticked, and
// progress bars filled with a blue gradient, and choosers whose text is fitted so that their
// longest item reads whole. Everything else is LookAndFeel_V3's.
#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

class QRX5EditorCustomLook : public juce::LookAndFeel_V3
{
public:
    QRX5EditorCustomLook() = default;

    void drawToggleButton (juce::Graphics& g, juce::ToggleButton& button, bool isMouseOver,
                           bool isDown) override;

    void drawTickBox (juce::Graphics& g, juce::Component& component, float x, float y, float w, float h,
                      bool ticked, bool isEnabled, bool isMouseOver, bool isDown) override;

    void drawProgressBar (juce::Graphics& g, juce::ProgressBar& bar, int width, int height, double progress,
                          const juce::String& text) override;

    void positionComboBoxText (juce::ComboBox& box, juce::Label& label) override;
};
