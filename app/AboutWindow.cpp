#include "app/AboutWindow.h"

AboutWindow::AboutWindow (const juce::Image& picture)
    : juce::ResizableWindow ("About " JUCE_APPLICATION_NAME_STRING, true)
    , component (new AboutComponent (picture))
{
    // The window owns the component through the counted pointer: the content is not owned,
    // so it is not deleted twice.
    setContentNonOwned (component.get(), true);
    setUsingNativeTitleBar (false);
    setResizable (false, false);
    centreWithSize (component->getWidth(), component->getHeight());
    setAlwaysOnTop (true);
    setVisible (true);
}

AboutWindow::~AboutWindow()
{
    clearContentComponent();
    component = nullptr;
}
