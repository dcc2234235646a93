// The editor surface as a user meets it: banks, selection, layout on the front panel, and
// drags that switch banks or carry the whole preset while they go on.
#include "app/MainContentComponent.h"
#include "ui/EditorPictures.h"
#include "views/TestApplication.h"
#include "views/ViewTestSupport.h"

#include <gtest/gtest.h>

namespace
{
class SurfaceTest : public testing::Test
{
protected:
    // The surface sits in a window of its own, so that real mouse events can reach it.
    void SetUp() override
    {
        surface->setTopLeftPosition (20, 20);
        surface->addToDesktop (0);
        surface->setVisible (true);
    }

    void TearDown() override
    {
        surface.reset();
        testutil::runLoopFor (20);
    }

    void mouse (juce::Point<int> position, bool down)
    {
        viewtest::mouse (*surface, position.toFloat(), down);
    }

    void moveHeld (juce::Point<int> from, juce::Point<int> to)
    {
        for (int step = 0; step <= 8; ++step)
        {
            mouse (from + (to - from) * step / 8, true);
            testutil::runLoopFor (5);
        }
    }

    // Clicks a view or button as the user does and waits for the click to land.
    void click (juce::Button& button)
    {
        button.triggerClick();
        testutil::runLoopFor (30);
    }

    juce::Array<ControlView*> toggledViews() const
    {
        juce::Array<ControlView*> views, toggled;
        for (int i = 0; i < 16; ++i)
            views.add (surface->getPadView (i));
        for (int i = 0; i < 4; ++i)
            views.addArray (
                { surface->getKnobView (i), surface->getFaderView (i), surface->getSwitchView (i) });
        for (auto* view : views)
            if (view->getToggleState())
                toggled.add (view);
        return toggled;
    }

    juce::String title() const { return surface->getParameterView()->getTitle(); }

    std::unique_ptr<TestApplication> app = TestApplication::make();
    QRX571EditorPreset::Ptr preset = makeDefaultPreset();
    std::unique_ptr<MainContentComponent> surface =
        std::make_unique<MainContentComponent> (preset, EditorPictures::editorBackground());
};
} // namespace

TEST_F (SurfaceTest, ANewSurfaceShowsBankAOfEachKindWithNothingSelected)
{
    EXPECT_EQ (surface->getLocalBounds(), juce::Rectangle<int> (940, 721));
    for (int i = 0; i < 16; ++i)
    {
        EXPECT_EQ (surface->getPadView (i)->getName(), juce::String (i + 1));
        EXPECT_EQ (surface->getPadView (i)->getControl(), preset->getPad (i).get());
    }
    for (int i = 0; i < 4; ++i)
    {
        EXPECT_EQ (surface->getFaderNumberLabel (i)->getText(), juce::String (i + 1));
        EXPECT_EQ (surface->getSwitchNumberLabel (i)->getText(), juce::String (i + 1));
        EXPECT_EQ (surface->getKnobView (i)->getControl(), preset->getKnob (i).get());
        EXPECT_EQ (surface->getFaderView (i)->getControl(), preset->getFader (i).get());
        EXPECT_EQ (surface->getSwitchView (i)->getControl(), preset->getSwitch (i).get());
        EXPECT_EQ (surface->getPadBankButton (i)->getToggleState(), i == 0);
        EXPECT_EQ (i < 3 && surface->getControlBankButton (i)->getToggleState(), i == 0);
    }
    EXPECT_TRUE (toggledViews().isEmpty());
    EXPECT_EQ (title(), "Pad 1");
}

TEST_F (SurfaceTest, EveryElementSitsWhereThePanelPrintsIt)
{
    EXPECT_EQ (surface->getParameterView()->getBounds(), juce::Rectangle<int> (75, 95, 490, 100));
    EXPECT_EQ (surface->getCommonParametersView()->getBounds(), juce::Rectangle<int> (564, 95, 300, 100));

    const int padX[] = { 50, 152, 254, 356 }, padY[] = { 575, 474, 373, 272 };
    for (int i = 0; i < 16; ++i)
    {
        EXPECT_EQ (surface->getPadView (i)->getBounds(),
                   juce::Rectangle<int> (padX[i % 4], padY[i / 4], 98, 101));
        EXPECT_TRUE (surface->getPadView (i)->isVisible());
        EXPECT_EQ (surface->getPadView (i)->getParentComponent(), surface.get());
    }

    for (int i = 0; i < 4; ++i)
    {
        const int x = 566 + i * 77;
        const auto* switchLabel = surface->getSwitchNumberLabel (i);
        EXPECT_EQ (surface->getKnobView (i)->getBounds(), juce::Rectangle<int> (x, 270, 57, 57));
        EXPECT_EQ (surface->getFaderView (i)->getBounds(), juce::Rectangle<int> (x - 4, 347, 63, 183));
        EXPECT_EQ (surface->getFaderNumberLabel (i)->getBounds(), juce::Rectangle<int> (x - 4, 327, 63, 20));
        EXPECT_EQ (surface->getSwitchView (i)->getBounds(), juce::Rectangle<int> (x + 6, 550, 40, 31));
        EXPECT_EQ (switchLabel->getBounds(), surface->getSwitchView (i)->getBounds());
        EXPECT_EQ (surface->getFaderNumberLabel (i)->findColour (juce::Label::textColourId),
                   juce::Colours::white);
        EXPECT_EQ (switchLabel->findColour (juce::Label::textColourId), juce::Colours::black);
        EXPECT_GT (surface->getIndexOfChildComponent (switchLabel),
                   surface->getIndexOfChildComponent (surface->getSwitchView (i)))
            << "the number lies over its switch";
        EXPECT_EQ (surface->getPadBankButton (i)->getBounds(),
                   juce::Rectangle<int> (150 + 30 * i, 222, 21, 21));
        EXPECT_EQ (surface->getControlBankButton (juce::jmin (i, 2))->getBounds(),
                   juce::Rectangle<int> (670 + 30 * juce::jmin (i, 2), 222, 21, 21));
    }
}

TEST_F (SurfaceTest, PadBanksRenumberThePadsAndKeepTheParameterView)
{
    // The current bank's button only lays the surface out again.
    auto* firstPad = surface->getPadView (0);
    firstPad->setTopLeftPosition (0, 0);
    click (*surface->getPadBankButton (0));
    EXPECT_EQ (surface->getPadView (0), firstPad);
    EXPECT_EQ (firstPad->getPosition(), juce::Point<int> (50, 575));

    click (*surface->getPadBankButton (2));
    auto* bottomLeft = surface->getPadView (0);
    EXPECT_EQ (bottomLeft->getName(), "33");
    EXPECT_EQ (bottomLeft->getPosition(), juce::Point<int> (50, 575));
    EXPECT_EQ (surface->getPadView (15)->getName(), "48");
    for (int j = 0; j < 4; ++j)
        EXPECT_EQ (surface->getPadBankButton (j)->getToggleState(), j == 2);

    click (*bottomLeft);
    EXPECT_EQ (title(), "Pad 33");
    EXPECT_EQ (bottomLeft->getControl(), preset->getPad (32).get());
    EXPECT_EQ (toggledViews(), juce::Array<ControlView*>{ bottomLeft });

    auto* padView = surface->getParameterView();
    click (*surface->getPadBankButton (1));
    EXPECT_EQ (surface->getParameterView(), padView);
    EXPECT_TRUE (toggledViews().isEmpty());
}

TEST_F (SurfaceTest, ControlBanksRenumberTheControlsAndKeepTheParameterView)
{
    // The current bank's button changes nothing at all, not even the layout.
    auto* firstKnob = surface->getKnobView (0);
    firstKnob->setTopLeftPosition (0, 0);
    click (*surface->getControlBankButton (0));
    EXPECT_EQ (surface->getKnobView (0), firstKnob);
    EXPECT_EQ (firstKnob->getPosition(), juce::Point<int> (0, 0));

    click (*surface->getControlBankButton (1));
    for (int i = 0; i < 4; ++i)
    {
        EXPECT_EQ (surface->getFaderNumberLabel (i)->getText(), juce::String (5 + i));
        EXPECT_EQ (surface->getSwitchNumberLabel (i)->getText(), juce::String (5 + i));
    }
    auto* secondFader = surface->getFaderView (1);
    EXPECT_EQ (secondFader->getControl(), preset->getFader (5).get());
    click (*secondFader);
    EXPECT_EQ (title(), "Fader 6");
    EXPECT_EQ (toggledViews(), juce::Array<ControlView*>{ secondFader });

    click (*surface->getKnobView (2));
    auto* knobView = surface->getParameterView();
    EXPECT_EQ (knobView->getTitle(), "Knob 7");
    click (*surface->getControlBankButton (2));
    EXPECT_EQ (surface->getParameterView(), knobView);
    EXPECT_TRUE (toggledViews().isEmpty());
}

TEST_F (SurfaceTest, HoldingADraggedPadOnBankDShowsBankDAndTheDropLandsThere)
{
    preset->getPad (0)->setParameterValue ("MIDI Note", juce::Value (99));
    preset->getPad (0)->setParameterValue ("Parameter Type", juce::Value (1));
    ASSERT_NE (preset->getPad (48)->getData(), preset->getPad (0)->getData());

    const auto start = surface->getPadView (0)->getBounds().getCentre();
    const auto bankD = surface->getPadBankButton (3)->getBounds().getCentre();
    moveHeld (start, bankD);

    // Resting on the lamp for a second clicks it, and the drag goes on.
    ASSERT_TRUE (testutil::runLoopUntil ([this] { return surface->getPadBank() == 3; }, 3000));
    EXPECT_EQ (surface->getNumDraggedViews(), 1);
    EXPECT_EQ (surface->getPadView (0)->getName(), "49");

    const auto target = surface->getPadView (0)->getBounds().getCentre();
    moveHeld (bankD, target);
    mouse (target, false);
    ASSERT_TRUE (testutil::runLoopUntil ([this] { return surface->getNumDraggedViews() == 0; }, 2000));
    EXPECT_EQ (preset->getPad (48)->getData(), preset->getPad (0)->getData());
}

TEST_F (SurfaceTest, AClickOnASwitchNumberSelectsTheSwitchAndADragOnTheBackgroundCarriesThePreset)
{
    const auto centre = surface->getSwitchNumberLabel (3)->getBounds().getCentre();
    mouse (centre, true);
    mouse (centre, false);
    ASSERT_TRUE (testutil::runLoopUntil ([this] { return surface->getSwitchView (3)->getToggleState(); }));
    EXPECT_EQ (title(), "Switch 4");
    EXPECT_EQ (toggledViews().size(), 1);

    const juce::Point<int> empty (460, 60); // above the displays, outside every control
    ASSERT_EQ (surface->getComponentAt (empty), surface.get());
    moveHeld (empty, empty + juce::Point<int> (30, 10));
    EXPECT_TRUE (surface->isDragAndDropActive());
    EXPECT_EQ (surface->getCurrentDragDescription().toString(), "Main Window");
    EXPECT_EQ (surface->getPreset(), preset);
    mouse (empty + juce::Point<int> (30, 10), false);
}

TEST_F (SurfaceTest, ClosingTheWindowWhileADragIsReportedCallsNothingOnTheSurface)
{
    // The drag's start and end are still queued in the pad view when the surface goes.
    const auto start = surface->getPadView (0)->getBounds().getCentre();
    moveHeld (start, start + juce::Point<int> (10, 0));
    mouse (start + juce::Point<int> (10, 0), false);
    surface.reset();
    testutil::runLoopFor (50);
}

TEST_F (SurfaceTest, RendersTheDefaultPresetForReview)
{
    const auto snapshot = [this] (const char* name)
    { return viewtest::writePng (surface->createComponentSnapshot (surface->getLocalBounds()), name); };
    EXPECT_TRUE (snapshot ("surface/default-as-built.png"));

    surface->selectPadBank (2);
    surface->selectControlBank (1);
    click (*surface->getFaderView (1));
    EXPECT_TRUE (snapshot ("surface/pad-bank-C-control-bank-B-fader-6.png"));
}
