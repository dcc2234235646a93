#include "ui/WidgetFactories.h"

#include "support/RunLoop.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>

namespace
{
struct MockNumberListener : NumberBoxComponent<int>::Listener
{
    MOCK_METHOD (void, numberBoxChanged, (NumberBoxComponent<int>*), (override));
};

// Opens the editor as a click would, types `keys` (empty: deletes the number) and presses return.
void type (NumberBoxComponent<int>& box, const juce::String& keys)
{
    box.showEditor();
    auto* editor = box.getCurrentTextEditor();
    ASSERT_NE (editor, nullptr);
    ASSERT_EQ (editor->getHighlightedRegion().getLength(), box.getText().length()) << "typing replaces";

    if (keys.isEmpty())
        editor->keyPressed (juce::KeyPress (juce::KeyPress::backspaceKey));
    else
        editor->insertTextAtCaret (keys);

    editor->keyPressed (juce::KeyPress (juce::KeyPress::returnKey));
    ASSERT_TRUE (testutil::runLoopUntil ([&] { return ! box.isBeingEdited(); }, 2000));
    testutil::runLoopFor (30); // lets any late value notification arrive
}

// A 0..127 box at 5, bound to a parameter, with a strict listener.
struct NumberBoxTyping : testing::Test
{
    NumberBoxTyping()
    {
        box.reset (makeMidiNoteBox (nullptr));
        box->getTextValue().referTo (parameter); // shows 5 at once
        box->addListener (&listener);
    }

    juce::Value parameter{ juce::var (5) };
    testing::StrictMock<MockNumberListener> listener;
    std::unique_ptr<NumberBoxComponent<int>> box;
};
} // namespace

TEST_F (NumberBoxTyping, OutOfRangeIsRefusedSilently)
{
    for (auto* keys : { "128", "-5", "99999999999" })
    {
        type (*box, keys);
        EXPECT_EQ (box->getValue(), 5) << keys;
        EXPECT_EQ (box->getText(), "5") << keys;
        EXPECT_EQ (parameter.toString(), "5") << keys;
    }
}

TEST_F (NumberBoxTyping, AcceptedNumbersAreToldOnceAndReachTheParameter)
{
    EXPECT_CALL (listener, numberBoxChanged (box.get())).Times (1);
    type (*box, "127");
    EXPECT_EQ (box->getValue(), 127);
    EXPECT_EQ (parameter.toString(), "127");
}

TEST_F (NumberBoxTyping, SignsStrayCharactersAndAnEmptyEditor)
{
    EXPECT_CALL (listener, numberBoxChanged (box.get())).Times (4);

    type (*box, "+9");
    EXPECT_EQ (box->getValue(), 9);
    EXPECT_EQ (parameter.toString(), "9") << "stored plain, without the sign";

    type (*box, "5-3");
    EXPECT_EQ (box->getValue(), 5);

    type (*box, "1a2");
    EXPECT_EQ (box->getValue(), 12) << "letters cannot be typed";

    type (*box, {});
    EXPECT_EQ (box->getValue(), 0);
    EXPECT_EQ (box->getText(), "0");
}

TEST_F (NumberBoxTyping, FollowsTheParameterAndWritesBackARefusedNumber)
{
    EXPECT_CALL (listener, numberBoxChanged (box.get())).Times (1);
    parameter = 42;
    ASSERT_TRUE (testutil::runLoopUntil ([&] { return box->getValue() == 42; }, 2000));

    parameter = 200;
    ASSERT_TRUE (testutil::runLoopUntil ([&] { return parameter.toString() == "42"; }, 2000));
    EXPECT_EQ (box->getText(), "42");
}

TEST (NumberBox, RangeWithoutZeroRefusesAnEmptyEntry)
{
    std::unique_ptr<NumberBoxComponent<int>> tempo (makeNumberBox ("TEMPO", 30, 300, nullptr));
    EXPECT_EQ (tempo->getText(), "30");

    type (*tempo, "120");
    type (*tempo, {});
    EXPECT_EQ (tempo->getValue(), 120);
    EXPECT_EQ (tempo->getText(), "120");
}
