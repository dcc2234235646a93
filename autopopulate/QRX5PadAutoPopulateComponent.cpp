#include "autopopulate/QRX5PadAutoPopulateComponent.h"

#include "ui/EditorStrings.h"
#include "ui/WidgetFactories.h"

namespace
{
constexpr int padsPerBank = 16;
constexpr int numBanks = 4;
const juce::Rectangle<int> subModeArea{ 10, 50, 200, 150 };
} // namespace

QRX5PadAutoPopulateComponent::ProgramSubMode::ProgramSubMode (
    const juce::ReferenceCountedArray<AutoPopulateParameter>& rows, ApplyToBanksComponent::Ptr applyToBanks,
    AscendingOrDescendingAutoPopulateFunction::Ptr runFunction)
    : StartBoxSubMode (rows, std::move (applyToBanks), std::move (runFunction), "PROGRAM")
{
}

QRX5PadAutoPopulateComponent::QRX5PadAutoPopulateComponent (const juce::ReferenceCountedArray<QRX5Pad>& pads)
    : AutoPopulatePanel ("PADS", asControls (pads), padsPerBank, makeBankToggles (numBanks), subModeArea)
{
    addCommonRows (makeRows ({ createOnColorParameter(), createOffColorParameter(),
                               createMidiChannelParameter(), createMidiToDinParameter() }));
    addTypeRow (makePadTypeBox (nullptr));
    // Shown at once; the TYPE chooser's first notification builds it afresh a moment later.
    createNoteSubMode();
}

void QRX5PadAutoPopulateComponent::buildSubMode (int typeId)
{
    runBuilder<QRX5PadAutoPopulateComponent> (*this,
                                              { &QRX5PadAutoPopulateComponent::createNoteSubMode,
                                                &QRX5PadAutoPopulateComponent::createProgramSubMode,
                                                &QRX5PadAutoPopulateComponent::createProgramBankSubMode },
                                              typeId);
}

void QRX5PadAutoPopulateComponent::createNoteSubMode()
{
    NoteScaleAutoPopulateFunction::Ptr runFunction =
        new NoteScaleAutoPopulateFunction (&selectedControls, "MIDI Note");
    subMode = nullptr;
    showSubMode (new NoteSubMode (
        makeRows ({ createAftertouchParameter(), createModeParameter(), createScaleParameter (runFunction) }),
        applyToBanks, runFunction));
}

void QRX5PadAutoPopulateComponent::createProgramSubMode() { createProgramRunSubMode<ProgramSubMode> (false); }

void QRX5PadAutoPopulateComponent::createProgramBankSubMode()
{
    createProgramRunSubMode<ProgramSubMode> (true);
}

AutoPopulateParameter::Ptr QRX5PadAutoPopulateComponent::createOnColorParameter()
{
    return createStaticRow ("Color On", makeOnColorBox (nullptr), false, "PAD ON COLOR");
}

AutoPopulateParameter::Ptr QRX5PadAutoPopulateComponent::createOffColorParameter()
{
    return createStaticRow ("Color Off", makeOffColorBox (nullptr), false, "PAD OFF COLOR");
}

AutoPopulateParameter::Ptr QRX5PadAutoPopulateComponent::createMidiToDinParameter()
{
    return createStaticRow ("To MIDI Din", makeMidiToDinBox (nullptr), false);
}

AutoPopulateParameter::Ptr QRX5PadAutoPopulateComponent::createAftertouchParameter()
{
    return createStaticRow ("Aftertouch Type", makeAftertouchBox (nullptr), true, "AFT");
}

AutoPopulateParameter::Ptr QRX5PadAutoPopulateComponent::createModeParameter()
{
    return createStaticRow ("Note Toggle Mode", makeTriggerModeBox (nullptr), true,
                            EditorStrings::modeCaption);
}

AutoPopulateParameter::Ptr
QRX5PadAutoPopulateComponent::createScaleParameter (NoteScaleAutoPopulateFunction::Ptr runFunction)
{
    // In the order of the note-scale function's arguments.
    auto* box = makeComboBox (EditorStrings::scaleCaption,
                              { EditorStrings::chromatic, "MAJOR", "MINOR", "PHRYGIAN", "MELODIC MINOR",
                                "HARMONIC MINOR", "MIXOLYDIAN", "LYDIAN", "DORIAN", "LOCRIAN" },
                              nullptr);
    return createParameter (runFunction, new ComboBoxParameterComponent (box, -1), true);
}
