#include "ModelLayouts.h"

#include <gtest/gtest.h>

using namespace modeltest;

namespace
{
using Bytes = juce::Array<juce::uint8>;

// The smallest valid record of a kind: every field at its minimum, BPM 30.
Bytes minimalRecord (const Kind& k)
{
    Bytes record;
    record.insertMultiple (0, 0, k.size);
    for (auto& f : k.fields)
        record.set (f.byte, static_cast<juce::uint8> (f.minimum));
    if (&k == &transportKind)
        record.set (1, 30);
    return record;
}
} // namespace

// A fresh record holds every field at its minimum; each field by name, byte and both ends of
// its range, through the record alone; a refused record (out of range, or a byte short or long)
// changes nothing.
TEST (ControlRecords, EveryFieldSitsInItsByteWithItsRangeBpmIsJoinedBeforeTestingAndReservedBytesAreZeroed)
{
    for (auto* k : allKinds)
        for (auto& f : k->fields)
        {
            SCOPED_TRACE (juce::String (k->label) + " / " + f.name);
            auto control = k->make();
            EXPECT_EQ (control->getData(), minimalRecord (*k));
            for (int edge : { f.minimum, f.maximum })
            {
                auto record = minimalRecord (*k);
                record.set (f.byte, static_cast<juce::uint8> (edge));
                ASSERT_TRUE (control->setFromData (record));
                EXPECT_EQ (valueOf (*control, f.name), edge);
                EXPECT_EQ (control->getData(), record);
            }

            const auto kept = control->getData();
            auto shorter = kept, longer = kept, below = kept, above = kept;
            shorter.removeLast();
            longer.add (0);
            below.set (f.byte, static_cast<juce::uint8> (f.minimum - 1)); // below 0 wraps to 255
            above.set (f.byte, static_cast<juce::uint8> (f.maximum + 1));
            for (auto* bad : { &shorter, &longer, &below, &above })
                EXPECT_FALSE (control->validate (*bad) || control->setFromData (*bad));
            EXPECT_EQ (control->getData(), kept);
        }

    QRX5Transport::Ptr t = new QRX5Transport();
    auto bpm = [] (juce::uint8 h, juce::uint8 l) {
        return Bytes ({ h, l, 0, 0, 0, 1, 50, 0, 0, 0, 0, 0, 0 });
    };
    EXPECT_FALSE (t->validate (bpm (0, 29)));
    EXPECT_FALSE (t->validate (bpm (2, 45)));
    EXPECT_TRUE (t->validate (bpm (2, 44)));

    ASSERT_TRUE (t->setFromData (bpm (0, 200))); // not a 7-bit pair, but joins to 200
    EXPECT_EQ (valueOf (*t, "BPM"), 200);
    EXPECT_EQ (t->getData(), bpm (1, 72));

    ASSERT_TRUE (t->setFromData (Bytes ({ 0, 120, 1, 7, 1, 99, 75, 0xff, 0x80, 2, 3, 4, 4 })));
    EXPECT_EQ (t->getData(), Bytes ({ 0, 120, 1, 7, 1, 99, 75, 0, 0, 0, 0, 0, 4 }));

    QRX5Switch::Ptr sw = new QRX5Switch();
    auto record = minimalRecord (switchKind);
    record.set (10, 0xff);
    ASSERT_TRUE (sw->setFromData (record));
    EXPECT_EQ (sw->getData(), minimalRecord (switchKind));
}
