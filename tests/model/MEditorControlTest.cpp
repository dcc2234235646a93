#include "ModelLayouts.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace modeltest;

TEST (MEditorControl, SetKeepsToTheFirstRegisteredRangeSharedAndBoundValuesSkipItAndUnknownNamesAreInert)
{
    QRX5Transport c;                                    // "BPM" 30..300 from 30
    c.addParameter ("BPM", val (10), val (0), val (5)); // a second registration is discarded
    c.addParameter ("Note", val (defaultParameterMaximum), val (defaultParameterMinimum),
                    val (defaultParameterInitial));
    EXPECT_EQ (valueOf (c, "BPM"), 30);

    // What is stored is the int that was tested; what stands for no int is refused.
    // clang-format off
    const std::tuple<const char*, juce::var, int> writes[] = {
        { "BPM", 29, 30 },  { "BPM", 300, 300 }, { "BPM", 301, 300 },  { "BPM", 30, 30 },
        { "Note", -1, 0 },  { "Note", 128, 0 },  { "Note", 127, 127 }, { "Note", 12.7, 12 },
        { "Note", "5", 5 }, { "Note", "abc", 5 }, { "Note", 1e300, 5 }, { "Note", std::nan (""), 5 },
        { "Note", (juce::int64) 1 << 32, 5 }, { "Note", {}, 5 } };
    // clang-format on
    for (auto& [name, written, expected] : writes)
    {
        c.setParameterValue (name, juce::Value (written));
        const auto stored = c.getParameterValue (name).getValue();
        EXPECT_TRUE (stored.isInt()) << name << " " << written.toString();
        EXPECT_EQ ((int)stored, expected) << name << " " << written.toString();
    }

    auto loose = c.getParameterValue ("bpm"); // names are case-sensitive
    EXPECT_TRUE (loose.getValue().isVoid());
    loose = 77;
    EXPECT_EQ (valueOf (c, "BPM"), 30);
    EXPECT_FALSE (c.isValueInRange ("Nope", val (0)));

    juce::Value target (juce::var (42));
    EXPECT_FALSE (c.bindParameter ("Nope", target, true));
    EXPECT_EQ (static_cast<int> (target.getValue()), 42);

    juce::Value widget;
    {
        QRX5Transport::Ptr t = new QRX5Transport();
        t->getParameterValue ("BPM") = 5000;
        EXPECT_EQ (valueOf (*t, "BPM"), 5000);

        ASSERT_TRUE (t->bindParameter ("GATE", widget, true));
        widget = 999;
        EXPECT_EQ (valueOf (*t, "GATE"), 999);
        t->setParameterValue ("GATE", val (12));
        EXPECT_EQ (static_cast<int> (widget.getValue()), 12);
    }
    widget = 99;
    EXPECT_EQ (static_cast<int> (widget.getValue()), 99);
}
