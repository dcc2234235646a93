#include "model/DefaultPreset.h"
#include "ModelLayouts.h"

#include <gtest/gtest.h>

using namespace modeltest;

namespace
{
// The default preset written byte by byte from its listed values, straight into the dump's
// layout, without the model's help.
juce::Array<juce::uint8> listedDump()
{
    juce::Array<juce::uint8> d;
    d.insertMultiple (0, 0, 1083);
    auto put = [&d] (int at, std::initializer_list<int> values)
    {
        for (auto v : values)
            d.set (at++, static_cast<juce::uint8> (v));
    };

    put (0, { 0xf0, 0x47, 0x00, 0x35, 0x10, 0x08, 0x33, 0x0f });
    put (8, { 'G', 'e', 'n', 'e', 'r', 'i', 'c', ' ', 0 });
    put (17, { 0, 120, 1, 4, 1, 50, 50, 0x00, 0x02, 0x00, 0x00, 0x00, 3 });

    for (int i = 0; i < 64; ++i)
    {
        // Colours run through the bank in steps of four; "on" is the next group's "off".
        const int bank = i / 16, group = (i / 4) % 4;
        const int off = 1 + bank + 4 * group, on = 1 + bank + 4 * ((group + 1) % 4);
        put (8 + 22 + 11 * i, { 0, 0, 36 + i, 0, 0, 1, 0, 0, 0, off, on });
    }

    const int knobCC[] = { 3, 9, 14, 15, 52, 53, 54, 55, 83, 85, 86, 87 };
    const int faderCC[] = { 20, 21, 22, 23, 61, 62, 63, 70, 92, 93, 94, 95 };
    const int switchCC[] = { 28, 29, 30, 31, 75, 76, 77, 78, 106, 107, 108, 109 };
    for (int i = 0; i < 12; ++i)
    {
        put (8 + 726 + 9 * i, { 0, 0, knobCC[i], 0, 127, 0, 127, 127, 1 });
        put (8 + 834 + 6 * i, { 0, 0, faderCC[i], 0, 127, 0 });
        put (8 + 906 + 13 * i, { 0, 0, switchCC[i], i < 8 ? 1 : 0, 0, 0, 0, 0, 0, 127, 0, 49, 0 });
    }

    put (1070, { 0x04, 0x00, 0x00, 0x04, 0x00, 0x01, 0x04, 0x00, 0x02, 0x04, 0x00, 0x03, 0xf7 });
    return d;
}

juce::Array<juce::uint8> toArray (const juce::MemoryBlock& block)
{
    return { static_cast<const juce::uint8*> (block.getData()), static_cast<int> (block.getSize()) };
}
} // namespace

// The committed dump is what the listed values give, and a preset loaded from it writes back
// the same image except the transport's reserved bytes, which no preset reads or keeps.
TEST (DefaultPreset, StoredDumpMatchesTheListedValuesAndLoads)
{
    juce::MemoryBlock committed;
    const auto file = juce::File (QRX_SOURCE_DIR).getChildFile ("resources/DefaultPreset.syx");
    ASSERT_TRUE (file.loadFileAsData (committed)) << file.getFullPathName();
    EXPECT_EQ (toArray (committed), listedDump());
    EXPECT_EQ (getDefaultPresetDump(), committed);

    auto image = listedDump();
    image.removeRange (0, 8);
    image.removeRange (1062, 13);
    EXPECT_TRUE (imageIsValid (image));
    for (int i = 16; i <= 20; ++i)
        image.set (i, 0);

    auto preset = makeDefaultPreset();
    EXPECT_EQ (preset->getName(), "Generic ");
    EXPECT_EQ (preset->getData(), image);
    preset->getPad (0)->setParameterValue ("MIDI Note", val (1)); // each call makes a preset of its own
    EXPECT_EQ (makeDefaultPreset()->getData(), image);
}
