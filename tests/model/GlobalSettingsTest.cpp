#include "model/QRX571GlobalSettings.h"
#include "support/RunLoop.h"

#include <gtest/gtest.h>

#include <functional>

namespace
{
using Log = juce::StringArray;

// Logs "<who> <method> <value>" for every call; an optional hook runs inside each call.
struct Recorder : QRX571GlobalSettings::Listener
{
    Recorder (Log& l, const char* w)
        : log (l)
        , who (w)
    {
    }
    void note (const char* method, juce::uint8 v)
    {
        log.add (who + " " + method + " " + juce::String (v));
        if (hook)
            hook();
    }
    void commonChannelChanged (juce::uint8 v) override { note ("commonChannel", v); }
    void screenContrastChanged (juce::uint8 v) override { note ("screenContrast", v); }
    void tapAverageChanged (juce::uint8 v) override { note ("tapAverage", v); }
    void tempoLEDChanged (juce::uint8 v) override { note ("tempoLED", v); }
    void clockSourceChanged (juce::uint8 v) override { note ("clockSource", v); }
    void transportToDinChanged (juce::uint8 v) override { note ("transportToDin", v); }
    void padThresholdChanged (juce::uint8 v) override { note ("padThreshold", v); }
    void padGainChanged (juce::uint8 v) override { note ("padGain", v); }
    void padCurveChanged (juce::uint8 v) override { note ("padCurve", v); }
    void noteTypeChanged (juce::uint8 v) override { note ("noteType", v); }

    Log& log;
    juce::String who;
    std::function<void()> hook;
};

struct Setting
{
    int id;
    const char* method;
    int minimum, maximum;
};

const Setting table[] = { { 1, "commonChannel", 0, 31 }, { 2, "screenContrast", 0, 99 },
                          { 3, "tapAverage", 2, 4 },     { 4, "tempoLED", 0, 1 },
                          { 5, "clockSource", 0, 1 },    { 6, "transportToDin", 0, 1 },
                          { 7, "padThreshold", 0, 19 },  { 9, "padCurve", 0, 5 },
                          { 10, "padGain", 0, 20 },      { 11, "noteType", 0, 10 } };

juce::uint16 packed (int id, int value) { return static_cast<juce::uint16> (id | value << 8); }

juce::Array<juce::uint16> all (int Setting::*value)
{
    juce::Array<juce::uint16> out;
    for (auto& s : table)
        out.add (packed (s.id, s.*value));
    return out;
}

void drain() { ASSERT_TRUE (testutil::deliverPostedMessages()); }
} // namespace

// Each setting starts at its minimum; out of range is dropped though the id is known.
TEST (GlobalSettings, PackedFormsRangesAndRefusedIds)
{
    QRX571GlobalSettings::Ptr settings = new QRX571GlobalSettings();
    for (auto& s : table)
        EXPECT_TRUE (settings->setSetting (packed (s.id, s.maximum + 1), 0) &&
                     settings->setSetting (packed (s.id, (s.minimum - 1) & 0xff), 0));
    EXPECT_EQ (settings->getAllSettings(), all (&Setting::minimum));

    for (auto edge : { &Setting::maximum, &Setting::minimum })
    {
        for (auto& s : table)
            settings->setSetting (packed (s.id, s.*edge), 0);
        EXPECT_EQ (settings->getAllSettings(), all (edge));
    }
    for (int id : { 0, 8, 12, 255 })
        EXPECT_FALSE (settings->setSetting (packed (id, 1), 1)) << id;
    EXPECT_EQ (settings->getAllSettings(), all (&Setting::minimum));
}

// Calls come later, in call order, last listener first; a listener may take others (or itself)
// out during a call, and a release drops the calls still pending.
TEST (GlobalSettings, NotifiesLaterLastListenerFirstListenersMayRemoveListenersAndReleaseDropsPendingCalls)
{
    QRX571GlobalSettings::Ptr settings = new QRX571GlobalSettings();
    Log log;
    Recorder a (log, "a"), b (log, "b"), c (log, "c");
    for (auto* l : { &a, &b, &b, static_cast<Recorder*> (nullptr) })
        settings->addListener (l);

    settings->setSetting (packed (1, 31), 1);
    settings->setPadGain (20, 1);
    settings->setTapAverage (5, 1); // dropped: nobody hears of it
    settings->setNoteType (3, 0);   // stored silently
    settings->setTempoLED (0, 1);   // unchanged, still told
    EXPECT_TRUE (log.isEmpty());
    drain();
    EXPECT_EQ (log, Log ({ "b commonChannel 31", "a commonChannel 31", "b padGain 20", "a padGain 20",
                           "b tempoLED 0", "a tempoLED 0" }));
    EXPECT_EQ (settings->getAllSettings()[9], packed (11, 3));

    log.clear();
    settings->removeListener (&b);
    settings->resendAll (0);
    drain();
    EXPECT_TRUE (log.isEmpty());
    settings->resendAll (1);
    drain();
    ASSERT_EQ (log.size(), 10);
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ (log[i], "a " + juce::String (table[i].method) + " " +
                               juce::String (settings->getAllSettings()[i] >> 8));

    log.clear();
    for (auto* l : { &b, &c })
        settings->addListener (l);
    b.hook = [&] { settings->removeListener (&b); };
    settings->setScreenContrast (7, 1);
    drain();
    EXPECT_EQ (log, Log ({ "c screenContrast 7", "b screenContrast 7", "a screenContrast 7" }));

    log.clear(); // c, called first, takes a out before its turn: a is skipped, c not called twice
    c.hook = [&] { settings->removeListener (&a); };
    settings->setClockSource (1, 1);
    drain();
    EXPECT_EQ (log, Log ({ "c clockSource 1" }));

    log.clear(); // released with calls pending: none is made
    settings->addListener (&a);
    settings->resendAll (1);
    settings = nullptr;
    drain();
    EXPECT_TRUE (log.isEmpty());

    // A listener that drops the last reference during its call: the object lives until that
    // call returns, and the calls still pending are dropped as on any release.
    settings = new QRX571GlobalSettings();
    settings->addListener (&a);
    a.hook = [&] { settings = nullptr; };
    settings->resendAll (1);
    drain();
    EXPECT_EQ (log, Log ({ "a commonChannel 0" }));
}
