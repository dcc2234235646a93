#include "ui/EditorStrings.h"

#include <juce_audio_basics/juce_audio_basics.h>

juce::String formatNoteLabel (int note)
{
    const auto name = juce::MidiMessage::getMidiNoteName (note, true, true, 4);
    return EditorStrings::noteLabel + juce::String (note) + " (" + name + ")";
}
