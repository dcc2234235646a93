// The view of a knob, a fader or a switch: its picture, a click target and a drag source.
#pragma once

#include "ui/ControlView.h"
#include "ui/DragableAndDropAbleControl.h"

class QRX5ControlView : public virtual juce::ReferenceCountedObject,
                        public ControlView,
                        public DragableAndDropAbleControl
{
public:
    using Ptr = juce::ReferenceCountedObjectPtr<QRX5ControlView>;

    QRX5ControlView (MEditorControl::Ptr control, const juce::Image& normal, const juce::Image& over,
                     const juce::Image& selected);
    ~QRX5ControlView() override;

    // Button listeners and drag listeners both register through addListener.
    using DragableAndDropAbleControl::addListener;
    using DragableAndDropAbleControl::removeListener;
    using juce::Button::addListener;
    using juce::Button::removeListener;

    MEditorControl::Ptr getControl() override;

private:
    MEditorControl::Ptr control;
    juce::String text;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (QRX5ControlView)
};
