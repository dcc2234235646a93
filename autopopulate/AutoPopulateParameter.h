// One row of the auto-populate tool: an "Enabled" toggle, a name and a value editor. When
// the panel's "Apply" button is clicked and the toggle is on, the row runs its function
// with the editor's value.
#pragma once

#include "autopopulate/AutoPopulateFunction.h"
#include "autopopulate/AutoPopulateParameterType.h"
#include "ui/CustomLookForAuxiliaryWindows.h"
#include "ui/ImageToggleButton.h"

class AutoPopulateParameter : public juce::Component,
                              public juce::Button::Listener,
                              public juce::ReferenceCountedObject
{
public:
    using Ptr = juce::ReferenceCountedObjectPtr<AutoPopulateParameter>;

    // A null function makes a row that writes nothing.
    AutoPopulateParameter (const juce::String& labelText, AutoPopulateFunction::Ptr function,
                           AutoPopulateParameterType::Ptr editor);
    ~AutoPopulateParameter() override;

    // An indented row sits inside a sub-mode: narrower, its toggle 10 px in.
    void setIndent (bool shouldIndent);
    bool isIndented() const { return indent; }

    // Hears the panel's "Apply" button; any other button is ignored.
    void buttonClicked (juce::Button* button) override;
    void applyIfEnabled();

    void resized() override;

    AutoPopulateParameterType* getEditor() const { return editor.get(); }

private:
    bool indent = false;
    AutoPopulateFunction::Ptr function;
    juce::ReferenceCountedObjectPtr<ImageToggleButton> enabledButton;
    AutoPopulateParameterType::Ptr editor;
    juce::Label nameLabel;
    CustomLookForAuxiliaryWindows look;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (AutoPopulateParameter)
};

// A row labelled with the editor's name.
AutoPopulateParameter::Ptr createParameter (AutoPopulateFunction::Ptr function,
                                            AutoPopulateParameterType::Ptr editor, bool indent);

// A row writing the editor's value unchanged into the named parameter of every selected control.
AutoPopulateParameter::Ptr createStaticParameter (ControlArray* selectedControls,
                                                  const juce::String& parameterName,
                                                  AutoPopulateParameterType::Ptr editor, bool indent);

// The indented ORDER row of a run: "ASCENDING" applies 0, "DESCENDING" 1.
AutoPopulateParameter::Ptr createOrderParameter (AutoPopulateFunction::Ptr function);
