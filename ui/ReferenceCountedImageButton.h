// A picture button that a window and its content component can share: the last
// counted reference deletes it. Its pictures are set by its maker.
#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

class ReferenceCountedImageButton : public juce::ReferenceCountedObject, public juce::ImageButton
{
public:
    using Ptr = juce::ReferenceCountedObjectPtr<ReferenceCountedImageButton>;

    explicit ReferenceCountedImageButton (const juce::String& name)
        : juce::ImageButton (name)
    {
        setWantsKeyboardFocus (
            false); // a click leaves the keys to its window: Return must not click it again
    }

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (ReferenceCountedImageButton)
};
