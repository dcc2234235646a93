#include "QRX571GlobalSettings.h"

QRX571GlobalSettings::QRX571GlobalSettings() = default;

QRX571GlobalSettings::~QRX571GlobalSettings()
{
    // The queue's own destructor drops what is pending, but only after our listener list,
    // which the pending updaters point into, is gone; stop the delivery before that.
    cancelPendingUpdate();
}

template <typename Updater>
void QRX571GlobalSettings::store (std::atomic<juce::uint8>& slot, juce::uint8 value, int minimum, int maximum,
                                  int notify)
{
    if (value < minimum || value > maximum)
        return;

    slot.store (value);

    if (notify != 0)
        queue (new Updater (&listeners, value), juce::sendNotification);
}

void QRX571GlobalSettings::setCommonChannel (juce::uint8 value, int notify)
{
    store<CommonChannelUpdater> (commonChannel, value, 0, 31, notify);
}

void QRX571GlobalSettings::setScreenContrast (juce::uint8 value, int notify)
{
    store<ScreenContrastUpdater> (screenContrast, value, 0, 99, notify);
}

void QRX571GlobalSettings::setTapAverage (juce::uint8 value, int notify)
{
    store<TapAverageUpdater> (tapAverage, value, 2, 4, notify);
}

void QRX571GlobalSettings::setTempoLED (juce::uint8 value, int notify)
{
    store<TempoLEDUpdater> (tempoLED, value, 0, 1, notify);
}

void QRX571GlobalSettings::setClockSource (juce::uint8 value, int notify)
{
    store<ClockSourceUpdater> (clockSource, value, 0, 1, notify);
}

void QRX571GlobalSettings::setTransportToDin (juce::uint8 value, int notify)
{
    store<TransportToDinUpdater> (transportToDin, value, 0, 1, notify);
}

void QRX571GlobalSettings::setPadThreshold (juce::uint8 value, int notify)
{
    store<PadThresholdUpdater> (padThreshold, value, 0, 19, notify);
}

void QRX571GlobalSettings::setPadCurve (juce::uint8 value, int notify)
{
    store<PadCurveUpdater> (padCurve, value, 0, 5, notify);
}

void QRX571GlobalSettings::setPadGain (juce::uint8 value, int notify)
{
    store<PadGainUpdater> (padGain, value, 0, 20, notify);
}

void QRX571GlobalSettings::setNoteType (juce::uint8 value, int notify)
{
    store<NoteTypeUpdater> (noteType, value, 0, 10, notify);
}

juce::Array<juce::uint16> QRX571GlobalSettings::getAllSettings()
{
    return { packGlobalSetting (commonChannelId, commonChannel),
             packGlobalSetting (screenContrastId, screenContrast),
             packGlobalSetting (tapAverageId, tapAverage),
             packGlobalSetting (tempoLEDId, tempoLED),
             packGlobalSetting (clockSourceId, clockSource),
             packGlobalSetting (transportToDinId, transportToDin),
             packGlobalSetting (padThresholdId, padThreshold),
             packGlobalSetting (padCurveId, padCurve),
             packGlobalSetting (padGainId, padGain),
             packGlobalSetting (noteTypeId, noteType) };
}

bool QRX571GlobalSettings::setSetting (juce::uint16 packed, int notify)
{
    const auto value = static_cast<juce::uint8> (packed >> 8);

    switch (packed & 0xff)
    {
        case commonChannelId:
            setCommonChannel (value, notify);
            return true;
        case screenContrastId:
            setScreenContrast (value, notify);
            return true;
        case tapAverageId:
            setTapAverage (value, notify);
            return true;
        case tempoLEDId:
            setTempoLED (value, notify);
            return true;
        case clockSourceId:
            setClockSource (value, notify);
            return true;
        case transportToDinId:
            setTransportToDin (value, notify);
            return true;
        case padThresholdId:
            setPadThreshold (value, notify);
            return true;
        case padCurveId:
            setPadCurve (value, notify);
            return true;
        case padGainId:
            setPadGain (value, notify);
            return true;
        case noteTypeId:
            setNoteType (value, notify);
            return true;
        default:
            return false;
    }
}

void QRX571GlobalSettings::resendAll (int notify)
{
    for (auto packed : getAllSettings())
        setSetting (packed, notify);
}

void QRX571GlobalSettings::addListener (Listener* listener)
{
    if (listener != nullptr)
        listeners.addIfNotAlreadyThere (listener);
}

void QRX571GlobalSettings::removeListener (Listener* listener)
{
    listeners.removeFirstMatchingValue (listener);
}
