// The whole tool as the user meets it: every sub-mode rendered for review, its window hiding and
// showing again with its choices, its writes showing at once on an editor surface over the same
// preset, and going away safely at any moment. (Sub-mode switches are the panels' tests.)
#include "app/AutoPopToolWindow.h"
#include "app/MainContentComponent.h"
#include "autopopulate/AutoPopulateTestSupport.h"
#include "autopopulate/QRX571AutoPopulateComponent.h"
#include "model/DefaultPreset.h"
#include "model/Scales.h"
#include "ui/EditorPictures.h"
#include "ui/EditorStrings.h"
#include "ui/PadView.h"
#include "views/TestApplication.h"

#include <gtest/gtest.h>

namespace
{
class AutoPopulateToolTest : public testing::Test
{
protected:
    void TearDown() override
    {
        window.reset();
        tool.reset();
        testutil::runLoopFor (20);
    }

    juce::Array<juce::Component*> panels() const
    {
        return { aptest::findAll<QRX5PadAutoPopulateComponent> (*tool).getFirst(),
                 aptest::findAll<QRX5KnobAutoPopulateComponent> (*tool).getFirst(),
                 aptest::findAll<QRX5FaderAutoPopulateComponent> (*tool).getFirst(),
                 aptest::findAll<QRX5SwitchAutoPopulateComponent> (*tool).getFirst() };
    }

    // The panels build their first sub-mode, START box included, on a later turn of the loop.
    bool firstSubModesBuilt() const
    {
        return testutil::runLoopUntil (
            [&]
            {
                for (auto* panel : panels())
                    if (aptest::find<NumberBoxComponent<int>> (*panel, "START") == nullptr)
                        return false;
                return true;
            });
    }

    static juce::ComboBox& typeBox (juce::Component& panel)
    {
        return aptest::comboOf (*aptest::findRow (panel, "TYPE"));
    }

    std::unique_ptr<TestApplication> app = TestApplication::make();
    QRX571EditorPreset::Ptr preset = makeDefaultPreset();
    std::unique_ptr<QRX571AutoPopulateComponent> tool =
        std::make_unique<QRX571AutoPopulateComponent> (preset);
    std::unique_ptr<AutoPopToolWindow> window;
};
} // namespace

TEST_F (AutoPopulateToolTest, AnApplyShowsAtOnceOnASurfaceOverTheSamePreset)
{
    MainContentComponent surface (preset, EditorPictures::editorBackground());
    tool->addToDesktop (0); // on screen, so that START takes the keyboard focus when typed into
    tool->setVisible (true);
    auto& pads = *panels()[0];
    ASSERT_TRUE (firstSubModesBuilt());

    ASSERT_TRUE (aptest::click (*aptest::find<juce::Button> (pads, EditorStrings::bankAButton)));
    for (auto* label : { "PAD ON COLOR", "SCALE" })
        ASSERT_TRUE (aptest::click (aptest::enabledToggle (*aptest::findRow (pads, label)))) << label;
    viewtest::pick (aptest::comboOf (*aptest::findRow (pads, "PAD ON COLOR")), "GREEN");
    viewtest::pick (aptest::comboOf (*aptest::findRow (pads, "SCALE")), "MAJOR");
    ASSERT_TRUE (viewtest::typeInto (*aptest::find<NumberBoxComponent<int>> (pads, "START"), "48"));
    ASSERT_TRUE (aptest::click (*aptest::find<juce::Button> (pads, EditorStrings::applyButton)));

    const int major[] = { 48, 50, 52, 53, 55, 57, 59, 60, 62, 64, 65, 67, 69, 71, 72, 74 };
    const auto green = PadView::getPalette()[5];
    const auto shows = [&] (int i)
    {
        auto* view = surface.getPadView (i);
        bool noteShown = false;
        for (const auto& line : view->getTextLines())
            noteShown = noteShown || line.text == formatNoteLabel (major[i]);
        return noteShown && view->getOnColour() == green;
    };
    EXPECT_TRUE (testutil::runLoopUntil (
        [&]
        {
            for (int i = 0; i < 16; ++i)
                if (! shows (i))
                    return false;
            return true;
        }));

    // Each item of the real chooser reaches its own scale (whose steps the model's tests check).
    const std::pair<const char*, juce::uint8 (*) (int, juce::uint8)> scales[] = {
        { "MINOR", minorScaleNote },
        { "PHRYGIAN", phrygianScaleNote },
        { "MELODIC MINOR", melodicMinorScaleNote },
        { "HARMONIC MINOR", harmonicMinorScaleNote },
        { "MIXOLYDIAN", mixolydianScaleNote },
        { "LYDIAN", lydianScaleNote },
        { "DORIAN", dorianScaleNote },
        { "LOCRIAN", locrianScaleNote },
    };
    for (auto [name, note] : scales)
    {
        viewtest::pick (aptest::comboOf (*aptest::findRow (pads, "SCALE")), name);
        ASSERT_TRUE (aptest::click (*aptest::find<juce::Button> (pads, EditorStrings::applyButton)));
        for (int i = 0; i < 16; ++i)
            EXPECT_EQ ((int)preset->getPad (i)->getParameterValue ("MIDI Note").getValue(),
                       note (48, (juce::uint8)i))
                << name << " " << i;
    }
}

TEST_F (AutoPopulateToolTest, WindowHidesOnCloseAndShowsAgainWithItsChoicesAndTheCurrentName)
{
    auto* pads = panels()[0];
    window = std::make_unique<AutoPopToolWindow> (tool.release());
    EXPECT_EQ (window->getContentComponent()->getBounds(), juce::Rectangle<int> (633, 677));
    EXPECT_TRUE (window->isUsingNativeTitleBar());

    juce::Component mainWindow;
    mainWindow.setBounds (100, 100, 940, 721);
    window->showAround (&mainWindow, preset->getName());
    EXPECT_TRUE (window->isOnDesktop() && window->isVisible());
    EXPECT_EQ (window->getName(), "Auto Populate: " + preset->getName());

    ASSERT_TRUE (aptest::click (*aptest::find<juce::Button> (*pads, EditorStrings::bankCButton)));
    viewtest::pick (typeBox (*pads), "PROGRAM BANK");
    ASSERT_TRUE (aptest::click (aptest::enabledToggle (*aptest::findRow (*pads, "MSB"))));

    window->closeButtonPressed();
    EXPECT_FALSE (window->isOnDesktop());

    ASSERT_TRUE (preset->setName ("RENAMED"));
    window->showAround (&mainWindow, preset->getName());
    EXPECT_EQ (window->getName(), "Auto Populate: RENAMED");
    EXPECT_TRUE (aptest::find<juce::Button> (*pads, EditorStrings::bankCButton)->getToggleState());
    EXPECT_EQ (typeBox (*pads).getText(), "PROGRAM BANK");
    EXPECT_TRUE (aptest::enabledToggle (*aptest::findRow (*pads, "MSB")).getToggleState());
}

// Every sub-mode of every panel is rendered for review on the way.
TEST_F (AutoPopulateToolTest, EverySubModeRendersAndTheToolGoesAwaySafelyAtAnyMoment)
{
    ASSERT_TRUE (firstSubModesBuilt());
    for (int item = 0, last = 1; item < last; ++item)
    {
        for (auto* panel : panels())
        {
            auto& box = typeBox (*panel);
            last = juce::jmax (last, box.getNumItems());
            box.setSelectedItemIndex (juce::jmin (item, box.getNumItems() - 1), juce::sendNotificationSync);
        }
        EXPECT_TRUE (viewtest::writePng (tool->createComponentSnapshot (tool->getLocalBounds()),
                                         "autopopulate_tool_" + juce::String (item + 1) + ".png"));
    }

    // A tool destroyed in the middle of sub-mode switches (a panel on its own going with its
    // first notifications pending is the panels' test); AddressSanitizer watches.
    auto another = std::make_unique<QRX571AutoPopulateComponent> (preset);
    for (auto* box : aptest::findAll<juce::ComboBox> (*another))
        box->setSelectedId (2, juce::sendNotificationAsync);
    another.reset();
    testutil::runLoopFor (20);

    window = std::make_unique<AutoPopToolWindow> (tool.release());
    window.reset();
    testutil::runLoopFor (20);
    EXPECT_EQ (preset->getReferenceCount(), 1); // every tool let go of the preset
}
