// Every parameter widget is made here, so a parameter looks and reads the same wherever
// it is shown. Each factory hands back a new widget that the caller owns; a null
// listener is allowed. Choosers number their items from 1 and start with nothing selected.
#pragma once

#include "ui/NumberBoxComponent.h"

#include <juce_gui_basics/juce_gui_basics.h>

// A chooser with white text and arrow on a transparent background.
juce::ComboBox* makeComboBox (const juce::String& name, const juce::StringArray& items,
                              juce::ComboBox::Listener* listener);

// A number box with white text on a transparent background, starting at minimum.
NumberBoxComponent<int>* makeNumberBox (const juce::String& name, int minimum, int maximum,
                                        NumberBoxComponent<int>::Listener* listener);

// Choosers.
juce::ComboBox* makeMidiChannelBox (juce::ComboBox::Listener* listener);   // COMMON, A1..A16, B1..B16
juce::ComboBox* makeCommonChannelBox (juce::ComboBox::Listener* listener); // A1..A16, B1..B16
juce::ComboBox* makeMidiToDinBox (juce::ComboBox::Listener* listener);
juce::ComboBox* makeTransportToDinBox (juce::ComboBox::Listener* listener);
juce::ComboBox* makeTempoLedBox (juce::ComboBox::Listener* listener);
juce::ComboBox* makeNoteDisplayBox (juce::ComboBox::Listener* listener);
juce::ComboBox* makeLcdContrastBox (juce::ComboBox::Listener* listener); // "0".."99"
juce::ComboBox* makeTapAverageBox (juce::ComboBox::Listener* listener);  // "2".."4"
juce::ComboBox* makeMidiClockBox (juce::ComboBox::Listener* listener);
juce::ComboBox* makePadThresholdBox (juce::ComboBox::Listener* listener); // "1".."10"
juce::ComboBox* makePadCurveBox (juce::ComboBox::Listener* listener);
juce::ComboBox* makePadGainBox (juce::ComboBox::Listener* listener); // "0".."20"
juce::ComboBox* makePadTypeBox (juce::ComboBox::Listener* listener);
juce::ComboBox* makeOnColorBox (juce::ComboBox::Listener* listener);  // the 17 pad colours
juce::ComboBox* makeOffColorBox (juce::ComboBox::Listener* listener); // the 17 pad colours
juce::ComboBox* makeTriggerModeBox (juce::ComboBox::Listener* listener);
juce::ComboBox* makeAftertouchBox (juce::ComboBox::Listener* listener);
juce::ComboBox* makeSwitchTypeBox (juce::ComboBox::Listener* listener);
juce::ComboBox* makeKnobTypeBox (juce::ComboBox::Listener* listener);
juce::ComboBox* makeFaderTypeBox (juce::ComboBox::Listener* listener);
juce::ComboBox* makeKey1Box (juce::ComboBox::Listener* listener); // the 82 key names
juce::ComboBox* makeKey2Box (juce::ComboBox::Listener* listener); // the 14 modifier combinations

// Number boxes, each 0 to 127.
NumberBoxComponent<int>* makeMidiCcBox (NumberBoxComponent<int>::Listener* listener);
NumberBoxComponent<int>* makeMidiNoteBox (NumberBoxComponent<int>::Listener* listener);
NumberBoxComponent<int>* makeMinBox (NumberBoxComponent<int>::Listener* listener);
NumberBoxComponent<int>* makeMaxBox (NumberBoxComponent<int>::Listener* listener);
NumberBoxComponent<int>* makeProgramNumberBox (NumberBoxComponent<int>::Listener* listener);
NumberBoxComponent<int>* makeProgramMsbBox (NumberBoxComponent<int>::Listener* listener);
NumberBoxComponent<int>* makeProgramLsbBox (NumberBoxComponent<int>::Listener* listener);
NumberBoxComponent<int>* makeVelocityBox (NumberBoxComponent<int>::Listener* listener);
NumberBoxComponent<int>* makeNrpnMsbBox (NumberBoxComponent<int>::Listener* listener);
NumberBoxComponent<int>* makeNrpnLsbBox (NumberBoxComponent<int>::Listener* listener);
NumberBoxComponent<int>* makeValueBox (NumberBoxComponent<int>::Listener* listener);
