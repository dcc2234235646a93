#include "ui/ImageButtonWithText.h"

#include "support/RunLoop.h"

#include <gtest/gtest.h>

namespace
{
juce::Image solid (juce::Colour colour)
{
    juce::Image image (juce::Image::ARGB, 21, 21, true);
    image.clear (image.getBounds(), colour);
    return image;
}

const juce::Colour normalColour (10, 20, 30), toggledColour (200, 40, 40), overColour (40, 200, 40);

struct BankButton : ImageButtonWithText, juce::Button::Listener
{
    BankButton()
        : juce::Button ("A")
        , ImageButtonWithText ("A", solid (normalColour), solid (toggledColour), solid (overColour))
    {
        setSize (21, 21);
        addListener (this);
    }

    juce::Colour cornerWhenPainted (bool mouseOver)
    {
        juce::Image image (juce::Image::ARGB, 21, 21, true);
        juce::Graphics g (image);
        paintButton (g, mouseOver, false);
        return image.getPixelAt (0, 20);
    }

    void buttonClicked (juce::Button*) override { ++clicks; }

    juce::Component source;
    SourceDetails drag{ juce::var ("Drag Drop Component"), &source, {} };
    int clicks = 0;
};

double now() { return juce::Time::getMillisecondCounterHiRes(); }
} // namespace

TEST (ImageButtonWithText, ToggledPictureWinsOverHover)
{
    BankButton button;
    EXPECT_EQ (button.cornerWhenPainted (false), normalColour);
    EXPECT_EQ (button.cornerWhenPainted (true), overColour);

    button.setToggleState (true, juce::dontSendNotification);
    EXPECT_EQ (button.cornerWhenPainted (true), toggledColour);
}

TEST (DragClickedButton, RestingOneSecondClicksOnceOnly)
{
    BankButton button;
    const auto start = now();
    button.itemDragEnter (button.drag);

    ASSERT_TRUE (testutil::runLoopUntil ([&] { return button.clicks > 0; }, 3000));
    EXPECT_GE (now() - start, 1000.0);

    testutil::runLoopFor (1200); // still over it: no second click
    EXPECT_EQ (button.clicks, 1);
}

TEST (DragClickedButton, LeavingOrDroppingBeforeTheSecondCancelsTheClick)
{
    BankButton button;
    auto start = now();
    button.itemDragEnter (button.drag);
    testutil::runLoopUntil ([&] { return now() - start >= 990.0; }, 2000);
    button.itemDragExit (button.drag);

    start = now();
    button.itemDragEnter (button.drag);
    testutil::runLoopUntil ([&] { return now() - start >= 990.0; }, 2000);
    button.itemDropped (button.drag);

    testutil::runLoopFor (1200);
    EXPECT_EQ (button.clicks, 0);
    EXPECT_FALSE (button.isHovering());
}
