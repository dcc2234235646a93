#include "app/windows/about/AboutComponent.h"

#include "app/QRX5EditorApplication.h"
#include "ui/EditorStrings.h"

namespace
{
// Made when needed: a font kept in a static would hold its typeface past JUCE's shutdown.
juce::Font textFont() { return { 15.0f, juce::Font::plain }; }
} // namespace

AboutComponent::AboutComponent (const juce::Image& aboutPicture)
    : picture (aboutPicture)
{
    versionLabel.setText (EditorStrings::versionPrefix + EditorStrings::version, juce::dontSendNotification);
    versionLabel.setFont (textFont());
    versionLabel.setJustificationType (juce::Justification::centred);
    versionLabel.setEditable (false);
    versionLabel.setColour (juce::Label::textColourId, juce::Colours::white);

    setSize (picture.getWidth(), picture.getHeight());
    addAndMakeVisible (versionLabel);
}

void AboutComponent::mouseUp (const juce::MouseEvent&)
{
    if (auto* window = getParentComponent())
    {
        window->removeFromDesktop();
        if (auto* app = QRX5EditorApplication::getApp())
            app->quitIfNothingIsOnScreen();
    }
}

void AboutComponent::paint (juce::Graphics& g)
{
    g.drawImageAt (picture, 0, 0);
    g.setColour (juce::Colours::white);
    g.setFont (textFont());
    g.drawText (EditorStrings::copyrightLine, 0, 211, getWidth(), 15, juce::Justification::centred, true);
    g.drawText (EditorStrings::licenceLine, 0, 227, getWidth(), 15, juce::Justification::centred, true);
}

void AboutComponent::resized() { versionLabel.setBounds (0, getHeight() / 2 - 30, getWidth(), 15); }
