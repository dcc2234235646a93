// The device's ten global parameters. Setters drop out-of-range values silently; an accepted
// value is stored (even if unchanged) and, with notify non-zero, every listener hears of it
// later, on the message thread, in the order of the setter calls.
//
//   id  setter             range  start   listener method
//    1  setCommonChannel   0..31    0     commonChannelChanged
//    2  setScreenContrast  0..99    0     screenContrastChanged
//    3  setTapAverage      2..4     2     tapAverageChanged
//    4  setTempoLED        0..1     0     tempoLEDChanged
//    5  setClockSource     0..1     0     clockSourceChanged
//    6  setTransportToDin  0..1     0     transportToDinChanged
//    7  setPadThreshold    0..19    0     padThresholdChanged
//    9  setPadCurve        0..5     0     padCurveChanged
//   10  setPadGain         0..20    0     padGainChanged
//   11  setNoteType        0..10    0     noteTypeChanged
//
// Setters may run on the MIDI input thread; listeners are added, removed and called on the
// message thread only. Release the object on the message thread: pending notifications are
// then dropped unrun.
#pragma once

#include "ListenerUpdater.h"
#include "QRX5GlobalSettings.h"
#include "QueueASyncUpdater.h"

#include <atomic>

class QRX571GlobalSettings : public QRX5GlobalSettings,
                             public virtual juce::ReferenceCountedObject,
                             public virtual QueueASyncUpdater
{
public:
    using Ptr = juce::ReferenceCountedObjectPtr<QRX571GlobalSettings>;

    enum SettingId
    {
        commonChannelId = 1,
        screenContrastId = 2,
        tapAverageId = 3,
        tempoLEDId = 4,
        clockSourceId = 5,
        transportToDinId = 6,
        padThresholdId = 7,
        padCurveId = 9,
        padGainId = 10,
        noteTypeId = 11
    };

    static constexpr int numSettings = 10;

    class Listener
    {
    public:
        virtual ~Listener() {}
        virtual void commonChannelChanged (juce::uint8 value) = 0;
        virtual void screenContrastChanged (juce::uint8 value) = 0;
        virtual void tapAverageChanged (juce::uint8 value) = 0;
        virtual void tempoLEDChanged (juce::uint8 value) = 0;
        virtual void clockSourceChanged (juce::uint8 value) = 0;
        virtual void transportToDinChanged (juce::uint8 value) = 0;
        virtual void padThresholdChanged (juce::uint8 value) = 0;
        virtual void padGainChanged (juce::uint8 value) = 0;
        virtual void padCurveChanged (juce::uint8 value) = 0;
        virtual void noteTypeChanged (juce::uint8 value) = 0;
    };

    // One queued call of one listener method; calls the listeners last to first, skipping any
    // that an earlier call in the same pass removed.
    template <void (Listener::*method) (juce::uint8)>
    class SettingUpdater : public ListenerUpdater
    {
    public:
        SettingUpdater (juce::Array<Listener*>* listenerList, juce::uint8 newValue)
            : listeners (listenerList)
            , value (newValue)
        {
        }

        void update() override
        {
            const auto snapshot = *listeners;
            for (int i = snapshot.size(); --i >= 0;)
            {
                auto* l = snapshot.getUnchecked (i);
                if (listeners->contains (l))
                    (l->*method) (value);
            }
        }

    private:
        juce::Array<Listener*>* listeners;
        juce::uint8 value;
    };

    // clang-format off
    class CommonChannelUpdater  : public SettingUpdater<&Listener::commonChannelChanged>  { public: using SettingUpdater::SettingUpdater; };
    class ScreenContrastUpdater : public SettingUpdater<&Listener::screenContrastChanged> { public: using SettingUpdater::SettingUpdater; };
    class TapAverageUpdater     : public SettingUpdater<&Listener::tapAverageChanged>     { public: using SettingUpdater::SettingUpdater; };
    class TempoLEDUpdater       : public SettingUpdater<&Listener::tempoLEDChanged>       { public: using SettingUpdater::SettingUpdater; };
    class ClockSourceUpdater    : public SettingUpdater<&Listener::clockSourceChanged>    { public: using SettingUpdater::SettingUpdater; };
    class TransportToDinUpdater : public SettingUpdater<&Listener::transportToDinChanged> { public: using SettingUpdater::SettingUpdater; };
    class PadThresholdUpdater   : public SettingUpdater<&Listener::padThresholdChanged>   { public: using SettingUpdater::SettingUpdater; };
    class PadCurveUpdater       : public SettingUpdater<&Listener::padCurveChanged>       { public: using SettingUpdater::SettingUpdater; };
    class PadGainUpdater        : public SettingUpdater<&Listener::padGainChanged>        { public: using SettingUpdater::SettingUpdater; };
    class NoteTypeUpdater       : public SettingUpdater<&Listener::noteTypeChanged>       { public: using SettingUpdater::SettingUpdater; };
    // clang-format on

    QRX571GlobalSettings();
    ~QRX571GlobalSettings() override;

    void setCommonChannel (juce::uint8 value, int notify);
    void setScreenContrast (juce::uint8 value, int notify);
    void setTapAverage (juce::uint8 value, int notify);
    void setTempoLED (juce::uint8 value, int notify);
    void setClockSource (juce::uint8 value, int notify);
    void setTransportToDin (juce::uint8 value, int notify);
    void setPadThreshold (juce::uint8 value, int notify);
    void setPadCurve (juce::uint8 value, int notify);
    void setPadGain (juce::uint8 value, int notify);
    void setNoteType (juce::uint8 value, int notify);

    juce::Array<juce::uint16> getAllSettings() override;
    bool setSetting (juce::uint16 packed, int notify) override;
    void resendAll (int notify) override;

    // A null listener or one already present is ignored.
    void addListener (Listener* listener);
    void removeListener (Listener* listener);

private:
    template <typename Updater>
    void store (std::atomic<juce::uint8>& slot, juce::uint8 value, int minimum, int maximum, int notify);

    std::atomic<juce::uint8> commonChannel{ 0 };
    std::atomic<juce::uint8> screenContrast{ 0 };
    std::atomic<juce::uint8> tapAverage{ 2 };
    std::atomic<juce::uint8> tempoLED{ 0 };
    std::atomic<juce::uint8> clockSource{ 0 };
    std::atomic<juce::uint8> transportToDin{ 0 };
    std::atomic<juce::uint8> padThreshold{ 0 };
    std::atomic<juce::uint8> padCurve{ 0 };
    std::atomic<juce::uint8> padGain{ 0 };
    std::atomic<juce::uint8> noteType{ 0 };

    juce::Array<Listener*> listeners;

    JUCE_DECLARE_NON_COPYABLE (QRX571GlobalSettings)
};
