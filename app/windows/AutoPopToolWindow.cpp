#include "app/windows/AutoPopToolWindow.h"

#include "app/desktop/OpenMenus.h"
#include "app/desktop/WindowSizeHints.h"
#include "ui/PresetNameText.h"

AutoPopToolWindow::AutoPopToolWindow (juce::Component* contentToOwn)
    : WindowWithKeyboardFocus ("Auto Populate", juce::Colours::black,
                               juce::DocumentWindow::closeButton | juce::DocumentWindow::minimiseButton,
                               false) // on the desktop once sized: see WindowSizeHints
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

AutoPopToolWindow::~AutoPopToolWindow()
{
    OpenMenus::closeAll();
    clearContentComponent();
}

void AutoPopToolWindow::closeButtonPressed()
{
    OpenMenus::closeAll();
    removeFromDesktop();
}

void AutoPopToolWindow::showAround (juce::Component* mainWindow, const juce::String& presetName)
{
    centreAroundComponent (mainWindow, getWidth(), getHeight());
    WindowSizeHints::show (*this, true); // in front, even when it is open behind its main window
    setName ("Auto Populate: " + presetNameShown (presetName));
}
