#include "ModelLayouts.h"

#include <gtest/gtest.h>

using namespace modeltest;

TEST (PresetImage, NameRulesAndAccessorsOutOfRange)
{
    QRX571EditorPreset::Ptr preset = new QRX571EditorPreset();
    for (int bad : { -1, 12 })
        EXPECT_TRUE (! preset->getKnob (bad) && ! preset->getFader (bad) && ! preset->getSwitch (bad)) << bad;
    EXPECT_TRUE (! preset->getPad (64) && ! preset->getPad (-1) && preset->getPad (63));

    EXPECT_FALSE (preset->setName ("NineChars"));
    EXPECT_FALSE (preset->setName (juce::String::fromUTF8 ("Caf\xc3\xa9")));
    EXPECT_EQ (preset->getName(), "Preset");
    EXPECT_TRUE (preset->setName ("") && preset->setName ("8 chars!"));

    auto image = preset->getData();
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
    EXPECT_EQ (juce::String::createStringFromData (preset->getData().getRawDataPointer(), 8), "Caf? au ");
    EXPECT_TRUE (preset->validate (preset->getData()));
}
