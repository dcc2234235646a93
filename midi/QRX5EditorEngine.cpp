#include "midi/QRX5EditorEngine.h"

#include "midi/PresetFile.h"
#include "midi/QRX5EditorEngineResultUpdaters.h"

#include <mutex>
#include <vector>

// What the manager holds in place of the engine. The manager can't forget a listener, and its
// input thread may be walking an old copy of its list, so the engine is reached only through
// this gate, which the engine closes before anything of it is destroyed. Gates are kept until
// the program ends, as the manager may still call them.
class QRX5EditorEngine::InputGate : public MidiManager::Listener
{
public:
    static InputGate* open (QRX5EditorEngine& engine)
    {
        auto& r = registry();
        const std::lock_guard<std::mutex> sl (r.lock);
        r.gates.push_back (std::unique_ptr<InputGate> (new InputGate (engine)));
        return r.gates.back().get();
    }

    void close()
    {
        const juce::ScopedLock sl (lock);
        engine = nullptr;
    }

    void handleIncomingMidiMessage (MidiInputPort*, const juce::MidiMessage& message) override
    {
        const juce::ScopedLock sl (lock);
        if (engine != nullptr)
            engine->acceptIncoming (message);
    }

private:
    explicit InputGate (QRX5EditorEngine& e)
        : engine (&e)
    {
    }

    struct Registry
    {
        std::mutex lock;
        std::vector<std::unique_ptr<InputGate>> gates;
    };

    static Registry& registry()
    {
        static Registry r;
        return r;
    }

    juce::CriticalSection lock;
    QRX5EditorEngine* engine;
};

class QRX5EditorEngine::IncomingReplies : public juce::AsyncUpdater
{
public:
    explicit IncomingReplies (QRX5EditorEngine& e)
        : engine (e)
    {
    }

    ~IncomingReplies() override { cancelPendingUpdate(); }

    void handleAsyncUpdate() override { engine.handleIncomingReplies(); }

private:
    QRX5EditorEngine& engine;
};

QRX5EditorEngine::QRX5EditorEngine (int dumpMessageSize, MidiManager::Ptr manager)
    : midiManager (std::move (manager))
    , dumpSize (dumpMessageSize)
    , incomingReplies (std::make_unique<IncomingReplies> (*this))
{
    if (midiManager != nullptr)
    {
        gate = InputGate::open (*this);
        midiManager->addListener (gate);
    }
}

QRX5EditorEngine::~QRX5EditorEngine()
{
    if (gate != nullptr)
        gate->close();

    incomingReplies->cancelPendingUpdate();
    stopTimer (sendAcknowledgementTimer);
    stopTimer (requestReplyTimer);
    cancelPendingUpdate();
}

SysExMessages QRX5EditorEngine::getSysExMessages()
{
    return SysExMessages ({ getProductId(), dumpSize, getPresetTrailer(), getParameterRequestCommand(),
                            getParameterDataCommand(), getNumGlobalParameters() });
}

void QRX5EditorEngine::setReplyTimeout (int milliseconds) { timeoutMs = juce::jmax (1, milliseconds); }

//==============================================================================
void QRX5EditorEngine::addListener (Listener* listener)
{
    if (listener != nullptr)
        listeners.addIfNotAlreadyThere (listener);
}

void QRX5EditorEngine::removeListener (Listener* listener) { listeners.removeFirstMatchingValue (listener); }

void QRX5EditorEngine::postSendResult (QRX5EditorPreset::Ptr preset, int result)
{
    queue (new SendPresetResultUpdater (&listeners, result, std::move (preset)), juce::sendNotificationAsync);
}

void QRX5EditorEngine::postRequestResult (int result)
{
    queue (new RequestPresetResultUpdater (&listeners, result), juce::sendNotificationAsync);
}

QRX5EditorPreset::Ptr QRX5EditorEngine::takeOldest (juce::ReferenceCountedArray<QRX5EditorPreset>& pending)
{
    const juce::ScopedLock sl (pendingLock);
    return pending.isEmpty() ? nullptr : pending.removeAndReturn (0);
}

// One time-out serves every send (or request): once one is retired, those still waiting get a
// full wait of their own from now, so none is left without a result.
void QRX5EditorEngine::rearmTimeout (int timerID)
{
    bool waiting;

    if (timerID == sendAcknowledgementTimer)
    {
        const juce::ScopedLock sl (pendingLock);
        waiting = ! pendingSends.isEmpty();
    }
    else
    {
        waiting = hasOpenRequests();
    }

    if (waiting)
        startTimer (timerID, timeoutMs);
    else
        stopTimer (timerID);
}

juce::Array<juce::uint8> QRX5EditorEngine::outgoingImage (const QRX5EditorPreset::Ptr& preset)
{
    if (preset == nullptr)
        return {};

    auto image = preset->getData();
    return preset->validate (image) ? image : juce::Array<juce::uint8>();
}

//==============================================================================
void QRX5EditorEngine::sendPreset (int location, QRX5EditorPreset::Ptr preset)
{
    // A location is one byte on the wire: outside 0..20 it would land on another one.
    const auto image = juce::isPositiveAndBelow (location, numPresetLocations) ? outgoingImage (preset)
                                                                               : juce::Array<juce::uint8>();
    if (image.isEmpty() || midiManager == nullptr || midiManager->getNumOpenOutputs() < 1)
    {
        postSendResult (preset, 0);
        return;
    }

    {
        const juce::ScopedLock sl (pendingLock);
        pendingSends.add (preset);
    }

    midiManager->sendMessageToAllOutputs (getSysExMessages().presetDump (location, image));
    startTimer (sendAcknowledgementTimer, timeoutMs);
}

void QRX5EditorEngine::requestPreset (int location, QRX5EditorPreset::Ptr preset)
{
    if (preset == nullptr || ! juce::isPositiveAndBelow (location, numPresetLocations) ||
        midiManager == nullptr || midiManager->getNumOpenInputs() < 1)
    {
        postRequestResult (0);
        return;
    }

    const auto request = getSysExMessages().presetRequest (location);
    {
        const juce::ScopedLock sl (pendingLock);
        pendingRequests.add (preset);
    }

    midiManager->sendMessageToAllOutputs (request);
    startTimer (requestReplyTimer, timeoutMs);
}

bool QRX5EditorEngine::hasOpenRequests()
{
    const juce::ScopedLock sl (pendingLock);
    return ! pendingRequests.isEmpty() || refusedReplies > 0;
}

int QRX5EditorEngine::answersHandled (int timerID) const
{
    return timerID == sendAcknowledgementTimer ? acknowledgementsHandled : repliesLoaded;
}

void QRX5EditorEngine::timerCallback (int timerID)
{
    // A held message thread may run this before the replies that came in time: those are
    // handled first, and one that answers has already put the time-out off.
    const auto answeredBefore = answersHandled (timerID);
    handleIncomingReplies();
    if (answersHandled (timerID) != answeredBefore)
        return;

    if (timerID == sendAcknowledgementTimer)
    {
        auto oldest = takeOldest (pendingSends);
        rearmTimeout (timerID);
        postSendResult (oldest, 1);
    }
    else if (timerID == requestReplyTimer)
    {
        // A request whose reply was refused has already left the queue; this is its result.
        if (refusedReplies > 0)
            --refusedReplies;
        else
            takeOldest (pendingRequests);

        rearmTimeout (timerID);
        postRequestResult (1);
    }
    else
    {
        stopTimer (timerID);
    }
}

//==============================================================================
void QRX5EditorEngine::requestGlobalSettings()
{
    if (midiManager != nullptr)
        midiManager->sendMessageToAllOutputs (getSysExMessages().globalParameterRequest());
}

void QRX5EditorEngine::sendGlobalSettingChanges (QRX5GlobalSettings::Ptr settings)
{
    if (settings == nullptr || midiManager == nullptr)
        return;

    const auto messages = getSysExMessages();
    for (auto packed : settings->getAllSettings())
    {
        const int value = packed >> 8;
        // A SysEx data byte holds 7 bits: a larger value can't be put on the wire.
        if (value > 0x7f)
            continue;

        midiManager->sendMessageToAllOutputs (
            messages.globalParameterData (packed & 0xff, static_cast<juce::uint8> (value)));
        requestGlobalSettings();
    }
}

//==============================================================================
void QRX5EditorEngine::handleIncomingMidiMessage (MidiInputPort*, const juce::MidiMessage& message)
{
    acceptIncoming (message);
}

void QRX5EditorEngine::acceptIncoming (const juce::MidiMessage& message)
{
    if (! message.isSysEx())
        return;

    const juce::ScopedLock sl (incomingLock);
    while ((int)incoming.size() >= maxWaitingMessages)
        incoming.pop_front();

    incoming.push_back (message);
    incomingReplies->triggerAsyncUpdate();
}

void QRX5EditorEngine::handleIncomingReplies()
{
    std::deque<juce::MidiMessage> batch;
    {
        const juce::ScopedLock sl (incomingLock);
        batch.swap (incoming);
    }

    for (const auto& message : batch)
        handleSysExReply (message.getRawData(), message.getRawDataSize());
}

void QRX5EditorEngine::handleSysExReply (const juce::uint8* data, int size)
{
    if (data == nullptr || size < 1 || data[0] != 0xf0)
        return;

    const auto messages = getSysExMessages();
    switch (messages.recognise (data, size))
    {
        case SysExMessages::Kind::presetDump:
        {
            // Matched to the oldest request, never by location. A dump the preset refuses
            // retires that request silently; the time-out still reports it.
            auto preset = takeOldest (pendingRequests);
            if (preset == nullptr)
                break;

            if (preset->setFromData (messages.presetImageOf (data, size)))
            {
                ++repliesLoaded;
                rearmTimeout (requestReplyTimer);
                postRequestResult (2);
            }
            else
            {
                ++refusedReplies;
            }
            break;
        }

        case SysExMessages::Kind::globalParameterData:
            if (globalSettings == nullptr)
                globalSettings = getGlobalSettings();

            if (globalSettings != nullptr)
                for (auto packed : messages.readGlobalParameterData (data, size))
                    globalSettings->setSetting (packed, 3);
            break;

        case SysExMessages::Kind::acknowledgement:
        {
            auto oldest = takeOldest (pendingSends);
            ++acknowledgementsHandled;
            rearmTimeout (sendAcknowledgementTimer);
            postSendResult (oldest, 2);
            break;
        }

        case SysExMessages::Kind::ignored:
            break;
    }
}

//==============================================================================
bool QRX5EditorEngine::savePresetFile (const juce::File& file, QRX5EditorPreset::Ptr preset)
{
    // A preset the program would refuse to open again is not written at all.
    const auto image = outgoingImage (preset);
    const bool written =
        ! image.isEmpty() && PresetFile::replaceWhole (file, getSysExMessages().presetDumpBytes (0, image));

    queue (new SavePresetFileResultUpdater (&listeners, written ? 1 : 0), juce::sendNotificationAsync);
    return written;
}

void QRX5EditorEngine::openPresetFile (const juce::File& file, QRX5EditorPreset::Ptr preset)
{
    int result = 1;
    if (file.existsAsFile())
    {
        juce::Array<juce::uint8> bytes;
        const bool loaded =
            preset != nullptr && PresetFile::readAll (file, bytes) &&
            preset->setFromData (getSysExMessages().presetImageOf (bytes.getRawDataPointer(), bytes.size()));
        result = loaded ? 2 : 0;
    }

    queue (new OpenPresetFileResultUpdater (&listeners, result), juce::sendNotificationAsync);
}

bool QRX5EditorEngine::loadPresetFile (const juce::File& file)
{
    if (! file.existsAsFile() || file.getSize() != dumpSize)
        return false;

    juce::Array<juce::uint8> bytes;
    if (! PresetFile::readAll (file, bytes) || bytes.size() != dumpSize)
        return false;

    auto preset = createPreset();
    return preset != nullptr &&
           preset->validate (getSysExMessages().presetImageOf (bytes.getRawDataPointer(), bytes.size()));
}

void QRX5EditorEngine::copyControlData (MEditorControl::Ptr source, MEditorControl::Ptr destination)
{
    if (source == nullptr || destination == nullptr || source->getName() != destination->getName())
        return;

    destination->setFromData (source->getData());
}
