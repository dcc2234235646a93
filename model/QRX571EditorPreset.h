// The device's preset: 64 pads, 12 knobs, 12 faders, 12 switches and the transport, and the
// 1062-byte image the device exchanges:
//   0..7     name, blank-padded          9..21    transport
//   8        0x00                        22..725  pads, 11 bytes each
//   726..833 knobs, 9 bytes each         834..905 faders, 6 bytes each
//   906..1061 switches, 13 bytes each
// Knobs come before faders in the image.
#pragma once

#include "QRX5EditorPreset.h"
#include "QRX5Fader.h"
#include "QRX5Knob.h"
#include "QRX5Pad.h"
#include "QRX5Switch.h"
#include "QRX5Transport.h"

class QRX571EditorPreset : public QRX5EditorPreset
{
public:
    using Ptr = juce::ReferenceCountedObjectPtr<QRX571EditorPreset>;

    static constexpr int numPads = 64;
    static constexpr int numKnobs = 12;
    static constexpr int numFaders = 12;
    static constexpr int numSwitches = 12;
    static constexpr int padsPerBank = 16;
    static constexpr int controlsPerBank = 4; // knobs, faders and switches

    static constexpr int transportOffset = 9;
    static constexpr int padOffset = 22;
    static constexpr int knobOffset = padOffset + numPads * QRX5Pad::recordSize;
    static constexpr int faderOffset = knobOffset + numKnobs * QRX5Knob::recordSize;
    static constexpr int switchOffset = faderOffset + numFaders * QRX5Fader::recordSize;
    static constexpr int imageSize = switchOffset + numSwitches * QRX5Switch::recordSize; // 1062

    QRX571EditorPreset();

    juce::Array<juce::uint8> getData() override;

    // All or nothing: the right size, a valid name, byte 8 zero and every record valid.
    bool validate (const juce::Array<juce::uint8>& image) override;

    // Validates first; a refused image leaves the whole preset, name included, as it was.
    bool setFromData (const juce::Array<juce::uint8>& image) override;

    int getDataSize() override;
    ~QRX571EditorPreset() override = default;

    // Each answers null for an index outside the array.
    virtual QRX5Pad::Ptr getPad (int index);
    virtual QRX5Fader::Ptr getFader (int index);
    virtual QRX5Transport::Ptr getTransport();
    virtual QRX5Knob::Ptr getKnob (int index);
    virtual QRX5Switch::Ptr getSwitch (int index);

private:
    juce::ReferenceCountedArray<QRX5Pad> pads;
    juce::ReferenceCountedArray<QRX5Fader> faders;
    juce::ReferenceCountedArray<QRX5Knob> knobs;
    juce::ReferenceCountedArray<QRX5Switch> switches;
    QRX5Transport::Ptr transport;
};
