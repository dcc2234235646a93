#include "midi/QRX5EditorEngineResultUpdaters.h"

namespace
{
// Walks a copy of the list so that a listener may add or remove listeners while it is called;
// one removed before its turn is skipped, one added during the walk waits for the next event.
template <typename Call>
void callEach (juce::Array<QRX5EditorEngine::Listener*>& listeners, Call&& call)
{
    const auto snapshot = listeners;
    for (int i = snapshot.size(); --i >= 0;)
    {
        auto* listener = snapshot.getUnchecked (i);
        if (listeners.contains (listener))
            call (*listener);
    }
}
} // namespace

QRX5EditorEngine::SendPresetResultUpdater::SendPresetResultUpdater (juce::Array<Listener*>* l, int r,
                                                                    QRX5EditorPreset::Ptr p)
    : listeners (l)
    , result (r)
    , preset (std::move (p))
{
}

void QRX5EditorEngine::SendPresetResultUpdater::update()
{
    callEach (*listeners, [this] (Listener& l) { l.sendPresetResult (preset, result); });
}

QRX5EditorEngine::RequestPresetResultUpdater::RequestPresetResultUpdater (juce::Array<Listener*>* l, int r)
    : listeners (l)
    , result (r)
{
}

void QRX5EditorEngine::RequestPresetResultUpdater::update()
{
    callEach (*listeners, [this] (Listener& l) { l.requestPresetResult (result); });
}

QRX5EditorEngine::OpenPresetFileResultUpdater::OpenPresetFileResultUpdater (juce::Array<Listener*>* l, int r)
    : listeners (l)
    , result (r)
{
}

void QRX5EditorEngine::OpenPresetFileResultUpdater::update()
{
    callEach (*listeners, [this] (Listener& l) { l.openPresetFileResult (result); });
}

QRX5EditorEngine::SavePresetFileResultUpdater::SavePresetFileResultUpdater (juce::Array<Listener*>* l, int r)
    : listeners (l)
    , result (r)
{
}

void QRX5EditorEngine::SavePresetFileResultUpdater::update()
{
    callEach (*listeners, [this] (Listener& l) { l.savePresetFileResult (result); });
}
