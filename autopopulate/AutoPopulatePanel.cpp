#include "autopopulate/AutoPopulatePanel.h"

#include "ui/EditorStrings.h"
#include "ui/ImageButtonFactories.h"
#include "ui/WidgetFactories.h"

namespace
{
const juce::Point<int> applyToBanksPosition{ 490, 24 };
const juce::Point<int> typeRowPosition{ 10, 24 };
constexpr int typeRowWidth = 185;
constexpr int typeRowHeight = 25;
const juce::Rectangle<int> titleArea{ 10, 0, 100, 24 };
constexpr float titleHeight = 22.0f;
constexpr int commonX = 240;
constexpr int commonWidth = 225;
constexpr int commonHeight = 100;
} // namespace

AutoPopulatePanel::AutoPopulatePanel (const juce::String& titleToUse,
                                      const juce::ReferenceCountedArray<MEditorControl>& controlsToUse,
                                      int perBank, const juce::Array<ImageToggleButton*>& bankButtons,
                                      juce::Rectangle<int> subModeBoundsToUse)
    : controls (controlsToUse)
    , title (titleToUse)
    , subModeBounds (subModeBoundsToUse)
{
    sorter = new GenericSorted<juce::ReferenceCountedArray<MEditorControl>> (&controls, &selectedControls,
                                                                             perBank, bankButtons.size());
    applyToBanks = new ApplyToBanksComponent (sorter, bankButtons);
    applyToBanks->setTopLeftPosition (applyToBanksPosition);
    addAndMakeVisible (*applyToBanks);
}

AutoPopulatePanel::~AutoPopulatePanel()
{
    // The TYPE row may outlive the panel through a counted reference: it must neither hear
    // "Apply" nor tell this panel of a choice any more.
    if (typeParameter != nullptr)
        applyToBanks->removeApplyListener (typeParameter.get());

    if (typeBox != nullptr)
        typeBox->removeListener (this);

    // Sub-mode rows go before the selection their functions point at.
    subMode = nullptr;
    commonParameters = nullptr;
    typeParameter = nullptr;
}

juce::Array<ImageToggleButton*> AutoPopulatePanel::makeBankToggles (int count)
{
    using Maker = void (*) (ImageToggleButton*&);
    const Maker makers[] = { makeBankAButton, makeBankBButton, makeBankCButton, makeBankDButton };

    juce::Array<ImageToggleButton*> toggles;
    for (int i = 0; i < juce::jmin (count, (int)std::size (makers)); ++i)
    {
        ImageToggleButton* toggle = nullptr;
        makers[i](toggle);
        toggles.add (toggle);
    }
    return toggles;
}

juce::Array<ImageToggleButton*>
AutoPopulatePanel::nameBankToggles (const juce::Array<ImageToggleButton*>& toggles,
                                    const juce::StringArray& names)
{
    for (int i = 0; i < juce::jmin (toggles.size(), names.size()); ++i)
        toggles[i]->setName (names[i]);
    return toggles;
}

juce::ReferenceCountedArray<AutoPopulateParameter>
AutoPopulatePanel::makeRows (std::initializer_list<AutoPopulateParameter::Ptr> rows)
{
    juce::ReferenceCountedArray<AutoPopulateParameter> result;
    for (const auto& row : rows)
        result.add (row);
    return result;
}

void AutoPopulatePanel::addCommonRows (const juce::ReferenceCountedArray<AutoPopulateParameter>& rows)
{
    commonParameters = new AutoPopulateParameterContainer (rows, applyToBanks);
    addAndMakeVisible (*commonParameters);
}

void AutoPopulatePanel::addTypeRow (juce::ComboBox* box)
{
    typeBox = box;
    box->addListener (this);

    AutoPopulateParameterType::Ptr editor = new ComboBoxParameterComponent (box, -1);
    typeParameter =
        createParameter (new StaticAutoPopulateFunction (&selectedControls, "Parameter Type"), editor, false);
    addAndMakeVisible (*typeParameter);
    typeParameter->setSize (typeRowWidth, typeRowHeight);
    applyToBanks->addApplyListener (typeParameter.get());
}

AutoPopulateParameter::Ptr AutoPopulatePanel::createStaticRow (const juce::String& parameterName,
                                                               juce::ComboBox* box, bool indent,
                                                               const juce::String& label)
{
    return createStaticRow (parameterName, new ComboBoxParameterComponent (box, -1), indent, label);
}

AutoPopulateParameter::Ptr AutoPopulatePanel::createStaticRow (const juce::String& parameterName,
                                                               NumberBoxComponent<int>* box, bool indent,
                                                               const juce::String& label)
{
    return createStaticRow (parameterName, new NumberBoxParameterComponent (box), indent, label);
}

AutoPopulateParameter::Ptr AutoPopulatePanel::createStaticRow (const juce::String& parameterName,
                                                               AutoPopulateParameterType::Ptr editor,
                                                               bool indent, const juce::String& label)
{
    // The row takes its caption from the editor's name.
    if (label.isNotEmpty())
        editor->setName (label);

    return createStaticParameter (&selectedControls, parameterName, editor, indent);
}

AutoPopulateParameter::Ptr AutoPopulatePanel::createMidiChannelParameter()
{
    return createStaticRow ("MIDI Channel", makeMidiChannelBox (nullptr), false);
}

AutoPopulateParameter::Ptr AutoPopulatePanel::createMinParameter()
{
    return createStaticRow ("Min Value", makeMinBox (nullptr), true);
}

AutoPopulateParameter::Ptr AutoPopulatePanel::createMaxParameter()
{
    auto* box = makeMaxBox (nullptr);
    box->setValue (box->getMaximum(), juce::dontSendNotification);
    return createStaticRow ("Max Value", box, true);
}

AutoPopulateParameter::Ptr AutoPopulatePanel::createProgramMsbParameter()
{
    return createStaticRow ("Program MSB", makeProgramMsbBox (nullptr), true, EditorStrings::msbCaption);
}

AutoPopulateParameter::Ptr AutoPopulatePanel::createProgramLsbParameter()
{
    return createStaticRow ("Program LSB", makeProgramLsbBox (nullptr), true, EditorStrings::lsbCaption);
}

void AutoPopulatePanel::createRangeSubMode()
{
    subMode = nullptr;
    showSubMode (new AutoPopulateParameterContainer (
        makeRows ({ createMinParameter(), createMaxParameter() }), applyToBanks));
}

void AutoPopulatePanel::showSubMode (AutoPopulateParameterContainer::Ptr newSubMode)
{
    subMode = std::move (newSubMode);
    addAndMakeVisible (*subMode);
    resized();
}

void AutoPopulatePanel::comboBoxChanged (juce::ComboBox* box)
{
    if (box != nullptr && box == typeBox.getComponent())
        buildSubMode (box->getSelectedId());

    resized();
}

void AutoPopulatePanel::paint (juce::Graphics& g)
{
    g.setFont (titleHeight);
    g.drawText (title, titleArea, juce::Justification::left, true);
}

void AutoPopulatePanel::resized()
{
    applyToBanks->setTopLeftPosition (applyToBanksPosition);

    if (subMode != nullptr)
        subMode->setBounds (subModeBounds);

    if (typeParameter != nullptr)
    {
        typeParameter->setTopLeftPosition (typeRowPosition);
        if (commonParameters != nullptr)
            commonParameters->setBounds (commonX, typeParameter->getY(), commonWidth, commonHeight);
    }
}
