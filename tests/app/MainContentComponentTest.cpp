// The editor surface as a user meets it: banks, selection, drags, text that reads whole, and
// keyboard focus that stays where the user types.
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
        testutil::deliverPostedMessages();
    }

    void moveHeld (juce::Point<int> from, juce::Point<int> to)
    {
        for (int step = 0; step <= 8; ++step)
        {
            viewtest::mouse (*surface, (from + (to - from) * step / 8).toFloat(), true);
            testutil::runLoopFor (5);
        }
    }

    // Clicks a view or button as the user does and waits for the click to land.
    void click (juce::Button& button)
    {
        button.triggerClick();
        ASSERT_TRUE (testutil::deliverPostedMessages());
    }

    juce::Array<ControlView*> toggledViews() const
    {
        juce::Array<ControlView*> toggled;
        for (auto* child : surface->getChildren())
            if (auto* view = dynamic_cast<ControlView*> (child); view != nullptr && view->getToggleState())
                toggled.add (view);
        return toggled;
    }

    juce::String title() const { return surface->getParameterView()->getTitle(); }

    // Position 0 of each kind: pad, knob, fader, switch.
    ControlView& controlView (int kind) const
    {
        ControlView* views[] = { surface->getPadView (0), surface->getKnobView (0), surface->getFaderView (0),
                                 surface->getSwitchView (0) };
        return *views[kind];
    }

    juce::TextEditor& nameEditor() const { return surface->getCommonParametersView()->getNameEditor(); }

    std::unique_ptr<TestApplication> app = TestApplication::make();
    QRX571EditorPreset::Ptr preset = makeDefaultPreset();
    std::unique_ptr<MainContentComponent> surface =
        std::make_unique<MainContentComponent> (preset, EditorPictures::editorBackground());
};

// Writes "name=value|name=value..." into the control.
void set (MEditorControl& control, const juce::String& settings)
{
    for (const auto& setting : juce::StringArray::fromTokens (settings, "|", {}))
        control.setParameterValue (
            setting.upToFirstOccurrenceOf ("=", false, false),
            juce::Value (setting.fromFirstOccurrenceOf ("=", false, false).getIntValue()));
}
} // namespace

// The current bank's button only lays the surface out again; another renumbers the views and
// takes the selection off, but the parameter view stays.
TEST_F (SurfaceTest, BanksRenumberTheViewsAndKeepTheParameterView)
{
    EXPECT_TRUE (surface->getPadBankButton (0)->getToggleState() &&
                 surface->getControlBankButton (0)->getToggleState());
    EXPECT_TRUE (toggledViews().isEmpty());
    EXPECT_EQ (title(), "Pad 1");

    auto* firstPad = surface->getPadView (0);
    firstPad->setTopLeftPosition (0, 0);
    click (*surface->getPadBankButton (0));
    EXPECT_EQ (surface->getPadView (0), firstPad);
    EXPECT_EQ (firstPad->getPosition(), juce::Point<int> (50, 575));

    click (*surface->getPadBankButton (2));
    auto* bottomLeft = surface->getPadView (0);
    EXPECT_EQ (bottomLeft->getName() + surface->getPadView (15)->getName(), "3348");
    EXPECT_EQ (bottomLeft->getPosition(), juce::Point<int> (50, 575));
    for (int j = 0; j < 4; ++j)
        EXPECT_EQ (surface->getPadBankButton (j)->getToggleState(), j == 2);
    click (*bottomLeft);
    EXPECT_EQ (title(), "Pad 33");
    EXPECT_EQ (bottomLeft->getControl(), preset->getPad (32).get());
    EXPECT_EQ (toggledViews(), juce::Array<ControlView*>{ bottomLeft });

    click (*surface->getControlBankButton (1));
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ (surface->getFaderNumberLabel (i)->getText() + surface->getSwitchNumberLabel (i)->getText(),
                   juce::String (5 + i) + juce::String (5 + i));
    auto* secondFader = surface->getFaderView (1);
    EXPECT_EQ (secondFader->getControl(), preset->getFader (5).get());
    click (*secondFader);
    EXPECT_EQ (title(), "Fader 6");
    EXPECT_EQ (toggledViews(), juce::Array<ControlView*>{ secondFader });

    auto* faderView = surface->getParameterView();
    click (*surface->getPadBankButton (1));
    click (*surface->getControlBankButton (2));
    EXPECT_EQ (surface->getParameterView(), faderView);
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
    viewtest::mouse (*surface, target.toFloat(), false);
    ASSERT_TRUE (testutil::runLoopUntil ([this] { return surface->getNumDraggedViews() == 0; }, 2000));
    EXPECT_EQ (preset->getPad (48)->getData(), preset->getPad (0)->getData());
}

TEST_F (SurfaceTest, AClickOnASwitchNumberSelectsTheSwitchAndADragOnTheBackgroundCarriesThePreset)
{
    // The number lies over its switch, and takes the click for it.
    EXPECT_GT (surface->getIndexOfChildComponent (surface->getSwitchNumberLabel (3)),
               surface->getIndexOfChildComponent (surface->getSwitchView (3)));
    const auto centre = surface->getSwitchNumberLabel (3)->getBounds().getCentre();
    viewtest::mouse (*surface, centre.toFloat(), true);
    viewtest::mouse (*surface, centre.toFloat(), false);
    ASSERT_TRUE (testutil::runLoopUntil ([this] { return surface->getSwitchView (3)->getToggleState(); }));
    EXPECT_EQ (title(), "Switch 4");
    EXPECT_EQ (toggledViews().size(), 1);

    const juce::Point<int> empty (460, 60); // above the displays, outside every control
    ASSERT_EQ (surface->getComponentAt (empty), surface.get());
    moveHeld (empty, empty + juce::Point<int> (30, 10));
    EXPECT_TRUE (surface->isDragAndDropActive());
    EXPECT_EQ (surface->getCurrentDragDescription().toString(), "Main Window");
    viewtest::mouse (*surface, (empty + juce::Point<int> (30, 10)).toFloat(), false);
}

TEST_F (SurfaceTest, ClosingTheWindowWhileADragIsReportedCallsNothingOnTheSurface)
{
    // The drag's start and end are still queued in the pad view when the surface goes.
    const auto start = surface->getPadView (0)->getBounds().getCentre();
    moveHeld (start, start + juce::Point<int> (10, 0));
    viewtest::mouse (*surface, (start + juce::Point<int> (10, 0)).toFloat(), false);
    surface.reset();
    ASSERT_TRUE (testutil::deliverPostedMessages());
}

TEST_F (SurfaceTest, ATypeWrittenFromElsewhereOrADropLeavesTheKeyboardWhereTheUserTypes)
{
    for (int kind = 0; kind < 4; ++kind)
    {
        click (controlView (kind));
        auto& view = *surface->getParameterView();
        nameEditor().grabKeyboardFocus();
        ASSERT_TRUE (nameEditor().hasKeyboardFocus (false));

        // Another window (the auto-populate tool, say) writes the type; then a drag ends.
        controlView (kind).getControl()->setParameterValue ("Parameter Type", juce::Value (1));
        ASSERT_TRUE (testutil::runLoopUntil ([&] { return view.getVisiblePageIndex() == 1; }, 2000));
        surface->controlDragStateChanged (&controlView (kind), false);
        EXPECT_TRUE (nameEditor().hasKeyboardFocus (false)) << view.getTitle();

        // The user's own pick keeps the keyboard on the TYPE chooser.
        auto& type = viewtest::chooser (view, "TYPE");
        viewtest::pick (type, type.getItemText (0));
        ASSERT_TRUE (testutil::runLoopUntil ([&] { return view.getVisiblePageIndex() == 0; }, 2000));
        EXPECT_TRUE (type.hasKeyboardFocus (false)) << view.getTitle();
    }
}

TEST_F (SurfaceTest, EveryCaptionAndValueReadsWholeWithTheLongestValuesOfEveryType)
{
    ASSERT_TRUE (preset->setName ("WWWWWWWW"));
    set (*preset->getTransport(), "BPM=300|SWING=75|GATE=99|TIME DIVISION=7|TRANSPORT TYPE=1|REPEAT TOGGLE=0|"
                                  "TIME DIVISION TOGGLE=0");
    for (int i = 0; i < 16; ++i)
        set (*preset->getPad (i),
             "MIDI Note=121|Program Number=127|Program MSB=127|Program LSB=127|Note Toggle Mode=127|"
             "MIDI Channel=" +
                 juce::String (i % 2 == 0 ? 32 : 127) + "|Parameter Type=" + juce::String (i % 3));

    const int types[] = { 3, 4, 2, 5 };
    for (int kind = 0; kind < 4; ++kind)
        for (int type = 0; type < types[kind]; ++type)
        {
            controlView (kind).getControl()->setParameterValue ("Parameter Type", juce::Value (type));
            click (controlView (kind));
            auto& view = *surface->getParameterView();
            ASSERT_TRUE (testutil::runLoopUntil ([&] { return view.getVisiblePageIndex() == type; }, 2000));
            ASSERT_TRUE (testutil::deliverPostedMessages());
            ASSERT_EQ (nameEditor().getText(), "WWWWWWWW");

            const auto name = view.getTitle().replace (" ", "") + "-type" + juce::String (type);
            viewtest::expectTextsFit (*surface, name);
            EXPECT_TRUE (viewtest::writePng (surface->createComponentSnapshot (surface->getLocalBounds()),
                                             "surface/longest-values-" + name + ".png"));
        }
}

TEST_F (SurfaceTest, ClosingTheWindowWithANumberBeingTypedFreesTheEditorBeforeTheLook)
{
    click (*surface->getKnobView (0));
    auto& box = viewtest::numberBox (*surface->getParameterView(), "MIDI CC");
    box.showEditor();
    ASSERT_NE (box.getCurrentTextEditor(), nullptr);
    box.getCurrentTextEditor()->insertTextAtCaret ("42");

    // A look deleted while a component still uses it is a JUCE assertion, which fails the test in
    // the Debug builds (the sanitizer runs); AddressSanitizer watches the memory itself.
    surface.reset();
    testutil::deliverPostedMessages();
}
