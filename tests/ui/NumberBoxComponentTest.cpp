// The number box as a user types into it: out-of-range numbers and entries without a digit
// refused, accepted ones told once, and a box that follows its bound parameter.
#include "ui/WidgetFactories.h"

#include "views/ViewTestSupport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>

namespace
{
struct MockNumberListener : NumberBoxComponent<int>::Listener
{
    MOCK_METHOD (void, numberBoxChanged, (NumberBoxComponent<int>*), (override));
};
} // namespace

// A 0..127 box at 5, bound to a parameter, with a strict listener.
TEST (NumberBoxTyping, RefusesOutOfRangeNumbersAndTellsEachAcceptedOneOnce)
{
    juce::Value parameter{ juce::var (5) };
    testing::StrictMock<MockNumberListener> listener;
    const std::unique_ptr<NumberBoxComponent<int>> box{ makeMidiNoteBox (nullptr) };
    const viewtest::OnScreen onScreen{ *box };
    box->getTextValue().referTo (parameter); // shows 5 at once
    box->addListener (&listener);

    // Typed, then the number the box settles on, stored plain in the parameter, and listener calls.
    const std::tuple<const char*, int, int> cases[] = {
        { "128", 5, 0 }, { "-5", 5, 0 },  { "99999999999", 5, 0 }, { "127", 127, 1 },
        { "+9", 9, 1 },  { "5-3", 5, 1 }, { "1a2", 12, 1 }, // letters cannot be typed
        { "", 5, 0 },    { "ab", 5, 0 },  { "-", 5, 0 },    // no digit: refused
    };
    for (auto [keys, settled, calls] : cases)
    {
        SCOPED_TRACE (keys);
        box->setValue (5, juce::dontSendNotification);
        EXPECT_CALL (listener, numberBoxChanged (box.get())).Times (calls);
        ASSERT_TRUE (viewtest::typeInto (*box, keys));
        ASSERT_TRUE (testutil::deliverPostedMessages()); // a late value notification would land now
        testing::Mock::VerifyAndClearExpectations (&listener);
        EXPECT_EQ (box->getValue(), settled);
        EXPECT_TRUE (box->getText() == juce::String (settled) &&
                     parameter.toString() == juce::String (settled));
    }

    // Bound: follows the parameter, and writes a refused number back.
    EXPECT_CALL (listener, numberBoxChanged (box.get())).Times (1);
    parameter = 42;
    ASSERT_TRUE (testutil::runLoopUntil ([&] { return box->getValue() == 42; }, 2000));
    parameter = 200;
    ASSERT_TRUE (testutil::runLoopUntil ([&] { return parameter.toString() == "42"; }, 2000));
    EXPECT_EQ (box->getText(), "42");
}
