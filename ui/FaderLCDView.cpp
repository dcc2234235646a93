#include "ui/FaderLCDView.h"

#include "ui/WidgetFactories.h"

FaderLCDView::FaderLCDView (QRX5Fader::Ptr faderToEdit, const juce::String& title)
    : LCDView (title)
    , fader (faderToEdit)
    , typeBox (makeFaderTypeBox (this))
    , channelBox (makeMidiChannelBox (this))
    , ccBox (makeMidiCcBox (nullptr))
    , minBox (makeMinBox (nullptr))
    , maxBox (makeMaxBox (nullptr))
    , toDinBox (makeMidiToDinBox (this))
    , spacer (std::make_unique<juce::Component>())
{
    // CC, AFTERTOUCH
    addPageOfRows ({ typeBox.get(), channelBox.get(), ccBox.get(), spacer.get(), minBox.get(), maxBox.get(),
                     toDinBox.get() });
    addPageOfRows ({ typeBox.get(), channelBox.get(), minBox.get(), maxBox.get(), toDinBox.get() });

    if (fader == nullptr)
        return;

    choosers.bind (*fader, "Parameter Type", *typeBox, *this);
    choosers.bind (*fader, "MIDI Channel", *channelBox, *this);
    choosers.bind (*fader, "To MIDI DIN", *toDinBox, *this);
    fader->bindParameter ("CC Number", ccBox->getTextValue(), true);
    fader->bindParameter ("Min Value", minBox->getTextValue(), true);
    fader->bindParameter ("Max Value", maxBox->getTextValue(), true);
}

FaderLCDView::~FaderLCDView() = default;

void FaderLCDView::resized() { LCDView::resized(); }

void FaderLCDView::valueChanged (juce::Value& value)
{
    if (choosers.show (value) != typeBox.get())
        return;

    showPageOfType (value.getValue(), *typeBox);
    resized();
}

void FaderLCDView::comboBoxChanged (juce::ComboBox* box)
{
    if (box == typeBox.get())
        noteTypePickedByUser();

    if (box != nullptr)
        choosers.write (*box);
}
