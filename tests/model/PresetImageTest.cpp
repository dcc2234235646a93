#include "ModelLayouts.h"

#include <gtest/gtest.h>

using namespace modeltest;

namespace
{
juce::String nameIn (const juce::Array<juce::uint8>& image)
{
    return juce::String::createStringFromData (image.getRawDataPointer(), 8);
}
} // namespace

TEST (PresetImage, NewPresetImageIsExactAndAccessorsShareTheirControls)
{
    QRX571EditorPreset::Ptr preset = new QRX571EditorPreset();
    const juce::uint8 head[] = { 'P', 'r', 'e', 's', 'e', 't', ' ', ' ', 0, 0, 30,
                                 0,   0,   0,   1,   50,  0,   0,   0,   0, 0, 0 };
    juce::Array<juce::uint8> expected (head, 22);
    expected.insertMultiple (22, 0, 1040);
    EXPECT_EQ (preset->getDataSize(), 1062);
    EXPECT_EQ (preset->getData(), expected);

    preset->getSwitch (11)->setParameterValue ("Key 2", val (14));
    EXPECT_EQ (preset->getData()[1061], 14);
    for (int bad : { -1, 12 })
    {
        EXPECT_EQ (preset->getKnob (bad), nullptr) << bad;
        EXPECT_EQ (preset->getFader (bad), nullptr) << bad;
        EXPECT_EQ (preset->getSwitch (bad), nullptr) << bad;
    }
    EXPECT_EQ (preset->getPad (64), nullptr);
    EXPECT_EQ (preset->getPad (-1), nullptr);
    EXPECT_NE (preset->getPad (63), nullptr);
    EXPECT_NE (preset->getTransport(), nullptr);
}

TEST (PresetImage, NameRules)
{
    QRX571EditorPreset::Ptr preset = new QRX571EditorPreset();
    EXPECT_FALSE (preset->setName ("NineChars"));
    EXPECT_FALSE (preset->setName (juce::String::fromUTF8 ("Caf\xc3\xa9")));
    EXPECT_EQ (preset->getName(), "Preset");
    EXPECT_TRUE (preset->setName ("") && preset->setName ("8 chars!"));

    auto image = preset->getData();
    const juce::uint8 ab[] = { 'A', 'B', 0, 0, 0, 0, 0, 0 };
    std::copy (ab, ab + 8, image.begin());
    ASSERT_TRUE (preset->setFromData (image));
    EXPECT_EQ (preset->getName(), "AB");
    EXPECT_EQ (nameIn (preset->getData()), "AB      ");

    std::fill_n (image.begin(), 8, ' ');
    ASSERT_TRUE (preset->setFromData (image));
    EXPECT_EQ (preset->getName(), "        ");
    EXPECT_EQ (preset->getData(), image);

    // A bound text field can push the name past the rules; the image keeps its size and
    // stays 7-bit all the same.
    juce::Value field;
    preset->bindName (field);
    EXPECT_EQ (field.toString(), "        ");
    field = juce::String::fromUTF8 ("Caf\xc3\xa9 au lait");
    EXPECT_EQ (preset->getName(), field.toString());
    EXPECT_EQ (nameIn (preset->getData()), "Caf? au ");
    EXPECT_TRUE (preset->validate (preset->getData()));
}

TEST (PresetImage, AnyBadByteRefusesTheWholeImage)
{
    QRX571EditorPreset::Ptr source = new QRX571EditorPreset();
    source->setName ("Keep me");
    source->getPad (5)->setParameterValue ("Color On", val (9));
    const auto good = source->getData();

    auto lastSwitchKey = good, zeroMarker = good, highName = good, shorter = good, longer = good;
    lastSwitchKey.set (906 + 13 * 11 + 11, 83);
    zeroMarker.set (8, 1);
    highName.set (3, 0x80);
    shorter.removeLast();
    longer.add (0);

    // Every bad image also carries a new name and new controls, none of which may be taken.
    const std::pair<juce::Array<juce::uint8>*, const char*> bads[] = {
        { &lastSwitchKey, "switch 11 key" }, { &zeroMarker, "byte 8" }, { &highName, "name byte" },
        { &shorter, "1061 bytes" },          { &longer, "1063 bytes" },
    };
    for (auto [bad, what] : bads)
    {
        SCOPED_TRACE (what);
        bad->set (0, 'X');
        bad->set (22 + 2, 99);
        bad->set (9 + 6, 60);

        QRX571EditorPreset::Ptr target = new QRX571EditorPreset();
        ASSERT_TRUE (target->setFromData (good));
        EXPECT_FALSE (target->validate (*bad));
        EXPECT_FALSE (target->setFromData (*bad));
        EXPECT_EQ (target->getName(), "Keep me ");
        EXPECT_EQ (target->getData(), good);
    }
}
