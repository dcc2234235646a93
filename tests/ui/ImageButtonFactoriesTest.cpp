#include "ui/ImageButtonFactories.h"

#include <gtest/gtest.h>

#include <memory>

TEST (ImageButtonFactories, DialogButtonsHaveTheirNamesSizesAndPictures)
{
    const std::tuple<void (*) (ReferenceCountedImageButton::Ptr&), const char*, int, int> cases[] = {
        { makeSendButton, "Send", 96, 25 },       { makeApplyButton, "Apply", 96, 25 },
        { makeRefreshButton, "Refresh", 96, 25 }, { makeGetButton, "Get", 96, 25 },
        { makeOkButton, "OK", 96, 25 },           { makeCancelButton, "Cancel", 96, 25 },
        { makeRevertButton, "Revert", 96, 25 },   { makeBrowseButton, "Browse", 74, 20 },
        { makeClearButton, "Clear", 14, 13 },
    };

    for (const auto& [make, name, width, height] : cases)
    {
        SCOPED_TRACE (name);
        ReferenceCountedImageButton::Ptr button;
        make (button);
        ASSERT_NE (button, nullptr);
        EXPECT_EQ (button->getName(), name);
        EXPECT_EQ (button->getBounds(), juce::Rectangle<int> (width, height)) << "sized to its picture";
        EXPECT_TRUE (button->getOverImage().isValid() && button->getDownImage().isValid());
        EXPECT_TRUE (static_cast<juce::Component&> (*button).hitTest (0, 0)) << "all of it is clickable";
    }
}

TEST (ImageButtonFactories, BankTogglesAreNamedAndFlipOnClick)
{
    const std::pair<void (*) (ImageToggleButton*&), const char*> cases[] = {
        { makeBankAButton, "BankA" },
        { makeBankBButton, "BankB" },
        { makeBankCButton, "BankC" },
        { makeBankDButton, "BankD" },
    };

    for (const auto& [make, name] : cases)
    {
        ImageToggleButton* raw = nullptr;
        make (raw);
        std::unique_ptr<ImageToggleButton> toggle (raw);
        ASSERT_NE (toggle, nullptr);
        EXPECT_EQ (toggle->getName(), name);
        EXPECT_TRUE (toggle->getClickingTogglesState()) << name;
    }
}
