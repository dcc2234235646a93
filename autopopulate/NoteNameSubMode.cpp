#include "autopopulate/NoteNameSubMode.h"

#include "autopopulate/StartBoxSubMode.h"
#include "ui/EditorStrings.h"

#include <juce_audio_basics/juce_audio_basics.h>

namespace
{
constexpr int boxX = 85;
constexpr int startWidth = 40;
constexpr int nameWidth = 55;
constexpr int height = 18;
constexpr int gap = 5;
constexpr int numNotes = 128;
constexpr int middleCOctave = 4;
} // namespace

NoteNameSubMode::NoteNameSubMode (const juce::ReferenceCountedArray<AutoPopulateParameter>& rows,
                                  ApplyToBanksComponent::Ptr applyToBanks,
                                  NoteScaleAutoPopulateFunction::Ptr runFunctionToUse)
    : AutoPopulateParameterContainer (rows, std::move (applyToBanks))
    , runFunction (std::move (runFunctionToUse))
    , startBox (EditorStrings::startCaption, 0, numNotes - 1, 0)
{
    startBox.addListener (this);
    styleNumberBox (startBox);
    startBox.setBounds (boxX, getBelowRowsY(), startWidth, height);
    addAndMakeVisible (startBox);

    setAuxiliaryComboBoxColours (noteNameBox);
    noteNameBox.setLookAndFeel (&look);
    noteNameBox.setBounds (startBox.getRight() + gap, startBox.getY(), nameWidth, height);

    for (int note = 0; note < numNotes; ++note)
        noteNameBox.addItem (juce::MidiMessage::getMidiNoteName (note, true, true, middleCOctave), note + 1);

    attachBoxCaption (startLabel, startBox.getName(), startBox);
    addAndMakeVisible (startLabel);
    addAndMakeVisible (noteNameBox);
    noteNameBox.addListener (this);
}

NoteNameSubMode::~NoteNameSubMode()
{
    startBox.removeListener (this);
    startBox.hideEditor (true);
    noteNameBox.removeListener (this);
    noteNameBox.hidePopup();
    noteNameBox.setLookAndFeel (nullptr);
}

void NoteNameSubMode::numberBoxChanged (NumberBoxComponent<int>* box)
{
    const auto note = box->getValue();
    runFunction->start = note;
    // At once, so the pair has settled before the keys move on from START.
    noteNameBox.setSelectedId (note + 1, juce::sendNotificationSync);
}

void NoteNameSubMode::comboBoxChanged (juce::ComboBox* box)
{
    // Picking the name START already shows selects nothing new, so the pair settles here.
    if (box->getSelectedId() > 0)
        startBox.setValue (box->getSelectedId() - 1, juce::sendNotificationSync);
}
