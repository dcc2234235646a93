// The whole tool as the user meets it: every sub-mode rendered for review with its text whole and
// dark on the light panels, its window hiding and showing again with its choices, its writes
// showing at once on an editor surface over the same preset, and going away safely at any moment.
// (Sub-mode switches are the panels' tests.)
#include "app/AutoPopToolWindow.h"
#include "app/MainContentComponent.h"
#include "autopopulate/AutoPopulateTestSupport.h"
#include "autopopulate/QRX571AutoPopulateComponent.h"
#include "model/DefaultPreset.h"
#include "model/Scales.h"
#include "ui/EditorPictures.h"
#include "ui/EditorStrings.h"
#include "ui/PadView.h"
#include "ui/QRX571GlobalSettingsComponent.h"
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

// Every text the labels under `root` can show (a chooser's label shows each of its items in turn)
// reads whole in the font it is drawn with, clear of the widgets beside it and of a chooser's
// arrow (5 to 15 pixels in from its right edge).
void expectTextsFit (juce::Component& root, const juce::String& where)
{
    for (auto* label : aptest::findAll<juce::Label> (root))
    {
        if (! label->isVisible())
            continue;
        auto* box = dynamic_cast<juce::ComboBox*> (label->getParentComponent());
        juce::StringArray texts (label->getText());
        for (int i = 0; box != nullptr && i < box->getNumItems(); ++i)
            texts.add (box->getItemText (i));

        const auto font = label->getFont();
        const auto inside = label->getBorderSize().subtractedFrom (label->getLocalBounds());
        for (const auto& text : texts)
        {
            const auto width = font.getStringWidthFloat (text);
            EXPECT_TRUE (width <= (float)inside.getWidth() && font.getHeight() >= 9.0f)
                << where << ": " << text;
            const auto ink =
                label->getJustificationType().appliedToRectangle (
                    juce::Rectangle<int> ((int)std::ceil (width), (int)font.getHeight()), inside) +
                label->getPosition();
            if (box != nullptr)
            {
                EXPECT_LE (ink.getRight(), box->getWidth() - 15) << where << ": " << text;
            }
            for (auto* sibling : label->getParentComponent()->getChildren())
                EXPECT_FALSE (sibling != label && sibling->isVisible() &&
                              ink.intersects (sibling->getBounds()))
                    << where << ": " << text << " runs into " << sibling->getName();
        }
    }
}

// How far apart two colours read: the difference of their perceived brightness, 0 to 1.
float contrast (juce::Colour a, juce::Colour b)
{
    return std::abs (a.getPerceivedBrightness() - b.getPerceivedBrightness());
}
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
    EXPECT_EQ (window->getName(), "Auto Populate: Generic"); // without the blank that pads the name

    ASSERT_TRUE (aptest::click (*aptest::find<juce::Button> (*pads, EditorStrings::bankCButton)));
    viewtest::pick (typeBox (*pads), "PROGRAM BANK");
    ASSERT_TRUE (aptest::click (aptest::enabledToggle (*aptest::findRow (*pads, "MSB"))));

    window->closeButtonPressed();
    EXPECT_FALSE (window->isOnDesktop());

    ASSERT_TRUE (preset->setName ("RENAMED "));
    window->showAround (&mainWindow, preset->getName());
    EXPECT_EQ (window->getName(), "Auto Populate: RENAMED");
    EXPECT_TRUE (aptest::find<juce::Button> (*pads, EditorStrings::bankCButton)->getToggleState());
    EXPECT_EQ (typeBox (*pads).getText(), "PROGRAM BANK");
    EXPECT_TRUE (aptest::enabledToggle (*aptest::findRow (*pads, "MSB")).getToggleState());
}

// A number box left without a digit (emptied, or letters typed over its number, which the box
// cannot take) refuses the entry like a number out of range: the number shows again, nothing changes.
TEST_F (AutoPopulateToolTest, ANumberEntryWithoutDigitsIsRefusedOnTheSurfaceAndInTheTool)
{
    MainContentComponent surface (preset, EditorPictures::editorBackground());
    for (auto* onScreen : { (juce::Component*)&surface, (juce::Component*)tool.get() })
    {
        onScreen->addToDesktop (0); // so that the boxes take the keyboard focus when typed into
        onScreen->setVisible (true);
    }
    auto& pads = *panels()[0];
    ASSERT_TRUE (firstSubModesBuilt());
    auto& start = *aptest::find<NumberBoxComponent<int>> (pads, "START");
    ASSERT_TRUE (viewtest::typeInto (start, "48"));
    auto& noteNames = *aptest::findAll<juce::ComboBox> (pads).getLast(); // beside START: the run's root

    struct Case
    {
        NumberBoxComponent<int>& box;
        std::function<juce::String()> written;
        int number;
        const char* shownThere;
    };
    const Case boxes[] = {
        { viewtest::numberBox (*surface.getParameterView(), "MIDI NOTE"), // Pad 1's
          [&] { return preset->getPad (0)->getParameterValue ("MIDI Note").toString(); }, 36, "36" },
        { start, [&] { return noteNames.getText(); }, 48, "C3" },
    };
    for (const auto& c : boxes)
        for (auto keys : { "", "abc" }) // "": the number selected, then Backspace
        {
            SCOPED_TRACE (c.box.getName() + " typed \"" + keys + "\"");
            ASSERT_TRUE (viewtest::typeInto (c.box, keys));
            testutil::runLoopFor (30); // a late change would land now
            EXPECT_EQ (c.box.getValue(), c.number);
            EXPECT_EQ (c.box.getText(), juce::String (c.number));
            EXPECT_EQ (c.written(), c.shownThere);
        }
}

// Every sub-mode of every panel is rendered for review on the way, every text of it whole.
TEST_F (AutoPopulateToolTest, EverySubModeRendersWithItsTextsWholeAndTheToolGoesAwaySafelyAtAnyMoment)
{
    ASSERT_TRUE (firstSubModesBuilt());
    for (int item = 0, last = 1; item < last; ++item)
    {
        for (auto* panel : panels())
        {
            auto& box = typeBox (*panel);
            last = juce::jmax (last, box.getNumItems());
            box.setSelectedItemIndex (juce::jmin (item, box.getNumItems() - 1), juce::sendNotificationSync);
            expectTextsFit (*panel, box.getText());
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

// The Global Settings page's captions read dark on its light grey, as the tool's row captions do.
TEST_F (AutoPopulateToolTest, GlobalSettingsCaptionsReadDarkOnTheLightPanelAsTheToolsDo)
{
    ASSERT_TRUE (firstSubModesBuilt());
    juce::ReferenceCountedObjectPtr<QRX571GlobalSettingsComponent> page = new QRX571GlobalSettingsComponent();
    EXPECT_TRUE (viewtest::writePng (page->createComponentSnapshot (page->getLocalBounds()),
                                     "global_settings_page.png"));
    const auto background = EditorPictures::auxiliaryBackground();

    // Each caption against the picture under it: the page's own, or the tool's under its panel.
    struct Where
    {
        juce::Component* root;
        juce::Component* canvas;
        int captions;
    };
    for (auto [root, canvas, captions] :
         { Where{ page.get(), page.get(), QRX571GlobalSettingsComponent::numRows },
           Where{ panels()[0], tool.get(), 9 } }) // 4 common rows, TYPE, the 3 NOTE rows, START
    {
        int seen = 0;
        for (auto* label : aptest::findAll<juce::Label> (*root))
            if (dynamic_cast<juce::ComboBox*> (label->getParentComponent()) == nullptr &&
                dynamic_cast<NumberBoxComponent<int>*> (label) == nullptr && label->isVisible())
            {
                ++seen;
                const auto at = canvas->getLocalPoint (label, juce::Point<int> (2, label->getHeight() / 2));
                EXPECT_GE (contrast (label->findColour (juce::Label::textColourId),
                                     background.getPixelAt (at.x, at.y)),
                           0.5f)
                    << label->getText();
            }
        EXPECT_EQ (seen, captions);
    }
}
