#include "ModelLayouts.h"

#include <gtest/gtest.h>

using namespace modeltest;

namespace
{
// The instrumented builds run the same checks over fewer presets.
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
constexpr int numPresets = 100;
#else
constexpr int numPresets = 1000;
#endif

void randomise (MEditorControl& control, const Kind& k, juce::Random& r)
{
    for (auto& f : k.fields)
        control.setParameterValue (f.name, val (f.minimum + r.nextInt (f.maximum - f.minimum + 1)));
}

QRX571EditorPreset::Ptr randomPreset (juce::Random& r)
{
    QRX571EditorPreset::Ptr p = new QRX571EditorPreset();
    juce::String name;
    for (int i = r.nextInt (9); --i >= 0;)
        name << juce::String::charToString (static_cast<juce::juce_wchar> (1 + r.nextInt (127)));
    EXPECT_TRUE (p->setName (name));

    randomise (*p->getTransport(), transportKind, r);
    p->getTransport()->setParameterValue ("BPM", val (30 + r.nextInt (271)));
    for (int i = 0; i < 64; ++i)
        randomise (*p->getPad (i), padKind, r);
    for (int i = 0; i < 12; ++i)
    {
        randomise (*p->getKnob (i), knobKind, r);
        randomise (*p->getFader (i), faderKind, r);
        randomise (*p->getSwitch (i), switchKind, r);
    }
    return p;
}

// What an accepted image reads back as: reserved transport and switch bytes 0, a 0x00 name
// byte dropped (the name closes up and is blank-padded), the tempo as a 7-bit pair.
juce::Array<juce::uint8> normalised (juce::Array<juce::uint8> image)
{
    for (int i = 16; i <= 20; ++i)
        image.set (i, 0);
    for (int i = 0; i < 12; ++i)
        image.set (906 + 13 * i + 10, 0);

    juce::Array<juce::uint8> name (image.getRawDataPointer(), 8);
    name.removeAllInstancesOf (0);
    for (int i = 0; i < 8; ++i)
        image.set (i, i < name.size() ? name[i] : ' ');

    const int bpm = image[9] * 128 + image[10];
    image.set (9, static_cast<juce::uint8> (bpm / 128));
    image.set (10, static_cast<juce::uint8> (bpm % 128));
    return image;
}
} // namespace

// A random preset's image is valid and reads back whole into another preset; then several
// corruptions of it, each refused exactly when out of range (an accepted one is undone).
TEST (PresetProperty, RandomImagesRoundTripAndSingleByteCorruptionIsRefusedExactlyWhenOutOfRange)
{
    juce::Random r (0xc0ffee);
    int refused = 0, tries = 0;
    for (int round = 0; round < numPresets; ++round)
    {
        const auto before = randomPreset (r)->getData();
        QRX571EditorPreset::Ptr target = new QRX571EditorPreset();
        ASSERT_TRUE (imageIsValid (before) && target->setFromData (before)) << "round " << round;
        ASSERT_EQ (target->getData(), before) << "round " << round;
        for (int n = 0; n < 8; ++n, ++tries)
        {
            auto corrupt = before;
            const int offset = r.nextInt (corrupt.size());
            corrupt.set (offset, static_cast<juce::uint8> (r.nextInt (256)));

            const bool valid = imageIsValid (corrupt);
            ASSERT_EQ (target->setFromData (corrupt), valid)
                << "offset " << offset << " value " << (int)corrupt[offset];
            ASSERT_EQ (target->getData(), valid ? normalised (corrupt) : before) << "offset " << offset;
            refused += valid ? 0 : 1;
            ASSERT_TRUE (! valid || target->setFromData (before));
        }
    }
    EXPECT_TRUE (refused > tries / 8 && refused < tries * 7 / 8)
        << refused << " of " << tries; // both well exercised
}
