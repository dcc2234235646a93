// The picture buttons: clicks all over, and the click after a dragged item rests on a bank
// button for a second.
#include "ui/ImageButtonFactories.h"
#include "ui/ImageButtonWithText.h"

#include "views/ViewTestSupport.h"

#include <gtest/gtest.h>

TEST (DragClickedButton, ClicksOnceAfterResting1000Ms)
{
    const auto picture = viewtest::solidPicture (juce::Colours::grey, 21, 21);
    ImageButtonWithText button ("A", picture, picture, picture);
    button.setSize (21, 21);
    int clicks = 0;
    button.onClick = [&] { ++clicks; };
    juce::Component source;

    const auto start = juce::Time::getMillisecondCounterHiRes();
    button.itemDragEnter ({ juce::var ("Drag Drop Component"), &source, {} });
    ASSERT_TRUE (testutil::runLoopUntil ([&] { return clicks > 0; }, 3000));
    EXPECT_GE (juce::Time::getMillisecondCounterHiRes() - start, 1000.0);
    testutil::runLoopFor (1200); // still over it: no second click
    EXPECT_EQ (clicks, 1);
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
