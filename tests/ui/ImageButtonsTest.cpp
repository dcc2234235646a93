// The picture buttons: clicks all over, and the click after a dragged item rests on a bank
// button for a second.
#include "ui/ImageButtonFactories.h"
#include "ui/ImageButtonWithText.h"

#include "views/ViewTestSupport.h"

#include <gtest/gtest.h>

namespace
{
juce::Image picture() { return viewtest::solidPicture (juce::Colours::grey, 21, 21); }

struct BankButton : ImageButtonWithText, juce::Button::Listener
{
    BankButton()
        : juce::Button ("A")
        , ImageButtonWithText ("A", picture(), picture(), picture())
    {
        setSize (21, 21);
        addListener (this);
    }

    void buttonClicked (juce::Button*) override { ++clicks; }

    juce::Component source;
    SourceDetails drag{ juce::var ("Drag Drop Component"), &source, {} };
    int clicks = 0;
};

double now() { return juce::Time::getMillisecondCounterHiRes(); }
} // namespace

TEST (DragClickedButton, ClicksOnceAfterResting1000Ms)
{
    BankButton button;
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
