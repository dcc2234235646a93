// The "SWITCHES" panel: fills parameters of the 12 switches, bank by bank. TYPE chooses CC,
// NOTE, PROGRAM or PROGRAM BANK (key strokes are not offered); the MIDI channel and to-DIN
// rows apply whatever the type.
#pragma once

#include "autopopulate/AutoPopulatePanel.h"
#include "autopopulate/NoteNameSubMode.h"
#include "autopopulate/StartBoxSubMode.h"
#include "model/QRX5Switch.h"

class QRX5SwitchAutoPopulateComponent : public AutoPopulatePanel
{
public:
    // A run of CC numbers from START.
    class CCSubMode : public StartBoxSubMode
    {
    public:
        using StartBoxSubMode::StartBoxSubMode;
    };

    // A run of program numbers from START.
    class ProgramSubMode : public StartBoxSubMode
    {
    public:
        ProgramSubMode (const juce::ReferenceCountedArray<AutoPopulateParameter>& rows,
                        ApplyToBanksComponent::Ptr applyToBanks,
                        AscendingOrDescendingAutoPopulateFunction::Ptr runFunction);
    };

    // A chromatic run of notes from a root, also picked by name.
    class NoteSubMode : public NoteNameSubMode
    {
    public:
        using NoteNameSubMode::NoteNameSubMode;
    };

    // The 12 switches in preset order.
    explicit QRX5SwitchAutoPopulateComponent (const juce::ReferenceCountedArray<QRX5Switch>& switches);

private:
    void buildSubMode (int typeId) override;

    void createCCSubMode();
    void createNoteSubMode();
    void createProgramSubMode();
    void createProgramBankSubMode();

    AutoPopulateParameter::Ptr createMidiToDinParameter();
    AutoPopulateParameter::Ptr createModeParameter();
    AutoPopulateParameter::Ptr createScaleParameter (NoteScaleAutoPopulateFunction::Ptr runFunction);

    static juce::ComboBox* createTypeBox();

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (QRX5SwitchAutoPopulateComponent)
};
