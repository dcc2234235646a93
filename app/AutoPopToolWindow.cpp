#include "app/AutoPopToolWindow.h"

#include "ui/PresetNameText.h"

AutoPopToolWindow::AutoPopToolWindow (juce::Component* contentToOwn)
    : juce::DocumentWindow ("Auto Populate", juce::Colours::black,
                            juce::DocumentWindow::closeButton | juce::DocumentWindow::minimiseButton, true)
    , content (contentToOwn)
{
    if (content != nullptr)
    {
        setSize (content->getWidth(), content->getHeight());
        setContentNonOwned (content.get(), false);
    }

    centreWithSize (getWidth(), getHeight());
    setUsingNativeTitleBar (true);
}

AutoPopToolWindow::~AutoPopToolWindow() { clearContentComponent(); }

void AutoPopToolWindow::closeButtonPressed() { removeFromDesktop(); }

void AutoPopToolWindow::showAround (juce::Component* mainWindow, const juce::String& presetName)
{
    centreAroundComponent (mainWindow, getWidth(), getHeight());
    addToDesktop();
    setVisible (true);
    setName ("Auto Populate: " + presetNameShown (presetName));
}
