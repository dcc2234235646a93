// The picture buttons: the toggled picture winning over hover, clicks all over, and the click
// after a dragged item rests on a bank button for a second.
#include "ui/ImageButtonFactories.h"
#include "ui/ImageButtonWithText.h"

#include "views/ViewTestSupport.h"

#include <gtest/gtest.h>

namespace
{
const juce::Colour normalColour (10, 20, 30), toggledColour (200, 40, 40), overColour (40, 200, 40);

struct BankButton : ImageButtonWithText, juce::Button::Listener
{
    BankButton()
        : juce::Button ("A")
        , ImageButtonWithText ("A", viewtest::solidPicture (normalColour, 21, 21),
                               viewtest::solidPicture (toggledColour, 21, 21),
                               viewtest::solidPicture (overColour, 21, 21))
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

TEST (DragClickedButton, ClicksOnceAfterResting1000MsButNotWhenLeftOrDroppedOnBefore)
{
    BankButton button;
    for (bool drop : { false, true })
    {
        const auto start = now();
        button.itemDragEnter (button.drag);
        testutil::runLoopUntil ([&] { return now() - start >= 990.0; }, 2000);
        drop ? button.itemDropped (button.drag) : button.itemDragExit (button.drag);
    }
    testutil::runLoopFor (1100);
    EXPECT_EQ (button.clicks, 0);
    EXPECT_FALSE (button.isHovering());

    const auto start = now();
    button.itemDragEnter (button.drag);
    ASSERT_TRUE (testutil::runLoopUntil ([&] { return button.clicks > 0; }, 3000));
    EXPECT_GE (now() - start, 1000.0);
    testutil::runLoopFor (1200); // still over it: no second click
    EXPECT_EQ (button.clicks, 1);
}

// Every picture button is clickable all over, transparent corners included.
TEST (ImageButtonFactories, DialogButtonsAreClickableAllOver)
{
    for (auto make : { makeSendButton, makeBrowseButton, makeClearButton })
    {
        ReferenceCountedImageButton::Ptr button;
        make (button);
        EXPECT_TRUE (static_cast<juce::Component&> (*button).hitTest (0, 0)) << button->getName();
    }
}
