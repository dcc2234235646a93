// The "PADS" panel: fills parameters of the 64 pads, bank by bank. TYPE chooses NOTE,
// PROGRAM or PROGRAM BANK; four common rows apply whatever the type.
#pragma once

#include "autopopulate/AutoPopulatePanel.h"
#include "autopopulate/NoteNameSubMode.h"
#include "autopopulate/StartBoxSubMode.h"
#include "model/QRX5Pad.h"

class QRX5PadAutoPopulateComponent : public AutoPopulatePanel
{
public:
    // Notes from a root and a scale, with the root also picked by name.
    class NoteSubMode : public NoteNameSubMode
    {
    public:
        using NoteNameSubMode::NoteNameSubMode;
    };

    // A run of program numbers from the box named "PROGRAM".
    class ProgramSubMode : public StartBoxSubMode
    {
    public:
        ProgramSubMode (const juce::ReferenceCountedArray<AutoPopulateParameter>& rows,
                        ApplyToBanksComponent::Ptr applyToBanks,
                        AscendingOrDescendingAutoPopulateFunction::Ptr runFunction);
    };

    // The 64 pads in preset order.
    explicit QRX5PadAutoPopulateComponent (const juce::ReferenceCountedArray<QRX5Pad>& pads);

private:
    void buildSubMode (int typeId) override;

    void createNoteSubMode();
    void createProgramSubMode();
    void createProgramBankSubMode();

    AutoPopulateParameter::Ptr createOnColorParameter();
    AutoPopulateParameter::Ptr createOffColorParameter();
    AutoPopulateParameter::Ptr createMidiToDinParameter();
    AutoPopulateParameter::Ptr createAftertouchParameter();
    AutoPopulateParameter::Ptr createModeParameter();
    AutoPopulateParameter::Ptr createScaleParameter (NoteScaleAutoPopulateFunction::Ptr runFunction);

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (QRX5PadAutoPopulateComponent)
};
