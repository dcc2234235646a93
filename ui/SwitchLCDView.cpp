#include "ui/SwitchLCDView.h"

#include "ui/WidgetFactories.h"

SwitchLCDView::SwitchLCDView (QRX5Switch::Ptr switchToEdit, const juce::String& title)
    : LCDView (title)
    , switchControl (switchToEdit)
    , typeBox (makeSwitchTypeBox (this))
    , channelBox (makeMidiChannelBox (this))
    , ccBox (makeMidiCcBox (nullptr))
    , triggerModeBox (makeTriggerModeBox (this))
    , programBox (makeProgramNumberBox (nullptr))
    , programMsbBox (makeProgramMsbBox (nullptr))
    , programLsbBox (makeProgramLsbBox (nullptr))
    , toDinBox (makeMidiToDinBox (this))
    , noteBox (makeMidiNoteBox (nullptr))
    , velocityBox (makeVelocityBox (nullptr))
    , key1Box (makeKey1Box (this))
    , key2Box (makeKey2Box (this))
{
    // CC, NOTE, PROGRAM, PROGRAM BANK, KEY STROKE
    addPageOfRows ({ typeBox.get(), channelBox.get(), ccBox.get(), triggerModeBox.get(), toDinBox.get() });
    addPageOfRows ({ typeBox.get(), channelBox.get(), triggerModeBox.get(), noteBox.get(), velocityBox.get(),
                     toDinBox.get() });
    addPageOfRows ({ typeBox.get(), channelBox.get(), programBox.get(), toDinBox.get() });
    addPageOfRows ({ typeBox.get(), channelBox.get(), programBox.get(), programMsbBox.get(),
                     programLsbBox.get(), toDinBox.get() });
    addPageOfRows ({ typeBox.get(), key1Box.get(), key2Box.get() });

    if (switchControl == nullptr)
        return;

    choosers.bind (*switchControl, "MIDI Channel", *channelBox, *this);
    choosers.bind (*switchControl, "Parameter Type", *typeBox, *this);
    choosers.bind (*switchControl, "Switch Mode", *triggerModeBox, *this);
    choosers.bind (*switchControl, "To Midi Din", *toDinBox, *this);
    choosers.bind (*switchControl, "Key 1", *key1Box, *this);
    choosers.bind (*switchControl, "Key 2", *key2Box, *this);
    switchControl->bindParameter ("MIDI CC", ccBox->getTextValue(), true);
    switchControl->bindParameter ("Program Number", programBox->getTextValue(), true);
    switchControl->bindParameter ("Program MSB", programMsbBox->getTextValue(), true);
    switchControl->bindParameter ("Program LSB", programLsbBox->getTextValue(), true);
    switchControl->bindParameter ("MIDI Note", noteBox->getTextValue(), true);
    switchControl->bindParameter ("Note Velocity", velocityBox->getTextValue(), true);
}

SwitchLCDView::~SwitchLCDView() = default;

void SwitchLCDView::resized() { LCDView::resized(); }

void SwitchLCDView::valueChanged (juce::Value& value)
{
    if (choosers.show (value) != typeBox.get())
        return;

    showPageOfType (value.getValue(), *typeBox);
    resized();
}

void SwitchLCDView::comboBoxChanged (juce::ComboBox* box)
{
    if (box == typeBox.get())
        noteTypePickedByUser();

    if (box != nullptr)
        choosers.write (*box);
}
