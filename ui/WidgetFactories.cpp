#include "ui/WidgetFactories.h"

#include "ui/EditorStrings.h"

namespace
{
juce::StringArray numbersFrom (int first, int last)
{
    juce::StringArray items;

    for (int n = first; n <= last; ++n)
        items.add (juce::String (n));

    return items;
}

juce::StringArray offOnItems() { return { EditorStrings::off, EditorStrings::on }; }

juce::StringArray channelItems()
{
    juce::StringArray items{ EditorStrings::common };

    for (auto* prefix : { "A", "B" })
        for (int n = 1; n <= 16; ++n)
            items.add (prefix + juce::String (n));

    return items;
}

// In the order of the pad colour palette.
juce::StringArray padColourNames()
{
    return { "OFF",        "RED",          "ORANGE",      "AMBER",      "YELLOW", "GREEN",
             "GREEN BLUE", "AQUA",         "LIGHT BLUE",  "BLUE",       "PURPLE", "PINK",
             "HOT PINK",   "LIGHT PURPLE", "LIGHT GREEN", "LIGHT PINK", "GREY" };
}

juce::StringArray keyNames()
{
    auto items = numbersFrom (1, 9);
    items.add ("0");

    for (auto c = 'A'; c <= 'Z'; ++c)
        items.add (juce::String::charToString (c));

    for (int n = 1; n <= 12; ++n)
        items.add ("F" + juce::String (n));

    items.addArray (juce::StringArray{
        "BACKSPACE", "RETURN", "Up Arrow", "Down Arrow", "Left Arrow", "Right Arrow", "Tab", ",",
        ".",         "/",      "[",        "]",          "\\",         "`",           ";",   "-",
        "=",         "ESC",    "INSERT",   "HOME",       "PAGE UP",    "DELETE",      "END", "PAGE DOWN" });

    for (int n = 1; n <= 9; ++n)
        items.add ("NUM " + juce::String (n));

    items.add ("NUM 0");
    return items;
}

juce::StringArray modifierNames()
{
    return { "<None>",
             "CTRL",
             "SHIFT",
             "ALT",
             "OPTION",
             "CTRL + SHIFT",
             "CTRL + ALT",
             "CTRL + OPTION",
             "SHIFT + ALT",
             "SHIFT + OPTION",
             "ALT + OPTION",
             "CTRL + ALT + OPT",
             "CTRL + SHIFT + ALT",
             "CTRL + SHIFT + OPT" };
}

constexpr int lowestByte = 0;
constexpr int highestByte = 127;
} // namespace

juce::ComboBox* makeComboBox (const juce::String& name, const juce::StringArray& items,
                              juce::ComboBox::Listener* listener)
{
    auto* box = new juce::ComboBox (name);
    box->setColour (juce::ComboBox::textColourId, juce::Colours::white);
    box->setColour (juce::ComboBox::backgroundColourId, juce::Colours::transparentBlack);
    box->setColour (juce::ComboBox::arrowColourId, juce::Colours::white);
    box->setColour (juce::ComboBox::outlineColourId, juce::Colours::transparentBlack);

    if (! items.isEmpty())
        box->addItemList (items, 1);

    if (listener != nullptr)
        box->addListener (listener);

    return box;
}

NumberBoxComponent<int>* makeNumberBox (const juce::String& name, int minimum, int maximum,
                                        NumberBoxComponent<int>::Listener* listener)
{
    auto* box = new NumberBoxComponent<int> (name, minimum, maximum, minimum);
    box->setColour (juce::Label::backgroundColourId, juce::Colours::transparentBlack);
    box->setColour (juce::Label::textColourId, juce::Colours::white);
    // Set on the label so that its text editor inherits them.
    box->setColour (juce::TextEditor::backgroundColourId, juce::Colours::transparentBlack);
    box->setColour (juce::TextEditor::textColourId, juce::Colours::white);

    if (listener != nullptr)
        box->addListener (listener);

    return box;
}

juce::ComboBox* makeMidiChannelBox (juce::ComboBox::Listener* listener)
{
    return makeComboBox (EditorStrings::midiChannel, channelItems(), listener);
}

juce::ComboBox* makeCommonChannelBox (juce::ComboBox::Listener* listener)
{
    auto items = channelItems();
    items.remove (0);
    return makeComboBox (EditorStrings::commonChannel, items, listener);
}

juce::ComboBox* makeMidiToDinBox (juce::ComboBox::Listener* listener)
{
    return makeComboBox (EditorStrings::midiToDin, offOnItems(), listener);
}

juce::ComboBox* makeTransportToDinBox (juce::ComboBox::Listener* listener)
{
    return makeComboBox (EditorStrings::transportToDin, offOnItems(), listener);
}

juce::ComboBox* makeTempoLedBox (juce::ComboBox::Listener* listener)
{
    return makeComboBox (EditorStrings::tempoLed, offOnItems(), listener);
}

juce::ComboBox* makeNoteDisplayBox (juce::ComboBox::Listener* listener)
{
    return makeComboBox (EditorStrings::noteDisplay, { "VALUE", "NUMBER" }, listener);
}

juce::ComboBox* makeLcdContrastBox (juce::ComboBox::Listener* listener)
{
    return makeComboBox (EditorStrings::lcdContrast, numbersFrom (0, 99), listener);
}

juce::ComboBox* makeTapAverageBox (juce::ComboBox::Listener* listener)
{
    return makeComboBox (EditorStrings::tapAverage, numbersFrom (2, 4), listener);
}

juce::ComboBox* makeMidiClockBox (juce::ComboBox::Listener* listener)
{
    return makeComboBox (EditorStrings::midiClock, { "INTERNAL", "EXTERNAL" }, listener);
}

juce::ComboBox* makePadThresholdBox (juce::ComboBox::Listener* listener)
{
    return makeComboBox (EditorStrings::padThreshold, numbersFrom (1, 10), listener);
}

juce::ComboBox* makePadCurveBox (juce::ComboBox::Listener* listener)
{
    return makeComboBox (EditorStrings::padCurve, { "LINEAR", "S-CURVE", "LOG 1", "LOG 2", "EXP 1", "EXP 2" },
                         listener);
}

juce::ComboBox* makePadGainBox (juce::ComboBox::Listener* listener)
{
    return makeComboBox (EditorStrings::padGain, numbersFrom (0, 20), listener);
}

juce::ComboBox* makePadTypeBox (juce::ComboBox::Listener* listener)
{
    return makeComboBox (EditorStrings::padType, { "NOTE", "PROGRAM", "PROGRAM BANK" }, listener);
}

juce::ComboBox* makeOnColorBox (juce::ComboBox::Listener* listener)
{
    return makeComboBox (EditorStrings::onColor, padColourNames(), listener);
}

juce::ComboBox* makeOffColorBox (juce::ComboBox::Listener* listener)
{
    return makeComboBox (EditorStrings::offColor, padColourNames(), listener);
}

juce::ComboBox* makeTriggerModeBox (juce::ComboBox::Listener* listener)
{
    return makeComboBox (EditorStrings::triggerMode, { "MOMENTARY", "TOGGLE" }, listener);
}

juce::ComboBox* makeAftertouchBox (juce::ComboBox::Listener* listener)
{
    return makeComboBox (EditorStrings::aftertouch, { "OFF", "CHANNEL", "POLY" }, listener);
}

juce::ComboBox* makeSwitchTypeBox (juce::ComboBox::Listener* listener)
{
    return makeComboBox (EditorStrings::switchType, { "CC", "NOTE", "PROGRAM", "PROGRAM BANK", "KEY STROKE" },
                         listener);
}

juce::ComboBox* makeKnobTypeBox (juce::ComboBox::Listener* listener)
{
    return makeComboBox (EditorStrings::knobType, { "CC", "AFTERTOUCH", "INC/DEC 1", "INC/DEC 2" }, listener);
}

juce::ComboBox* makeFaderTypeBox (juce::ComboBox::Listener* listener)
{
    return makeComboBox (EditorStrings::faderType, { "CC", "AFTERTOUCH" }, listener);
}

juce::ComboBox* makeKey1Box (juce::ComboBox::Listener* listener)
{
    return makeComboBox ("KEY 1", keyNames(), listener);
}

juce::ComboBox* makeKey2Box (juce::ComboBox::Listener* listener)
{
    return makeComboBox ("KEY 2", modifierNames(), listener);
}

NumberBoxComponent<int>* makeMidiCcBox (NumberBoxComponent<int>::Listener* listener)
{
    return makeNumberBox (EditorStrings::midiCc, lowestByte, highestByte, listener);
}

NumberBoxComponent<int>* makeMidiNoteBox (NumberBoxComponent<int>::Listener* listener)
{
    return makeNumberBox (EditorStrings::midiNote, lowestByte, highestByte, listener);
}

NumberBoxComponent<int>* makeMinBox (NumberBoxComponent<int>::Listener* listener)
{
    return makeNumberBox (EditorStrings::minimum, lowestByte, highestByte, listener);
}

NumberBoxComponent<int>* makeMaxBox (NumberBoxComponent<int>::Listener* listener)
{
    return makeNumberBox (EditorStrings::maximum, lowestByte, highestByte, listener);
}

NumberBoxComponent<int>* makeProgramNumberBox (NumberBoxComponent<int>::Listener* listener)
{
    return makeNumberBox (EditorStrings::programNumber, lowestByte, highestByte, listener);
}

NumberBoxComponent<int>* makeProgramMsbBox (NumberBoxComponent<int>::Listener* listener)
{
    return makeNumberBox (EditorStrings::programMsb, lowestByte, highestByte, listener);
}

NumberBoxComponent<int>* makeProgramLsbBox (NumberBoxComponent<int>::Listener* listener)
{
    return makeNumberBox (EditorStrings::programLsb, lowestByte, highestByte, listener);
}

NumberBoxComponent<int>* makeVelocityBox (NumberBoxComponent<int>::Listener* listener)
{
    return makeNumberBox (EditorStrings::velocity, lowestByte, highestByte, listener);
}

NumberBoxComponent<int>* makeNrpnMsbBox (NumberBoxComponent<int>::Listener* listener)
{
    return makeNumberBox (EditorStrings::nrpnMsb, lowestByte, highestByte, listener);
}

NumberBoxComponent<int>* makeNrpnLsbBox (NumberBoxComponent<int>::Listener* listener)
{
    return makeNumberBox (EditorStrings::nrpnLsb, lowestByte, highestByte, listener);
}

NumberBoxComponent<int>* makeValueBox (NumberBoxComponent<int>::Listener* listener)
{
    return makeNumberBox (EditorStrings::nrpnValue, lowestByte, highestByte, listener);
}
