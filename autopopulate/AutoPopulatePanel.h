// What the four panels of the auto-populate tool share: the controls of one kind and the
// ones the ticked banks select, the sorter, the bank selector with "Apply", the common rows,
// the TYPE row and the sub-mode that the TYPE row chooses.
#pragma once

#include "autopopulate/ApplyToBanksComponent.h"
#include "autopopulate/AutoPopulateParameterContainer.h"

class AutoPopulatePanel : public juce::Component, public juce::ComboBox::Listener
{
public:
    ~AutoPopulatePanel() override;

    void paint (juce::Graphics& g) override;
    void resized() override;

    // Only the TYPE chooser is heard: its item picks the sub-mode.
    void comboBoxChanged (juce::ComboBox* box) override;

protected:
    // Takes over the bank toggles, A first, one per bank.
    AutoPopulatePanel (const juce::String& title, const juce::ReferenceCountedArray<MEditorControl>& controls,
                       int perBank, const juce::Array<ImageToggleButton*>& bankButtons,
                       juce::Rectangle<int> subModeBounds);

    // The first `count` bank toggles as their makers build them.
    static juce::Array<ImageToggleButton*> makeBankToggles (int count);

    // The toggles renamed, in order.
    static juce::Array<ImageToggleButton*> nameBankToggles (const juce::Array<ImageToggleButton*>& toggles,
                                                            const juce::StringArray& names);

    // Rows in display order.
    static juce::ReferenceCountedArray<AutoPopulateParameter>
    makeRows (std::initializer_list<AutoPopulateParameter::Ptr> rows);

    template <typename ControlType>
    static juce::ReferenceCountedArray<MEditorControl>
    asControls (const juce::ReferenceCountedArray<ControlType>& given)
    {
        juce::ReferenceCountedArray<MEditorControl> result;
        for (auto* control : given)
            result.add (control);
        return result;
    }

    // Puts the common rows into their container, which hands them to "Apply".
    void addCommonRows (const juce::ReferenceCountedArray<AutoPopulateParameter>& rows);

    // The TYPE row writes "Parameter Type"; the panel listens to its chooser.
    void addTypeRow (juce::ComboBox* typeBox);

    // A row writing the chooser's item - 1, or the box's number, into `parameterName` of every
    // selected control; labelled `label`, or the widget's caption when `label` is empty.
    AutoPopulateParameter::Ptr createStaticRow (const juce::String& parameterName, juce::ComboBox* box,
                                                bool indent, const juce::String& label = {});
    AutoPopulateParameter::Ptr createStaticRow (const juce::String& parameterName,
                                                NumberBoxComponent<int>* box, bool indent,
                                                const juce::String& label = {});

    // Rows every kind shares.
    AutoPopulateParameter::Ptr createMidiChannelParameter();
    AutoPopulateParameter::Ptr createMinParameter();        // indented, starts at 0
    AutoPopulateParameter::Ptr createMaxParameter();        // indented, starts at 127
    AutoPopulateParameter::Ptr createProgramMsbParameter(); // "MSB", indented
    AutoPopulateParameter::Ptr createProgramLsbParameter(); // "LSB", indented

    // The knobs' and faders' CC sub-mode: MIN, MAX and the ORDER of a "CC Number" run from START.
    template <typename CCSubModeType>
    void createRangeAndCCRunSubMode()
    {
        AscendingOrDescendingAutoPopulateFunction::Ptr runFunction =
            new AscendingOrDescendingAutoPopulateFunction (&selectedControls, "CC Number");
        subMode = nullptr;
        showSubMode (new CCSubModeType (
            makeRows ({ createMinParameter(), createMaxParameter(), createOrderParameter (runFunction) }),
            applyToBanks, runFunction));
    }

    // The pads' and switches' PROGRAM sub-mode (the ORDER row alone) and PROGRAM BANK sub-mode
    // (MSB, LSB and ORDER): a "Program Number" run from the sub-mode's box.
    template <typename ProgramSubModeType>
    void createProgramRunSubMode (bool withBank)
    {
        AscendingOrDescendingAutoPopulateFunction::Ptr runFunction =
            new AscendingOrDescendingAutoPopulateFunction (&selectedControls, "Program Number");
        subMode = nullptr;
        auto rows = withBank ? makeRows ({ createProgramMsbParameter(), createProgramLsbParameter() })
                             : juce::ReferenceCountedArray<AutoPopulateParameter>();
        rows.add (createOrderParameter (runFunction));
        showSubMode (new ProgramSubModeType (rows, applyToBanks, runFunction));
    }

    // The knobs' and faders' AFTERTOUCH sub-mode: MIN and MAX alone.
    void createRangeSubMode();

    // Shows a freshly built sub-mode in place of the one before.
    void showSubMode (AutoPopulateParameterContainer::Ptr newSubMode);

    // Builds the sub-mode of TYPE item `typeId`; an id without a sub-mode builds nothing.
    virtual void buildSubMode (int typeId) = 0;

    // Runs the builder of TYPE item `typeId` among `builders`, one per item from id 1 on.
    template <typename Panel>
    static void runBuilder (Panel& panel, std::initializer_list<void (Panel::*)()> builders, int typeId)
    {
        if (typeId >= 1 && typeId <= (int)builders.size())
            (panel.*(builders.begin()[typeId - 1]))();
    }

    juce::ReferenceCountedArray<MEditorControl> controls;
    juce::ReferenceCountedArray<MEditorControl> selectedControls;
    ControlSorter::Ptr sorter;
    ApplyToBanksComponent::Ptr applyToBanks;
    AutoPopulateParameterContainer::Ptr commonParameters;
    AutoPopulateParameter::Ptr typeParameter;
    AutoPopulateParameterContainer::Ptr subMode;

private:
    AutoPopulateParameter::Ptr createStaticRow (const juce::String& parameterName,
                                                AutoPopulateParameterType::Ptr editor, bool indent,
                                                const juce::String& label);

    const juce::String title;
    const juce::Rectangle<int> subModeBounds;
    juce::Component::SafePointer<juce::ComboBox> typeBox;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (AutoPopulatePanel)
};
