// The clickable picture of one control of the preset: normal, under the mouse, selected.
#pragma once

#include "model/MEditorControl.h"

#include <juce_gui_basics/juce_gui_basics.h>

class ControlView : public virtual juce::ReferenceCountedObject, public virtual juce::Button
{
public:
    using Ptr = juce::ReferenceCountedObjectPtr<ControlView>;

    ControlView (const juce::Image& normal, const juce::Image& over, const juce::Image& selected);

    virtual MEditorControl::Ptr getControl() = 0;

    // Selected (toggled on) wins over the mouse being over the view.
    void paintButton (juce::Graphics& g, bool isMouseOver, bool isDown) override;

    ~ControlView() override;

protected:
    juce::Image normalImage;
    juce::Image overImage;
    juce::Image selectedImage;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (ControlView)
};
