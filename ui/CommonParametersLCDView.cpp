#include "ui/CommonParametersLCDView.h"

#include "ui/FittedFont.h"
#include "ui/ShownPresetNameSource.h"
#include "ui/WidgetFactories.h"

namespace
{
const juce::StringArray timeDivisions{ "1/4",  "1/4 TRIPLET",  "1/8",  "1/8 TRIPLET",
                                       "1/16", "1/16 TRIPLET", "1/32", "1/32 TRIPLET" };
const juce::StringArray switchModes{ "MOMENTARY", "TOGGLE" };
const juce::StringArray transportTypes{ "MMC", "MMC MIDI", "MIDI", "CTRL", "PTEX" };

// What a preset name may hold: at most 8 characters, each with a code from 1 to 127.
constexpr int maxNameLength = 8;

juce::String allowedNameCharacters()
{
    juce::String allowed;

    for (juce::juce_wchar c = 1; c < 128; ++c)
        allowed += juce::String::charToString (c);

    return allowed;
}

// The widest name there can be: as many of the widest allowed character as a name may hold.
juce::String widestName (const juce::Font& font)
{
    juce::juce_wchar widest = ' ';

    for (juce::juce_wchar c = ' '; c < 127; ++c)
        if (font.getStringWidthFloat (juce::String::charToString (c)) >
            font.getStringWidthFloat (juce::String::charToString (widest)))
            widest = c;

    return juce::String::repeatedString (juce::String::charToString (widest), maxNameLength);
}
} // namespace

CommonParametersLCDView::CommonParametersLCDView (QRX5EditorPreset::Ptr presetToEdit,
                                                  MEditorControl::Ptr transport)
    : nameEditor (std::make_unique<juce::TextEditor> (juce::String(), static_cast<juce::juce_wchar> (0)))
    , preset (presetToEdit)
{
    nameEditor->setName ("PRESET");
    nameEditor->setColour (juce::TextEditor::backgroundColourId, juce::Colours::transparentBlack);
    nameEditor->setColour (juce::TextEditor::textColourId, juce::Colours::white);
    nameEditor->setInputRestrictions (maxNameLength, allowedNameCharacters());
    nameEditor->setSize (80, 20);

    // Room for every name there can be, so that none scrolls out of sight. The editor keeps its
    // indent and a margin for the caret inside its border.
    const auto nameWidth = nameEditor->getBorder().subtractedFrom (nameEditor->getLocalBounds()).getWidth() -
                           nameEditor->getLeftIndent() - 2;
    nameEditor->setFont (
        fitFont (nameEditor->getFont(), widestName (nameEditor->getFont()), (float)nameWidth));
    addAndMakeVisible (nameEditor.get());
    addCaption (*nameEditor, 60);

    tempoBox.reset (makeNumberBox ("TEMPO", 30, 300, nullptr));
    tempoBox->setSize (35, 20);
    addAndMakeVisible (tempoBox.get());
    addCaption (*tempoBox, 52);

    swingBox.reset (makeNumberBox ("SWING", 50, 75, nullptr));
    swingBox->setSize (35, 20);
    addAndMakeVisible (swingBox.get());
    addCaption (*swingBox, 52);

    gateBox.reset (makeNumberBox ("GATE", 1, 99, nullptr));
    gateBox->setSize (35, 20);
    addAndMakeVisible (gateBox.get());
    addCaption (*gateBox, 52);

    timeDivisionBox.reset (makeComboBox ("TIME DIVISION", timeDivisions, this));
    timeDivisionBox->setSize (100, 20);
    addAndMakeVisible (timeDivisionBox.get());
    addCaption (*timeDivisionBox, 100);

    noteRepeatSwitchBox.reset (makeComboBox ("NOTE REPEAT SWITCH", switchModes, this));
    noteRepeatSwitchBox->setSize (85, 20);
    addAndMakeVisible (noteRepeatSwitchBox.get());
    addCaption (*noteRepeatSwitchBox, 130);

    timeDivSwitchBox.reset (makeComboBox ("TIME DIV SWITCH", switchModes, this));
    timeDivSwitchBox->setSize (85, 20);
    addAndMakeVisible (timeDivSwitchBox.get());
    addCaption (*timeDivSwitchBox, 130);

    transportTypeBox.reset (makeComboBox ("TRANSPORT TYPE", transportTypes, this));
    transportTypeBox->setSize (85, 20);
    addAndMakeVisible (transportTypeBox.get());
    addCaption (*transportTypeBox, 110);

    if (transport != nullptr)
    {
        transport->bindParameter ("GATE", gateBox->getTextValue(), true);
        transport->bindParameter ("SWING", swingBox->getTextValue(), true);

        repeatToggleValue.addListener (this);
        timeDivisionToggleValue.addListener (this);
        transportTypeValue.addListener (this);
        transport->bindParameter ("REPEAT TOGGLE", repeatToggleValue, true);
        transport->bindParameter ("TIME DIVISION TOGGLE", timeDivisionToggleValue, true);
        transport->bindParameter ("TRANSPORT TYPE", transportTypeValue, true);

        timeDivisionValue.addListener (this);
        transport->bindParameter ("BPM", tempoBox->getTextValue(), true);
        transport->bindParameter ("TIME DIVISION", timeDivisionValue, true);
    }

    // The box edits the name without the blanks that pad it, still renaming on every keystroke
    // (its text value is written as the text changes; a text-change listener would hear later,
    // possibly after a load it would then undo).
    if (preset != nullptr)
    {
        shownName.referTo (juce::Value (new ShownPresetNameSource (preset)));
        nameEditor->getTextValue().referTo (shownName);
    }
}

CommonParametersLCDView::~CommonParametersLCDView() = default;

juce::Label* CommonParametersLCDView::addCaption (juce::Component& widget, int width)
{
    auto* caption = captions.add (new juce::Label());
    caption->setText (widget.getName() + ":", juce::dontSendNotification);
    caption->setSize (width, 20);
    addAndMakeVisible (caption);
    return caption;
}

void CommonParametersLCDView::resized()
{
    for (int i = 0; i < captions.size(); ++i)
    {
        auto* caption = captions.getUnchecked (i);

        if (i < 5)
            caption->setTopLeftPosition (0, i * 20);
        else
            caption->setTopLeftPosition (80, (i - 4) * 20);

        caption->setColour (juce::Label::textColourId, juce::Colours::white);
    }

    nameEditor->setTopLeftPosition (50, 0);
    tempoBox->setTopLeftPosition (50, 20);
    swingBox->setTopLeftPosition (50, 40);
    gateBox->setTopLeftPosition (50, 60);
    timeDivisionBox->setTopLeftPosition (100, 80);
    noteRepeatSwitchBox->setTopLeftPosition (208, 20);
    timeDivSwitchBox->setTopLeftPosition (208, 40);
    transportTypeBox->setTopLeftPosition (208, 60);

    // The captions share one font, the largest in which each reads whole before its own widget.
    const juce::Component* widgets[] = { nameEditor.get(),       tempoBox.get(),
                                         swingBox.get(),         gateBox.get(),
                                         timeDivisionBox.get(),  noteRepeatSwitchBox.get(),
                                         timeDivSwitchBox.get(), transportTypeBox.get() };
    juce::StringArray texts;
    juce::Array<float> widths;

    for (int i = 0; i < captions.size() && i < juce::numElementsInArray (widgets); ++i)
    {
        auto* caption = captions.getUnchecked (i);
        const auto room =
            caption->getBounds().withRight (juce::jmin (caption->getRight(), widgets[i]->getX()));
        texts.add (caption->getText());
        widths.add ((float)caption->getBorderSize().subtractedFrom (room).getWidth());
    }

    const auto font = fitFont (juce::Font (15.0f), texts, widths);
    for (auto* caption : captions)
        caption->setFont (font);
}

void CommonParametersLCDView::valueChanged (juce::Value& value)
{
    const int n = value.getValue();

    if (value.refersToSameSourceAs (timeDivisionValue))
        timeDivisionBox->setSelectedId (n + 1, juce::dontSendNotification);
    else if (value.refersToSameSourceAs (repeatToggleValue))
        noteRepeatSwitchBox->setSelectedId (n + 1, juce::dontSendNotification);
    else if (value.refersToSameSourceAs (transportTypeValue))
        transportTypeBox->setSelectedId (n + 1, juce::dontSendNotification);
    else if (value.refersToSameSourceAs (timeDivisionToggleValue))
        timeDivSwitchBox->setSelectedId (n + 1, juce::dontSendNotification);
}

void CommonParametersLCDView::comboBoxChanged (juce::ComboBox* box)
{
    if (box == nullptr)
        return;

    const juce::var value (box->getSelectedId() - 1);

    if (box == timeDivisionBox.get())
        timeDivisionValue = value;
    else if (box == timeDivSwitchBox.get())
        timeDivisionToggleValue = value;
    else if (box == noteRepeatSwitchBox.get())
        repeatToggleValue = value;
    else if (box == transportTypeBox.get())
        transportTypeValue = value;
}
