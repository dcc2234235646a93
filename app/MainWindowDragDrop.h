// The part of the editor surface that lets a whole preset be dragged out of its window,
// for instance onto a row of the Send Multiple Presets window.
#pragma once

#include "model/QRX571EditorPreset.h"
#include "ui/KeyKeepingDragContainer.h"

#include <juce_gui_basics/juce_gui_basics.h>

class MainWindowDragDrop : public KeyKeepingDragContainer, public virtual juce::Component
{
public:
    // What a drag of a whole preset carries; a target that sees it asks the source for getPreset.
    static const juce::String dragDescription;

    // Only presses on the surface itself arrive here: its views take their own mouse events.
    void mouseDrag (const juce::MouseEvent& event) override;

    virtual QRX571EditorPreset::Ptr getPreset() = 0;
};
