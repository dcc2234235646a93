// The whole tool as the user meets it: every sub-mode with its text whole, its parts apart and
// dark on the light panels, its window hiding and showing again with its choices, its writes
// showing at once on an editor surface over the same preset, and letting go of the preset when it
// goes, whatever switches are still on their way. (Sub-mode switches are the panels' tests.)
#include "app/MainContentComponent.h"
#include "app/windows/AutoPopToolWindow.h"
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
        testutil::deliverPostedMessages();
    }

    // Pads, knobs, faders, switches; they build their first sub-mode on a later turn of the loop.
    juce::Array<AutoPopulatePanel*> panels() const { return aptest::findAll<AutoPopulatePanel> (*tool); }

    std::unique_ptr<TestApplication> app = TestApplication::make();
    QRX571EditorPreset::Ptr preset = makeDefaultPreset();
    std::unique_ptr<QRX571AutoPopulateComponent> tool =
        std::make_unique<QRX571AutoPopulateComponent> (preset);
    std::unique_ptr<AutoPopToolWindow> window;
};

// The parts shown side by side under `parent` keep clear of each other, and every label and button
// lies inside the panel.
void expectLaidOutApart (juce::Component& panel, juce::Component& parent, const juce::String& where)
{
    const auto& parts = parent.getChildren();
    for (int i = 0; i < parts.size(); ++i)
        if (auto* part = parts[i]; part->isVisible())
        {
            EXPECT_FALSE (
                (dynamic_cast<juce::Label*> (part) != nullptr ||
                 dynamic_cast<juce::Button*> (part) != nullptr) &&
                ! panel.getLocalBounds().contains (panel.getLocalArea (part, part->getLocalBounds())))
                << where << ": " << part->getName() << " leaves the panel";
            for (int j = i + 1; j < parts.size(); ++j)
                EXPECT_FALSE (parts[j]->isVisible() && part->getBounds().intersects (parts[j]->getBounds()))
                    << where << ": " << part->getName() << " over " << parts[j]->getName();
            expectLaidOutApart (panel, *part, where);
        }
}
} // namespace

TEST_F (AutoPopulateToolTest, AnApplyShowsAtOnceOnASurfaceOverTheSamePreset)
{
    MainContentComponent surface (preset, EditorPictures::editorBackground());
    tool->addToDesktop (0); // on screen, so that START takes the keyboard focus when typed into
    tool->setVisible (true);
    auto& pads = *panels()[0];
    ASSERT_TRUE (testutil::deliverPostedMessages());
    aptest::perform (pads, "enable PAD ON COLOR; enable SCALE; pick PAD ON COLOR=GREEN; type START=48");
    aptest::tickAndApply (pads, { 0 });

    // Each item of the real chooser reaches its own scale (whose steps the model's tests check).
    const std::pair<const char*, juce::uint8 (*) (int, juce::uint8)> scales[] = {
        { "MAJOR", majorScaleNote },
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
        aptest::perform (pads, juce::String ("pick SCALE=") + name);
        aptest::tickAndApply (pads, {});
        const auto shown = [&, note = note]
        {
            for (int i = 0; i < 16; ++i)
            {
                const auto* view = surface.getPadView (i);
                const auto lines = view->getTextLines();
                const auto label = formatNoteLabel (note (48, (juce::uint8)i));
                if (view->getOnColour() != PadView::getPalette()[5] || // green
                    std::none_of (lines.begin(), lines.end(),
                                  [&] (auto& line) { return line.text == label; }))
                    return false;
            }
            return true;
        };
        EXPECT_TRUE (testutil::runLoopUntil (shown)) << name;
    }
}

TEST_F (AutoPopulateToolTest, WindowHidesOnCloseAndShowsAgainWithItsChoicesAndTheCurrentName)
{
    auto& pads = *panels()[0];
    window = std::make_unique<AutoPopToolWindow> (tool.release());

    juce::Component mainWindow;
    mainWindow.setBounds (100, 100, 940, 721);
    window->showAround (&mainWindow, preset->getName());
    EXPECT_TRUE (window->isOnDesktop() && window->isVisible());
    EXPECT_EQ (window->getName(), "Auto Populate: Generic"); // without the blank that pads the name

    ASSERT_TRUE (aptest::click (*aptest::find<juce::Button> (pads, EditorStrings::bankCButton)));
    aptest::perform (pads, "pick TYPE=PROGRAM BANK; enable MSB");

    window->closeButtonPressed();
    EXPECT_FALSE (window->isOnDesktop());

    ASSERT_TRUE (preset->setName ("RENAMED "));
    window->showAround (&mainWindow, preset->getName());
    EXPECT_EQ (window->getName(), "Auto Populate: RENAMED");
    EXPECT_TRUE (aptest::find<juce::Button> (pads, EditorStrings::bankCButton)->getToggleState());
    EXPECT_EQ (aptest::chooser (pads, "TYPE").getText(), "PROGRAM BANK");
    EXPECT_TRUE (aptest::enabledToggle (aptest::row (pads, "MSB")).getToggleState());
}

// Every sub-mode of every panel shows every text of it whole.
TEST_F (AutoPopulateToolTest, EverySubModeRendersWithItsTextsWholeAndTheWindowLetsGoOfThePreset)
{
    ASSERT_TRUE (testutil::deliverPostedMessages());
    for (auto* panel : panels())
    {
        auto& box = aptest::chooser (*panel, "TYPE");
        for (int item = 0; item < box.getNumItems(); ++item)
        {
            box.setSelectedItemIndex (item, juce::sendNotificationSync);
            viewtest::expectTextsFit (*panel, box.getText());
            expectLaidOutApart (*panel, *panel, box.getText());
        }
    }

    // The window lets go of everything it was given (panels going with notifications pending
    // are the panels' test).
    window = std::make_unique<AutoPopToolWindow> (tool.release());
    window.reset();
    ASSERT_TRUE (testutil::deliverPostedMessages());
    EXPECT_EQ (preset->getReferenceCount(), 1); // every tool let go of the preset
}

// The tool goes while its choosers' switches are on their way, at any point of them: with every
// switch still pending, or as one chooser's switch arrives with those after it still pending.
// Nothing of it stays to hear a switch, nothing posted for it lands on it, and it lets go of the
// preset.
TEST_F (AutoPopulateToolTest, AToolGoesSafelyWithEveryChoosersSwitchPending)
{
    tool.reset();
    ASSERT_TRUE (testutil::deliverPostedMessages());
    using Choosers = juce::Array<juce::Component::SafePointer<juce::ComboBox>>;
    // Each chooser set to its next item, heard later on the message loop; the choosers, in order.
    const auto switchEveryChooser = [] (juce::Component& t)
    {
        Choosers boxes;
        for (auto* box : aptest::findAll<juce::ComboBox> (t))
        {
            box->setSelectedItemIndex ((box->getSelectedItemIndex() + 1) % box->getNumItems(),
                                       juce::sendNotificationAsync);
            boxes.add (box);
        }
        return boxes;
    };
    const auto expectAllGone = [this] (const Choosers& boxes, int where)
    {
        ASSERT_TRUE (testutil::deliverPostedMessages());
        for (int i = 0; i < boxes.size(); ++i)
            EXPECT_EQ (boxes[i].getComponent(), nullptr) << where << ": chooser " << i;
        EXPECT_EQ (preset->getReferenceCount(), 1) << where;
    };
    // Closes the tool as the chooser it listens to tells of its switch.
    struct Closer : juce::ComboBox::Listener
    {
        explicit Closer (std::unique_ptr<QRX571AutoPopulateComponent>& t)
            : toClose (t)
        {
        }
        void comboBoxChanged (juce::ComboBox*) override { toClose.reset(); }
        std::unique_ptr<QRX571AutoPopulateComponent>& toClose;
    };

    // Gone before its panels have built their first sub-modes.
    auto another = std::make_unique<QRX571AutoPopulateComponent> (preset);
    auto boxes = switchEveryChooser (*another);
    another.reset();
    expectAllGone (boxes, -1);

    int closings = 0;
    for (int closer = 0;; ++closer)
    {
        another = std::make_unique<QRX571AutoPopulateComponent> (preset);
        ASSERT_TRUE (testutil::deliverPostedMessages()); // the first sub-modes
        boxes = switchEveryChooser (*another);
        if (closer == boxes.size()) // gone with every switch pending
        {
            another.reset();
            expectAllGone (boxes, closer);
            break;
        }
        Closer closing (another);
        boxes[closer]->addListener (&closing);
        ASSERT_TRUE (testutil::deliverPostedMessages());
        // A sub-mode's chooser goes with its sub-mode when its panel's TYPE switch comes first.
        EXPECT_TRUE (another == nullptr || boxes[closer] == nullptr) << closer;
        closings += another == nullptr;
        if (boxes[closer] != nullptr)
            boxes[closer]->removeListener (&closing);
        another.reset();
        expectAllGone (boxes, closer);
    }
    EXPECT_GE (closings, 4); // at least as each panel's TYPE switch arrived
}

// The Global Settings page's captions read dark on its light grey, as the tool's row captions do.
TEST_F (AutoPopulateToolTest, GlobalSettingsCaptionsReadDarkOnTheLightPanelAsTheToolsDo)
{
    ASSERT_TRUE (testutil::deliverPostedMessages());
    juce::ReferenceCountedObjectPtr<QRX571GlobalSettingsComponent> page = new QRX571GlobalSettingsComponent();
    const auto background = EditorPictures::auxiliaryBackground();

    // Each caption against the picture under it: the page's own, or the tool's under its panel.
    for (auto [root, canvas, captions] :
         { std::tuple<juce::Component*, juce::Component*, int> (page.get(), page.get(),
                                                                QRX571GlobalSettingsComponent::numRows),
           { panels()[0], tool.get(), 9 } }) // 4 common rows, TYPE, the 3 NOTE rows, START
    {
        int seen = 0;
        for (auto* label : aptest::findAll<juce::Label> (*root))
            if (dynamic_cast<juce::ComboBox*> (label->getParentComponent()) == nullptr &&
                dynamic_cast<NumberBoxComponent<int>*> (label) == nullptr && label->isVisible())
            {
                ++seen;
                const auto at = canvas->getLocalPoint (label, juce::Point<int> (2, label->getHeight() / 2));
                const auto ink = label->findColour (juce::Label::textColourId).getPerceivedBrightness();
                EXPECT_GE (std::abs (ink - background.getPixelAt (at.x, at.y).getPerceivedBrightness()), 0.5f)
                    << label->getText();
            }
        EXPECT_EQ (seen, captions);
    }
}
