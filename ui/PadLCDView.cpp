#include "ui/PadLCDView.h"

#include "ui/WidgetFactories.h"

PadLCDView::PadLCDView (QRX5Pad::Ptr padToEdit, const juce::String& title)
    : LCDView (title)
    , pad (padToEdit)
    , typeBox (makePadTypeBox (this))
    , channelBox (makeMidiChannelBox (this))
    , noteBox (makeMidiNoteBox (nullptr))
    , aftertouchBox (makeAftertouchBox (this))
    , triggerModeBox (makeTriggerModeBox (this))
    , programBox (makeProgramNumberBox (nullptr))
    , programMsbBox (makeProgramMsbBox (nullptr))
    , programLsbBox (makeProgramLsbBox (nullptr))
    , toDinBox (makeMidiToDinBox (this))
    , onColourBox (makeOnColorBox (this))
    , offColourBox (makeOffColorBox (this))
{
    // NOTE, PROGRAM, PROGRAM BANK
    addPageOfRows ({ typeBox.get(), channelBox.get(), noteBox.get(), aftertouchBox.get(),
                     triggerModeBox.get(), toDinBox.get(), onColourBox.get(), offColourBox.get() });
    addPageOfRows ({ typeBox.get(), channelBox.get(), programBox.get(), toDinBox.get(), onColourBox.get(),
                     offColourBox.get() });
    addPageOfRows ({ typeBox.get(), channelBox.get(), programBox.get(), programMsbBox.get(),
                     programLsbBox.get(), toDinBox.get(), onColourBox.get(), offColourBox.get() });

    if (pad == nullptr)
        return;

    choosers.bind (*pad, "Aftertouch Type", *aftertouchBox, *this);
    choosers.bind (*pad, "Parameter Type", *typeBox, *this);
    choosers.bind (*pad, "Note Toggle Mode", *triggerModeBox, *this);
    pad->bindParameter ("Program Number", programBox->getTextValue(), true);
    pad->bindParameter ("Program MSB", programMsbBox->getTextValue(), true);
    pad->bindParameter ("Program LSB", programLsbBox->getTextValue(), true);
    pad->bindParameter ("MIDI Note", noteBox->getTextValue(), true);
    choosers.bind (*pad, "Color Off", *offColourBox, *this);
    choosers.bind (*pad, "Color On", *onColourBox, *this);
    choosers.bind (*pad, "To MIDI Din", *toDinBox, *this);
    choosers.bind (*pad, "MIDI Channel", *channelBox, *this);
}

PadLCDView::~PadLCDView() = default;

void PadLCDView::resized() { LCDView::resized(); }

void PadLCDView::valueChanged (juce::Value& value)
{
    if (choosers.show (value) != typeBox.get())
        return;

    showPageOfType (value.getValue(), *typeBox);
    resized();
}

void PadLCDView::comboBoxChanged (juce::ComboBox* box)
{
    if (box == typeBox.get())
        noteTypePickedByUser();

    if (box != nullptr)
        choosers.write (*box);
}
