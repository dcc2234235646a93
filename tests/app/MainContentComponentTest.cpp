// The editor surface as a user meets it: banks, selection, layout on the front panel, and
// a drag that switches banks while it goes on.
#include "app/MainContentComponent.h"
#include "model/DefaultPreset.h"
#include "support/RunLoop.h"
#include "ui/EditorPictures.h"
#include "views/TestApplication.h"
#include "views/ViewTestSupport.h"

#include <gtest/gtest.h>

#include <memory>

namespace
{
class SurfaceTest : public testing::Test
{
protected:
    void SetUp() override
    {
        app = TestApplication::make();
        preset = makeDefaultPreset();
        surface = std::make_unique<MainContentComponent> (preset, EditorPictures::editorBackground());
    }

    void TearDown() override
    {
        if (surface != nullptr && surface->isOnDesktop())
            surface->removeFromDesktop();
        surface.reset();
        testutil::runLoopFor (20);
    }

    // Puts the surface in a window of its own, so that real mouse events can reach it.
    void showOnDesktop()
    {
        surface->setTopLeftPosition (20, 20);
        surface->addToDesktop (0);
        surface->setVisible (true);
        ASSERT_NE (surface->getPeer(), nullptr);
    }

    void mouse (juce::Point<int> position, bool buttonDown)
    {
        const auto mods =
            buttonDown ? juce::ModifierKeys (juce::ModifierKeys::leftButtonModifier) : juce::ModifierKeys();
        juce::ModifierKeys::currentModifiers = mods;
        surface->getPeer()->handleMouseEvent (
            juce::MouseInputSource::InputSourceType::mouse, position.toFloat(), mods,
            juce::MouseInputSource::defaultPressure, juce::MouseInputSource::defaultOrientation,
            juce::Time::currentTimeMillis());
    }

    void click (juce::Point<int> position)
    {
        mouse (position, false);
        mouse (position, true);
        mouse (position, false);
        testutil::runLoopFor (20);
    }

    void moveHeld (juce::Point<int> from, juce::Point<int> to)
    {
        for (int step = 1; step <= 8; ++step)
        {
            mouse (from + (to - from) * step / 8, true);
            testutil::runLoopFor (5);
        }
    }

    int numToggledViews() const
    {
        int count = 0;
        for (int i = 0; i < 16; ++i)
            count += surface->getPadView (i)->getToggleState() ? 1 : 0;
        for (int i = 0; i < 4; ++i)
            count += (surface->getKnobView (i)->getToggleState() ? 1 : 0) +
                     (surface->getFaderView (i)->getToggleState() ? 1 : 0) +
                     (surface->getSwitchView (i)->getToggleState() ? 1 : 0);
        return count;
    }

    std::unique_ptr<TestApplication> app;
    QRX571EditorPreset::Ptr preset;
    std::unique_ptr<MainContentComponent> surface;
};

bool writeSnapshot (juce::Component& c, const juce::String& name)
{
    return viewtest::writePng (c.createComponentSnapshot (c.getLocalBounds()),
                               juce::File (QRX_BINARY_DIR).getChildFile ("surface").getChildFile (name));
}
} // namespace

TEST_F (SurfaceTest, ANewSurfaceShowsBankAOfEachKindWithNothingSelected)
{
    EXPECT_EQ (surface->getWidth(), 940);
    EXPECT_EQ (surface->getHeight(), 721);
    EXPECT_EQ (surface->getPadBank(), 0);
    EXPECT_EQ (surface->getControlBank(), 0);

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
    }

    for (int j = 0; j < 4; ++j)
        EXPECT_EQ (surface->getPadBankButton (j)->getToggleState(), j == 0);
    for (int j = 0; j < 3; ++j)
        EXPECT_EQ (surface->getControlBankButton (j)->getToggleState(), j == 0);

    EXPECT_EQ (numToggledViews(), 0);
    ASSERT_NE (surface->getParameterView(), nullptr);
    EXPECT_EQ (surface->getParameterView()->getTitle(), "Pad 1");
}

TEST_F (SurfaceTest, EveryElementSitsWhereThePanelPrintsIt)
{
    EXPECT_EQ (surface->getParameterView()->getBounds(), juce::Rectangle<int> (75, 95, 490, 100));
    EXPECT_EQ (surface->getCommonParametersView()->getBounds(), juce::Rectangle<int> (564, 95, 300, 100));

    const int padX[] = { 50, 152, 254, 356 };
    const int padY[] = { 575, 474, 373, 272 };
    for (int i = 0; i < 16; ++i)
    {
        EXPECT_EQ (surface->getPadView (i)->getBounds(),
                   juce::Rectangle<int> (padX[i % 4], padY[i / 4], 98, 101))
            << "pad " << i;
        EXPECT_TRUE (surface->getPadView (i)->isVisible());
        EXPECT_EQ (surface->getPadView (i)->getParentComponent(), surface.get());
    }

    for (int i = 0; i < 4; ++i)
    {
        const int knobX = 566 + i * 77;
        EXPECT_EQ (surface->getKnobView (i)->getBounds(), juce::Rectangle<int> (knobX, 270, 57, 57));
        EXPECT_EQ (surface->getFaderView (i)->getBounds(), juce::Rectangle<int> (knobX - 4, 347, 63, 183));
        EXPECT_EQ (surface->getFaderNumberLabel (i)->getBounds(),
                   juce::Rectangle<int> (knobX - 4, 327, 63, 20));
        EXPECT_EQ (surface->getSwitchView (i)->getBounds(), juce::Rectangle<int> (knobX + 6, 550, 40, 31));
        EXPECT_EQ (surface->getSwitchNumberLabel (i)->getBounds(), surface->getSwitchView (i)->getBounds());
        EXPECT_EQ (surface->getFaderNumberLabel (i)->findColour (juce::Label::textColourId),
                   juce::Colours::white);
        EXPECT_EQ (surface->getSwitchNumberLabel (i)->findColour (juce::Label::textColourId),
                   juce::Colours::black);
    }

    for (int j = 0; j < 4; ++j)
        EXPECT_EQ (surface->getPadBankButton (j)->getBounds(),
                   juce::Rectangle<int> (150 + 30 * j, 222, 21, 21));
    for (int j = 0; j < 3; ++j)
        EXPECT_EQ (surface->getControlBankButton (j)->getBounds(),
                   juce::Rectangle<int> (670 + 30 * j, 222, 21, 21));

    // The number labels lie over the views they name.
    auto indexOf = [this] (juce::Component* c) { return surface->getIndexOfChildComponent (c); };
    EXPECT_GT (indexOf (surface->getSwitchNumberLabel (0)), indexOf (surface->getSwitchView (0)));
}

TEST_F (SurfaceTest, ReclickingTheCurrentBankChangesNoViews)
{
    auto* firstPad = surface->getPadView (0);
    auto* firstKnob = surface->getKnobView (0);

    surface->getPadBankButton (0)->triggerClick();
    surface->getControlBankButton (0)->triggerClick();
    testutil::runLoopFor (30);

    EXPECT_EQ (surface->getPadView (0), firstPad);
    EXPECT_EQ (surface->getKnobView (0), firstKnob);
    EXPECT_EQ (surface->getPadBankButton (0)->getToggleState(), true);
}

TEST_F (SurfaceTest, PadBankCShowsPads33To48AndOpensTheRightPad)
{
    surface->getPadBankButton (2)->triggerClick();
    ASSERT_TRUE (testutil::runLoopUntil ([this] { return surface->getPadBank() == 2; }));

    auto* bottomLeft = surface->getPadView (0);
    EXPECT_EQ (bottomLeft->getName(), "33");
    EXPECT_EQ (bottomLeft->getPosition(), juce::Point<int> (50, 575));
    EXPECT_EQ (surface->getPadView (15)->getName(), "48");
    for (int j = 0; j < 4; ++j)
        EXPECT_EQ (surface->getPadBankButton (j)->getToggleState(), j == 2);

    bottomLeft->triggerClick();
    ASSERT_TRUE (testutil::runLoopUntil ([&] { return bottomLeft->getToggleState(); }));
    EXPECT_EQ (surface->getParameterView()->getTitle(), "Pad 33");
    EXPECT_EQ (bottomLeft->getControl(), preset->getPad (32).get());
    EXPECT_EQ (numToggledViews(), 1);
}

TEST_F (SurfaceTest, ControlBankBRenumbersAndOpensFader6)
{
    surface->getControlBankButton (1)->triggerClick();
    ASSERT_TRUE (testutil::runLoopUntil ([this] { return surface->getControlBank() == 1; }));

    for (int i = 0; i < 4; ++i)
    {
        EXPECT_EQ (surface->getFaderNumberLabel (i)->getText(), juce::String (5 + i));
        EXPECT_EQ (surface->getSwitchNumberLabel (i)->getText(), juce::String (5 + i));
    }

    auto* secondFader = surface->getFaderView (1);
    EXPECT_EQ (secondFader->getControl(), preset->getFader (5).get());
    secondFader->triggerClick();
    ASSERT_TRUE (testutil::runLoopUntil ([&] { return secondFader->getToggleState(); }));
    EXPECT_EQ (surface->getParameterView()->getTitle(), "Fader 6");
}

TEST_F (SurfaceTest, ABankChangeKeepsTheParameterViewAndUnselectsEverything)
{
    surface->getKnobView (2)->triggerClick();
    ASSERT_TRUE (testutil::runLoopUntil ([this] { return surface->getKnobView (2)->getToggleState(); }));
    auto* knobView = surface->getParameterView();
    EXPECT_EQ (knobView->getTitle(), "Knob 3");

    surface->selectControlBank (2);
    EXPECT_EQ (surface->getParameterView(), knobView);
    EXPECT_EQ (numToggledViews(), 0);

    surface->getPadView (3)->triggerClick();
    ASSERT_TRUE (testutil::runLoopUntil ([this] { return surface->getPadView (3)->getToggleState(); }));
    surface->selectPadBank (1);
    EXPECT_EQ (surface->getParameterView()->getTitle(), "Pad 4");
    EXPECT_EQ (numToggledViews(), 0);
}

TEST_F (SurfaceTest, AClickOnASwitchNumberSelectsTheSwitch)
{
    showOnDesktop();
    auto* label = surface->getSwitchNumberLabel (3);
    click (label->getBounds().getCentre());

    ASSERT_TRUE (testutil::runLoopUntil ([this] { return surface->getSwitchView (3)->getToggleState(); }));
    EXPECT_EQ (surface->getParameterView()->getTitle(), "Switch 4");
    EXPECT_EQ (numToggledViews(), 1);
}

TEST_F (SurfaceTest, HoldingADraggedPadOnBankDShowsBankDAndTheDropLandsThere)
{
    showOnDesktop();
    preset->getPad (0)->setParameterValue ("MIDI Note", juce::Value (juce::var (99)));
    preset->getPad (0)->setParameterValue ("Parameter Type", juce::Value (juce::var (1)));
    ASSERT_NE (preset->getPad (48)->getData(), preset->getPad (0)->getData());

    const auto start = surface->getPadView (0)->getBounds().getCentre();
    const auto bankD = surface->getPadBankButton (3)->getBounds().getCentre();
    mouse (start, false);
    mouse (start, true);
    moveHeld (start, bankD);

    // Resting on the lamp for a second clicks it, and the drag goes on.
    ASSERT_TRUE (testutil::runLoopUntil ([this] { return surface->getPadBank() == 3; }, 3000));
    EXPECT_EQ (surface->getNumDraggedViews(), 1);

    const auto target = surface->getPadView (0)->getBounds().getCentre();
    EXPECT_EQ (surface->getPadView (0)->getName(), "49");
    moveHeld (bankD, target);
    mouse (target, false);

    ASSERT_TRUE (testutil::runLoopUntil ([this] { return surface->getNumDraggedViews() == 0; }, 2000));
    EXPECT_EQ (preset->getPad (48)->getData(), preset->getPad (0)->getData());
}

TEST_F (SurfaceTest, ADragOnTheBackgroundCarriesTheWholePreset)
{
    showOnDesktop();
    const juce::Point<int> empty (460, 60); // above the displays, outside every control
    ASSERT_EQ (surface->getComponentAt (empty), surface.get());

    mouse (empty, false);
    mouse (empty, true);
    mouse (empty + juce::Point<int> (30, 10), true);

    EXPECT_TRUE (surface->isDragAndDropActive());
    EXPECT_EQ (surface->getCurrentDragDescription().toString(), "Main Window");
    EXPECT_EQ (surface->getPreset(), preset);
    mouse (empty + juce::Point<int> (30, 10), false);
    testutil::runLoopFor (30);
}

TEST_F (SurfaceTest, RendersTheDefaultPresetForReview)
{
    ASSERT_TRUE (writeSnapshot (*surface, "default-as-built.png"));

    surface->selectPadBank (2);
    surface->selectControlBank (1);
    surface->getFaderView (1)->triggerClick();
    ASSERT_TRUE (testutil::runLoopUntil ([this] { return surface->getFaderView (1)->getToggleState(); }));
    ASSERT_TRUE (writeSnapshot (*surface, "pad-bank-C-control-bank-B-fader-6.png"));
}
