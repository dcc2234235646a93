#include "QRX571EditorPreset.h"

namespace
{
juce::Array<juce::uint8> slice (const juce::Array<juce::uint8>& image, int offset, int size)
{
    juce::Array<juce::uint8> part;
    part.addArray (image, offset, size);
    return part;
}

template <typename Control>
juce::ReferenceCountedObjectPtr<Control> at (const juce::ReferenceCountedArray<Control>& controls, int index)
{
    if (index < 0 || index >= controls.size())
        return nullptr;
    return controls.getObjectPointerUnchecked (index);
}

// Every control's record is tested, even after a failure: the answer is all or nothing.
template <typename Control>
bool validateEach (const juce::ReferenceCountedArray<Control>& controls,
                   const juce::Array<juce::uint8>& image, int offset)
{
    bool valid = true;
    for (int i = 0; i < controls.size(); ++i)
        valid = controls.getUnchecked (i)->validate (
                    slice (image, offset + i * Control::recordSize, Control::recordSize)) &&
                valid;
    return valid;
}

template <typename Control>
void readEach (const juce::ReferenceCountedArray<Control>& controls, const juce::Array<juce::uint8>& image,
               int offset)
{
    for (int i = 0; i < controls.size(); ++i)
        controls.getUnchecked (i)->setFromData (
            slice (image, offset + i * Control::recordSize, Control::recordSize));
}
} // namespace

QRX571EditorPreset::QRX571EditorPreset()
{
    for (int i = 0; i < numPads; ++i)
        pads.add (new QRX5Pad());
    for (int i = 0; i < numKnobs; ++i)
        knobs.add (new QRX5Knob());
    for (int i = 0; i < numFaders; ++i)
        faders.add (new QRX5Fader());
    for (int i = 0; i < numSwitches; ++i)
        switches.add (new QRX5Switch());
    transport = new QRX5Transport();
}

juce::Array<juce::uint8> QRX571EditorPreset::getData()
{
    juce::Array<juce::uint8> image;
    image.ensureStorageAllocated (getDataSize());

    image.addArray (getNameBytes());
    image.add (0);
    image.addArray (transport->getData());
    for (auto* pad : pads)
        image.addArray (pad->getData());
    for (auto* knob : knobs)
        image.addArray (knob->getData());
    for (auto* fader : faders)
        image.addArray (fader->getData());
    for (auto* sw : switches)
        image.addArray (sw->getData());
    return image;
}

bool QRX571EditorPreset::validate (const juce::Array<juce::uint8>& image)
{
    if (image.size() != getDataSize())
        return false;

    bool valid = validateNameBytes (slice (image, 0, nameLength));
    valid = image[nameLength] == 0 && valid;
    valid = transport->validate (slice (image, transportOffset, QRX5Transport::recordSize)) && valid;

    valid = validateEach (pads, image, padOffset) && valid;
    valid = validateEach (knobs, image, knobOffset) && valid;
    valid = validateEach (faders, image, faderOffset) && valid;
    valid = validateEach (switches, image, switchOffset) && valid;
    return valid;
}

bool QRX571EditorPreset::setFromData (const juce::Array<juce::uint8>& image)
{
    if (! validate (image))
        return false;

    // A 0x00 byte ends nothing and adds nothing; trailing blanks stay part of the name.
    juce::String newName;
    for (int i = 0; i < nameLength; ++i)
        if (image[i] != 0)
            newName << juce::String::charToString (static_cast<juce::juce_wchar> (image[i]));
    setName (newName);

    transport->setFromData (slice (image, transportOffset, QRX5Transport::recordSize));
    readEach (pads, image, padOffset);
    readEach (knobs, image, knobOffset);
    readEach (faders, image, faderOffset);
    readEach (switches, image, switchOffset);
    return true;
}

int QRX571EditorPreset::getDataSize() { return switchOffset + switches.size() * QRX5Switch::recordSize; }

QRX5Pad::Ptr QRX571EditorPreset::getPad (int index) { return at (pads, index); }

QRX5Fader::Ptr QRX571EditorPreset::getFader (int index) { return at (faders, index); }

QRX5Transport::Ptr QRX571EditorPreset::getTransport() { return transport; }

QRX5Knob::Ptr QRX571EditorPreset::getKnob (int index) { return at (knobs, index); }

QRX5Switch::Ptr QRX571EditorPreset::getSwitch (int index) { return at (switches, index); }
