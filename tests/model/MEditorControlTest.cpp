#include "model/MEditorControl.h"
#include "model/Split14.h"

#include <gtest/gtest.h>

namespace
{
juce::Value val (int v) { return juce::Value (juce::var (v)); }

// A control with one ranged parameter, enough to exercise the generic store.
struct RangedControl : MEditorControl
{
    RangedControl()
    {
        addParameter ("Tempo", val (300), val (30), val (120));
        addParameter ("Note", val (defaultParameterMaximum), val (defaultParameterMinimum),
                      val (defaultParameterInitial));
        // A second registration of a name must not replace the first.
        addParameter ("Tempo", val (10), val (0), val (5));
    }

    juce::Array<juce::uint8> getData() override { return {}; }
    bool setFromData (const juce::Array<juce::uint8>&) override { return false; }
    juce::String getName() override { return "Ranged"; }
    bool validate (const juce::Array<juce::uint8>&) override { return false; }
};

int valueOf (const MEditorControl& c, const char* name) { return c.getParameterValue (name).getValue(); }
} // namespace

TEST (MEditorControl, SetAcceptsBothEndsAndDropsJustOutside)
{
    RangedControl::Ptr c = new RangedControl();
    EXPECT_EQ (valueOf (*c, "Tempo"), 120);

    c->setParameterValue ("Tempo", val (30));
    EXPECT_EQ (valueOf (*c, "Tempo"), 30);
    c->setParameterValue ("Tempo", val (29));
    EXPECT_EQ (valueOf (*c, "Tempo"), 30);

    c->setParameterValue ("Tempo", val (300));
    EXPECT_EQ (valueOf (*c, "Tempo"), 300);
    c->setParameterValue ("Tempo", val (301));
    EXPECT_EQ (valueOf (*c, "Tempo"), 300);

    c->setParameterValue ("Note", val (-1));
    c->setParameterValue ("Note", val (128));
    EXPECT_EQ (valueOf (*c, "Note"), 0);
    c->setParameterValue ("Note", val (127));
    EXPECT_EQ (valueOf (*c, "Note"), 127);
}

TEST (MEditorControl, FirstRegistrationWins)
{
    RangedControl c;
    EXPECT_EQ (valueOf (c, "Tempo"), 120);
    EXPECT_TRUE (c.isValueInRange ("Tempo", val (300)));
    EXPECT_FALSE (c.isValueInRange ("Tempo", val (5 - 6)));
}

TEST (MEditorControl, UnregisteredNameIsInertEverywhere)
{
    RangedControl c;
    auto loose = c.getParameterValue ("tempo"); // names are case-sensitive
    EXPECT_TRUE (loose.getValue().isVoid());
    EXPECT_EQ (static_cast<int> (loose.getValue()), 0);

    loose = 77; // connected to nothing
    EXPECT_EQ (valueOf (c, "Tempo"), 120);

    EXPECT_FALSE (c.isValueInRange ("Nope", val (0)));
    c.setParameterValue ("Nope", val (1));
    EXPECT_EQ (c.getParameterNames(), juce::StringArray ({ "Note", "Tempo" }));

    juce::Value target (juce::var (42));
    EXPECT_FALSE (c.bindParameter ("Nope", target, true));
    EXPECT_EQ (static_cast<int> (target.getValue()), 42);
}

TEST (MEditorControl, SharedAndBoundValuesWriteWithoutRangeTest)
{
    RangedControl c;
    auto shared = c.getParameterValue ("Tempo");
    shared = 5000;
    EXPECT_EQ (valueOf (c, "Tempo"), 5000);

    juce::Value widget;
    ASSERT_TRUE (c.bindParameter ("Note", widget, false));
    EXPECT_EQ (static_cast<int> (widget.getValue()), 0);
    widget = 999;
    EXPECT_EQ (valueOf (c, "Note"), 999);

    c.setParameterValue ("Note", val (12));
    EXPECT_EQ (static_cast<int> (widget.getValue()), 12);
}

TEST (MEditorControl, BoundValueOutlivesItsControl)
{
    juce::Value widget;
    {
        RangedControl::Ptr c = new RangedControl();
        c->bindParameter ("Tempo", widget, true);
    }
    EXPECT_EQ (static_cast<int> (widget.getValue()), 120);
    widget = 99;
    EXPECT_EQ (static_cast<int> (widget.getValue()), 99);
}

TEST (Split14, SplitsAndJoins)
{
    EXPECT_EQ (split14 (300), (std::pair<juce::uint8, juce::uint8> (2, 44)));
    EXPECT_EQ (split14 (16383), (std::pair<juce::uint8, juce::uint8> (127, 127)));
    EXPECT_EQ (split14 (0), (std::pair<juce::uint8, juce::uint8> (0, 0)));
    EXPECT_EQ (join14 (2, 44), 300);
    EXPECT_EQ (join14 (0, 200), 200);

    for (int v = 0; v <= 16383; ++v)
    {
        const auto [hi, lo] = split14 (v);
        ASSERT_LT (hi, 128);
        ASSERT_LT (lo, 128);
        ASSERT_EQ (join14 (hi, lo), v);
    }
}
