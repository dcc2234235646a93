// A preset's name is eight characters padded with blanks ("Generic "). The user reads and edits
// it without those blanks; presets keep and send it padded, so their bytes stay the same.
#pragma once

#include <juce_core/juce_core.h>

// The name as the user sees it: without its trailing blanks.
juce::String presetNameShown (const juce::String& storedName);

// The name as a preset keeps it: the typed text padded with blanks to eight characters.
juce::String presetNameStored (const juce::String& shownName);
