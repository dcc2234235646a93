#include "app/windows/about/AboutWindow.h"

#include "app/desktop/WindowSizeHints.h"

AboutWindow::AboutWindow (const juce::Image& picture)
    : WindowWithKeyboardFocus ("About " JUCE_APPLICATION_NAME_STRING, false) // see WindowSizeHints
    , component (new AboutComponent (picture))
{
    // The window owns the component through the counted pointer: the content is not owned,
    // so it is not deleted twice.
    setContentNonOwned (component.get(), true);
    setUsingNativeTitleBar (false);
    setResizable (false, false);
    // Centred at the size the content sized it to: the frame's 1-px border stays outside the picture.
    centreWithSize (getWidth(), getHeight());
    setAlwaysOnTop (true);
    WindowSizeHints::show (*this, false);
}

AboutWindow::~AboutWindow()
{
    clearContentComponent();
    component = nullptr;
}
