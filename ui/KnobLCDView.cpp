#include "ui/KnobLCDView.h"

#include "ui/WidgetFactories.h"

KnobLCDView::KnobLCDView (QRX5Knob::Ptr knobToEdit, const juce::String& title)
    : LCDView (title)
    , knob (knobToEdit)
    , typeBox (makeKnobTypeBox (this))
    , channelBox (makeMidiChannelBox (this))
    , ccBox (makeMidiCcBox (nullptr))
    , minBox (makeMinBox (nullptr))
    , maxBox (makeMaxBox (nullptr))
    , nrpnMsbBox (makeNrpnMsbBox (nullptr))
    , nrpnLsbBox (makeNrpnLsbBox (nullptr))
    , nrpnValueBox (makeValueBox (nullptr))
    , toDinBox (makeMidiToDinBox (this))
    , spacer (std::make_unique<juce::Component>())
{
    // CC, AFTERTOUCH, INC/DEC 1, INC/DEC 2
    addPageOfRows ({ typeBox.get(), channelBox.get(), ccBox.get(), spacer.get(), minBox.get(), maxBox.get(),
                     toDinBox.get() });
    addPageOfRows ({ typeBox.get(), channelBox.get(), minBox.get(), maxBox.get(), toDinBox.get() });
    addPageOfRows ({ typeBox.get(), channelBox.get(), nrpnMsbBox.get(), nrpnLsbBox.get(), nrpnValueBox.get(),
                     toDinBox.get() });
    addPageOfRows ({ typeBox.get(), channelBox.get(), ccBox.get(), toDinBox.get() });

    if (knob == nullptr)
        return;

    choosers.bind (*knob, "Parameter Type", *typeBox, *this);
    knob->bindParameter ("CC Number", ccBox->getTextValue(), true);
    knob->bindParameter ("Min Value", minBox->getTextValue(), true);
    knob->bindParameter ("Max Value", maxBox->getTextValue(), true);
    knob->bindParameter ("NRPN LSB", nrpnLsbBox->getTextValue(), true);
    knob->bindParameter ("NRPN MSB", nrpnMsbBox->getTextValue(), true);
    knob->bindParameter ("NRPN Value", nrpnValueBox->getTextValue(), true);
    choosers.bind (*knob, "To MIDI DIN", *toDinBox, *this);
    choosers.bind (*knob, "MIDI Channel", *channelBox, *this);
}

KnobLCDView::~KnobLCDView() = default;

void KnobLCDView::resized() { LCDView::resized(); }

void KnobLCDView::valueChanged (juce::Value& value)
{
    if (choosers.show (value) != typeBox.get())
        return;

    showPageOfType (value.getValue(), *typeBox);
}

void KnobLCDView::comboBoxChanged (juce::ComboBox* box)
{
    if (box == typeBox.get())
        noteTypePickedByUser();

    if (box != nullptr)
        choosers.write (*box);
}
