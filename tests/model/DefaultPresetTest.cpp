#include "model/DefaultPreset.h"
#include "ModelLayouts.h"

#include <gtest/gtest.h>

using namespace modeltest;

// The committed dump is one valid preset whose pads run up from note 36, and a preset loaded from
// it writes back the same image except the transport's reserved bytes, which no preset keeps.
TEST (DefaultPreset, StoredDumpIsAValidPresetAndEachCallMakesAFreshOne)
{
    juce::MemoryBlock committed;
    const auto file = juce::File (QRX_SOURCE_DIR).getChildFile ("resources/DefaultPreset.syx");
    ASSERT_TRUE (file.loadFileAsData (committed)) << file.getFullPathName();
    EXPECT_EQ (getDefaultPresetDump(), committed);
    ASSERT_EQ (committed.getSize(), 1083u);

    juce::Array<juce::uint8> image (static_cast<const juce::uint8*> (committed.getData()) + 8, 1062);
    EXPECT_TRUE (imageIsValid (image));
    for (int i = 16; i <= 20; ++i)
        image.set (i, 0);

    auto preset = makeDefaultPreset();
    EXPECT_EQ (preset->getName(), "Generic ");
    EXPECT_EQ (preset->getData(), image);
    for (int i = 0; i < 64; ++i)
        EXPECT_EQ (valueOf (*preset->getPad (i), "MIDI Note"), 36 + i);
    preset->getPad (0)->setParameterValue ("MIDI Note", val (1));
    EXPECT_EQ (makeDefaultPreset()->getData(), image);
}
