#include "autopopulate/QRX5SwitchAutoPopulateComponent.h"

#include "ui/EditorStrings.h"
#include "ui/WidgetFactories.h"

namespace
{
constexpr int switchesPerBank = 4;
constexpr int numBanks = 3;
const juce::Rectangle<int> subModeArea{ 10, 50, 200, 150 };
} // namespace

QRX5SwitchAutoPopulateComponent::ProgramSubMode::ProgramSubMode (
    const juce::ReferenceCountedArray<AutoPopulateParameter>& rows, ApplyToBanksComponent::Ptr applyToBanks,
    AscendingOrDescendingAutoPopulateFunction::Ptr runFunction)
    : StartBoxSubMode (rows, std::move (applyToBanks), std::move (runFunction), "Program Number NumberBox")
{
}

QRX5SwitchAutoPopulateComponent::QRX5SwitchAutoPopulateComponent (
    const juce::ReferenceCountedArray<QRX5Switch>& switches)
    : AutoPopulatePanel ("SWITCHES", asControls (switches), switchesPerBank,
                         nameBankToggles (makeBankToggles (numBanks), { "Bank A", "Bank B", "Bank C" }),
                         subModeArea)
{
    addCommonRows (makeRows ({ createMidiChannelParameter(), createMidiToDinParameter() }));
    addTypeRow (createTypeBox());
}

juce::ComboBox* QRX5SwitchAutoPopulateComponent::createTypeBox()
{
    // The tool has nothing to fill for key strokes, the last switch type.
    auto* box = makeSwitchTypeBox (nullptr);
    juce::StringArray types;
    for (int i = 0; i < box->getNumItems() - 1; ++i)
        types.add (box->getItemText (i));

    box->clear (juce::dontSendNotification);
    box->addItemList (types, 1);
    return box;
}

void QRX5SwitchAutoPopulateComponent::buildSubMode (int typeId)
{
    runBuilder<QRX5SwitchAutoPopulateComponent> (
        *this,
        { &QRX5SwitchAutoPopulateComponent::createCCSubMode,
          &QRX5SwitchAutoPopulateComponent::createNoteSubMode,
          &QRX5SwitchAutoPopulateComponent::createProgramSubMode,
          &QRX5SwitchAutoPopulateComponent::createProgramBankSubMode },
        typeId);
}

void QRX5SwitchAutoPopulateComponent::createCCSubMode()
{
    AscendingOrDescendingAutoPopulateFunction::Ptr runFunction =
        new AscendingOrDescendingAutoPopulateFunction (&selectedControls, "MIDI CC");
    subMode = nullptr;
    showSubMode (
        new CCSubMode (makeRows ({ createOrderParameter (runFunction) }), applyToBanks, runFunction));
}

void QRX5SwitchAutoPopulateComponent::createNoteSubMode()
{
    NoteScaleAutoPopulateFunction::Ptr runFunction =
        new NoteScaleAutoPopulateFunction (&selectedControls, "MIDI Note");
    subMode = nullptr;
    showSubMode (new NoteSubMode (makeRows ({ createModeParameter(), createScaleParameter (runFunction) }),
                                  applyToBanks, runFunction));
}

void QRX5SwitchAutoPopulateComponent::createProgramSubMode()
{
    createProgramRunSubMode<ProgramSubMode> (false);
}

void QRX5SwitchAutoPopulateComponent::createProgramBankSubMode()
{
    createProgramRunSubMode<ProgramSubMode> (true);
}

AutoPopulateParameter::Ptr QRX5SwitchAutoPopulateComponent::createMidiToDinParameter()
{
    return createStaticRow ("To Midi Din", makeMidiToDinBox (nullptr), false);
}

AutoPopulateParameter::Ptr QRX5SwitchAutoPopulateComponent::createModeParameter()
{
    return createStaticRow ("Switch Mode", makeTriggerModeBox (nullptr), true, EditorStrings::modeCaption);
}

AutoPopulateParameter::Ptr
QRX5SwitchAutoPopulateComponent::createScaleParameter (NoteScaleAutoPopulateFunction::Ptr runFunction)
{
    // Switches get a chromatic run only.
    auto* box = new juce::ComboBox();
    box->addItem (EditorStrings::chromatic, 1);
    setAuxiliaryComboBoxColours (*box);

    AutoPopulateParameterType::Ptr editor = new ComboBoxParameterComponent (box, -1);
    editor->setName (EditorStrings::scaleCaption);
    return createParameter (runFunction, editor, true);
}
