// A drag container whose drags leave the keys with the window they start in. On X11 JUCE's drag
// image is a window of its own, and it takes the server's keyboard focus as it shows (for its
// Escape). When it goes the focus falls to the desktop, where a window manager may leave it
// (metacity does): no window had the keys after a drop until the next click.
#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

class KeyKeepingDragContainer : public virtual juce::DragAndDropContainer
{
protected:
    void dragOperationStarted (const juce::DragAndDropTarget::SourceDetails& details) override;
};
