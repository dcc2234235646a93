#include "DefaultPreset.h"

#include "BinaryData.h"

namespace
{
constexpr int imageOffset = 8; // F0, four header bytes, two length bytes, the location byte
}

juce::MemoryBlock getDefaultPresetDump()
{
    return { BinaryData::DefaultPreset_syx, static_cast<size_t> (BinaryData::DefaultPreset_syxSize) };
}

QRX571EditorPreset::Ptr makeDefaultPreset()
{
    QRX571EditorPreset::Ptr preset = new QRX571EditorPreset();

    const auto dump = getDefaultPresetDump();
    const auto* bytes = static_cast<const juce::uint8*> (dump.getData());
    const int size = juce::jmin (preset->getDataSize(), static_cast<int> (dump.getSize()) - imageOffset);

    juce::Array<juce::uint8> image;
    if (size > 0)
        image.addArray (bytes + imageOffset, size);

    const bool loaded = preset->setFromData (image);
    jassertquiet (loaded);
    return preset;
}
