// The picture buttons: the makers' names, sizes and pictures, the toggled picture winning over
// hover, and the click after a dragged item rests on a bank button for a second.
#include "ui/ImageButtonFactories.h"
#include "ui/ImageButtonWithText.h"

#include "views/ViewTestSupport.h"

#include <gtest/gtest.h>

#include <memory>

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
    juce::StringArray names;
    for (auto make : { makeBankAButton, makeBankBButton, makeBankCButton, makeBankDButton })
    {
        ImageToggleButton* raw = nullptr;
        make (raw);
        std::unique_ptr<ImageToggleButton> toggle (raw);
        names.add (toggle->getName());
        EXPECT_TRUE (toggle->getClickingTogglesState());
    }
    EXPECT_EQ (names.joinIntoString ("|"), "BankA|BankB|BankC|BankD");
}
