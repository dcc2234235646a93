// Dragging one control view onto another copies its settings through the engine, which views
// reach only through getApp; listeners hear of the drag through the notification queue. Real
// mouse events drive a real window.
#include "TestApplication.h"
#include "ViewTestSupport.h"

#include "ui/PadView.h"
#include "ui/QRX5ControlView.h"

#include <gtest/gtest.h>

namespace
{
class DragAndDropTest : public testing::Test, public DragableAndDropAbleControl::Listener
{
protected:
    void SetUp() override
    {
        const auto picture = viewtest::solidPicture (juce::Colours::darkgrey, 98, 101);
        source = new PadView (preset->getPad (0).get(), "1", picture, picture, picture);
        target = new PadView (preset->getPad (1).get(), "2", picture, picture, picture);
        knob = new QRX5ControlView (preset->getKnob (0).get(), picture, picture, picture);

        window.setBounds (100, 100, 320, 240);
        for (auto* view :
             { (ControlView*)source.get(), (ControlView*)target.get(), (ControlView*)knob.get() })
            window.addAndMakeVisible (view);
        target->setTopLeftPosition (150, 0);
        knob->setBounds (0, 120, 57, 57);
        window.addToDesktop (0);
        window.setVisible (true);
        source->addListener (static_cast<DragableAndDropAbleControl::Listener*> (this));

        for (auto [name, value] :
             { std::pair ("Parameter Type", 2), { "Program MSB", 3 }, { "MIDI Channel", 20 } })
            preset->getPad (0)->setParameterValue (name, juce::Value (value));
    }

    void TearDown() override
    {
        window.removeFromDesktop();
        window.removeAllChildren();
        source->releaseComponent();
        target->releaseComponent();
        knob->releaseComponent();
        EXPECT_TRUE (
            testutil::deliverPostedMessages()); // queued drag notifications hold their views until delivered
    }

    void controlDragStateChanged (ControlView::Ptr view, bool dragging) override
    {
        calls.add ({ view.get(), dragging });
    }

    void mouse (juce::Point<float> position, bool down) { viewtest::mouse (window, position, down); }

    // Presses on `from`, moves to `to` with the button held and, unless told not to, lets go.
    void drag (juce::Component& from, juce::Point<float> to, bool letGo = true)
    {
        const auto start = centre (from);
        for (int step = 0; step <= 5; ++step)
            mouse (start + (to - start) * (step / 5.0f), true);
        if (letGo)
            mouse (to, false);
    }

    static juce::Point<float> centre (juce::Component& c) { return c.getBounds().getCentre().toFloat(); }

    std::unique_ptr<TestApplication> app = TestApplication::make();
    QRX571EditorPreset::Ptr preset = makeDefaultPreset();
    juce::Component window;
    PadView::Ptr source, target;
    QRX5ControlView::Ptr knob;
    juce::Array<std::pair<ControlView*, bool>> calls;
};
} // namespace

TEST_F (DragAndDropTest, APadDroppedOnAKnobOrAnythingDroppedOnItselfChangesNothing)
{
    const auto image = preset->getData();
    drag (*source, centre (*knob));
    target->itemDropped ({ DragableAndDropAbleControl::dragDescription, target.get(), {} });
    target->itemDropped ({ "Main Window", &window, {} });

    EXPECT_EQ (preset->getData(), image);
    EXPECT_GT (app->engineRequests, 0) << "no drop reached the engine";
}

// A released view (the surface rebuilding the bank under the drag) still reports the end of a
// drag under way, but starts no other.
TEST_F (DragAndDropTest, ListenersHearADragLaterAndItsEndOnceButNothingOfAClickOrOfAReleasedView)
{
    mouse (centre (*source), true);
    mouse (centre (*source), false);
    ASSERT_TRUE (testutil::deliverPostedMessages());
    EXPECT_TRUE (calls.isEmpty());

    const auto aside = centre (*source) + juce::Point<float> (20, 0);
    drag (*source, aside, false);
    EXPECT_TRUE (calls.isEmpty()) << "told within the mouse event";
    ASSERT_TRUE (testutil::runLoopUntil ([&] { return ! calls.isEmpty(); }, 2000));

    source->releaseComponent();
    mouse (aside, false);
    ASSERT_TRUE (testutil::runLoopUntil ([&] { return ! calls.getLast().second; }, 2000));
    ASSERT_TRUE (testutil::runLoopUntil ([&] { return ! source->isDragAndDropActive(); }, 2000));
    for (int i = 0; i < calls.size(); ++i)
        EXPECT_EQ (calls[i], std::pair ((ControlView*)source.get(), i < calls.size() - 1));

    // The drag's picture slides back over the pads for a moment on its own window.
    ASSERT_TRUE (
        testutil::runLoopUntil ([&] { return juce::Desktop::getInstance().getNumComponents() == 1; }, 2000));
    const auto heard = calls.size();
    drag (*source, centre (*target), false);
    EXPECT_TRUE (source->isDragging());
    EXPECT_FALSE (source->isDragAndDropActive());
    mouse (centre (*target), false);
    ASSERT_TRUE (testutil::deliverPostedMessages());
    EXPECT_EQ (calls.size(), heard);
}
