#include "app/windows/midisetup/MidiSetupComponent.h"

#include "app/desktop/AuxiliaryListStyle.h"
#include "ui/EditorPictures.h"
#include "ui/EditorStrings.h"

namespace
{
const juce::Rectangle<int> inputListArea{ 20, 95, 285, 100 }, outputListArea{ 325, 95, 285, 100 };
constexpr int componentHeight = 275;
} // namespace

MidiSetupComponent::MidiSetupComponent (ReferenceCountedImageButton::Ptr okButton,
                                        ReferenceCountedImageButton::Ptr cancelButton,
                                        ReferenceCountedImageButton::Ptr applyButton)
    : ok (std::move (okButton))
    , cancel (std::move (cancelButton))
    , apply (std::move (applyButton))
{
    setLookAndFeel (&look);

    for (auto* list : { &inputList, &outputList })
    {
        styleAuxiliaryList (*list, look);
        addAndMakeVisible (list);
    }

    for (auto [caption, text] : { std::pair (&inputCaption, EditorStrings::inputCaption),
                                  std::pair (&outputCaption, EditorStrings::outputCaption) })
    {
        caption->setText (text, juce::dontSendNotification);
        caption->setFont (juce::Font (20.0f));
        addAndMakeVisible (caption);
    }

    for (auto* button : getButtons())
        addAndMakeVisible (button);

    setSize (EditorPictures::auxiliaryBackground().getWidth(), componentHeight);
}

MidiSetupComponent::~MidiSetupComponent() { setLookAndFeel (nullptr); }

void MidiSetupComponent::refresh (MidiManager::Ptr manager)
{
    inputModel.clear();
    outputModel.clear();

    if (manager != nullptr)
    {
        inputModel.setNames (manager->getAvailableInputNames());
        outputModel.setNames (manager->getAvailableOutputNames());
    }

    inputList.updateContent();
    outputList.updateContent();

    if (manager == nullptr)
        return;

    if (manager->getNumOpenInputs() > 0)
        selectInputDevice (manager->getOpenInputNames()[0]);

    if (manager->getNumOpenOutputs() > 0)
        selectOutputDevice (manager->getOpenOutputNames()[0]);
}

void MidiSetupComponent::selectInputDevice (const juce::String& name)
{
    selectDevice (inputList, inputModel, name);
}

void MidiSetupComponent::selectOutputDevice (const juce::String& name)
{
    selectDevice (outputList, outputModel, name);
}

void MidiSetupComponent::selectDevice (juce::ListBox& list, const MidiDeviceListBoxModel& model,
                                       const juce::String& name)
{
    const auto& names = model.getNames();

    for (int row = 0; row < names.size(); ++row)
        if (names[row] == name)
            list.selectRow (row, false, true);
}

void MidiSetupComponent::paint (juce::Graphics& g)
{
    g.drawImageAt (EditorPictures::auxiliaryBackground(), 0, 0);

    const auto caption = EditorPictures::caption (EditorPictures::Caption::midiSetup);
    g.drawImageAt (caption, (getWidth() - caption.getWidth()) / 2, 20);

    g.setColour (juce::Colours::black);
    for (auto area : { inputListArea, outputListArea })
        g.fillRoundedRectangle (area.toFloat(), 2.0f);
}

void MidiSetupComponent::resized()
{
    inputCaption.setBounds (20, 70, 285, 20);
    inputList.setBounds (inputListArea);
    outputCaption.setBounds (325, 70, 285, 20);
    outputList.setBounds (outputListArea);
    cancel->setTopLeftPosition (20, 220);
    ok->setTopLeftPosition (411, 220);
    apply->setTopLeftPosition (514, 220);
}
