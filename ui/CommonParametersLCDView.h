// The panel of the settings that belong to the whole preset: its name and the transport's
// tempo, swing, gate, time division, switch modes and transport type. Edits write the model
// at once, and model changes (a loaded preset, say) show up in the widgets.
#pragma once

#include "model/MEditorControl.h"
#include "model/QRX5EditorPreset.h"
#include "ui/NumberBoxComponent.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <memory>

class CommonParametersLCDView : public juce::Component,
                                public juce::ComboBox::Listener,
                                public virtual juce::ReferenceCountedObject,
                                public virtual juce::Value::Listener
{
public:
    using Ptr = juce::ReferenceCountedObjectPtr<CommonParametersLCDView>;

    CommonParametersLCDView (QRX5EditorPreset::Ptr preset, MEditorControl::Ptr transport);
    ~CommonParametersLCDView() override;

    void resized() override;
    void valueChanged (juce::Value& value) override;
    void comboBoxChanged (juce::ComboBox* box) override;

    juce::TextEditor& getNameEditor() const { return *nameEditor; }

private:
    juce::Label* addCaption (juce::Component& widget, int width);

    std::unique_ptr<juce::TextEditor> nameEditor;
    std::unique_ptr<juce::ComboBox> timeDivisionBox;
    std::unique_ptr<NumberBoxComponent<int>> tempoBox;
    juce::Value timeDivisionValue;
    juce::OwnedArray<juce::Label> captions; // one per row, in row order
    QRX5EditorPreset::Ptr preset;
    std::unique_ptr<juce::ComboBox> noteRepeatSwitchBox, timeDivSwitchBox;
    std::unique_ptr<NumberBoxComponent<int>> gateBox;
    std::unique_ptr<juce::ComboBox> transportTypeBox;
    std::unique_ptr<NumberBoxComponent<int>> swingBox;
    juce::Value repeatToggleValue, timeDivisionToggleValue, transportTypeValue;
    juce::Value shownName; // the name box's text, the preset's name without its padding

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (CommonParametersLCDView)
};
