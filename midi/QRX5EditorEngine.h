// The one party that talks to the device: sends presets and waits for the acknowledgement,
// requests presets and waits for the dump, exchanges the global parameters, and reads and
// writes preset files. Every preset outcome reaches the listeners as a result code, always
// later and on the message thread:
//
//   operation        0                      1                          2
//   sendPreset       nothing could go out   no acknowledgement (3 s)   acknowledged
//   requestPreset    nothing could go out   no usable reply (3 s)      reply loaded
//   openPresetFile   not a valid dump       no such file               loaded
//   savePresetFile   writing failed         written                    -
//
// Nothing goes out, with code 0, without an open port, for a location outside 0..20, or for
// a preset whose image the program itself would refuse to load (a value a shared juce::Value
// let past its range): no byte of 0x80 or more ever stands inside a dump or a saved file.
// Every pending send and request ends in exactly one result: the time-out runs again, for the
// oldest one left, after each answer or time-out that retires one. A reply already received
// when a time-out is due is handled first, so one that came in time never counts as late.
//
// Replies arrive on the MIDI input thread but are handled on the message thread, so a preset
// is never written while a view reads it.
#pragma once

#include "midi/MidiManager.h"
#include "midi/SysExMessages.h"
#include "model/MEditorControl.h"
#include "model/QRX5EditorPreset.h"
#include "model/QRX5GlobalSettings.h"
#include "model/QueueASyncUpdater.h"

#include <juce_events/juce_events.h>

#include <deque>
#include <memory>

class QRX5EditorEngine : public MidiManager::Listener,
                         public virtual juce::ReferenceCountedObject,
                         public QueueASyncUpdater,
                         public juce::MultiTimer
{
public:
    using Ptr = juce::ReferenceCountedObjectPtr<QRX5EditorEngine>;

    class Listener
    {
    public:
        virtual ~Listener() = default;
        // preset is null for an acknowledgement that no send was waiting for.
        virtual void sendPresetResult (QRX5EditorPreset::Ptr preset, int result)
        {
            juce::ignoreUnused (preset, result);
        }
        virtual void requestPresetResult (int result) { juce::ignoreUnused (result); }
        virtual void openPresetFileResult (int result) { juce::ignoreUnused (result); }
        virtual void savePresetFileResult (int result) { juce::ignoreUnused (result); }
    };

    class SendPresetResultUpdater;
    class RequestPresetResultUpdater;
    class OpenPresetFileResultUpdater;
    class SavePresetFileResultUpdater;

    enum TimerIds
    {
        sendAcknowledgementTimer = 1,
        requestReplyTimer = 2
    };

    static constexpr int replyTimeoutMs = 3000;
    // 0 is RAM, 1..20 the preset slots.
    static constexpr int numPresetLocations = 21;
    // Incoming SysEx kept while the message thread is busy; beyond it the oldest are dropped.
    static constexpr int maxWaitingMessages = 256;

    ~QRX5EditorEngine() override;

    // Called on the MIDI input thread; the message is handled later on the message thread.
    void handleIncomingMidiMessage (MidiInputPort* source, const juce::MidiMessage& message) override;

    virtual juce::uint8 getProductId() = 0;
    virtual QRX5EditorPreset::Ptr createPreset() = 0;
    void timerCallback (int timerID) override;
    virtual juce::uint8 getParameterDataCommand() = 0;
    virtual juce::uint8 getParameterRequestCommand() = 0;
    virtual int getNumGlobalParameters() = 0;
    // The engine's own settings, made on the first call and kept.
    virtual QRX5GlobalSettings::Ptr getGlobalSettings() = 0;
    // A new settings object on every call.
    virtual QRX5GlobalSettings::Ptr createGlobalSettings() = 0;
    // Asks the device for all its global parameters; the reply updates getGlobalSettings().
    virtual void requestGlobalSettings();
    // One data message per setting, each followed by a request for all of them.
    virtual void sendGlobalSettingChanges (QRX5GlobalSettings::Ptr settings);
    virtual juce::Array<juce::uint8> getPresetTrailer() = 0;

    // Each listener once; null is ignored. Call on the message thread.
    void addListener (Listener* listener);
    void removeListener (Listener* listener);

    // location 0 is RAM, 1..20 the preset slots; any other fails with 0 and sends nothing.
    void sendPreset (int location, QRX5EditorPreset::Ptr preset);
    void requestPreset (int location, QRX5EditorPreset::Ptr preset);
    // Whether a request is still waiting for its reply or its time-out. Replies carry no
    // owner, so a new run of requests must not start while one of an earlier run is open.
    bool hasOpenRequests();

    // Writes the preset as one dump for location 0. The file is replaced whole: a failed write
    // leaves whatever stood there before untouched. Answers at once whether the file was
    // written, so the caller can keep what failed to save; the listeners still hear it later.
    bool savePresetFile (const juce::File& file, QRX5EditorPreset::Ptr preset);
    // Loads the file's dump into the preset.
    void openPresetFile (const juce::File& file, QRX5EditorPreset::Ptr preset);
    // Whether the file is a valid preset file; loads nothing and posts nothing.
    bool loadPresetFile (const juce::File& file);
    // Copies every setting of source onto destination when both are the same kind of control.
    void copyControlData (MEditorControl::Ptr source, MEditorControl::Ptr destination);

    int getDumpSize() const { return dumpSize; }

    // The message layout with this engine's model values.
    SysExMessages getSysExMessages();

protected:
    // Registers with the manager; the time-outs are the device's 3000 ms.
    QRX5EditorEngine (int dumpMessageSize, MidiManager::Ptr manager);

    // Shortens both time-outs; for tests only.
    void setReplyTimeout (int milliseconds);

    // Acts on one whole SysEx message (F0 and F7 included); message thread only.
    void handleSysExReply (const juce::uint8* data, int size);

private:
    class InputGate;
    class IncomingReplies;
    friend class InputGate;

    // Non-virtual on purpose: the input thread may call it while a derived part is being destroyed.
    void acceptIncoming (const juce::MidiMessage& message);
    void handleIncomingReplies();
    int answersHandled (int timerID) const;

    QRX5EditorPreset::Ptr takeOldest (juce::ReferenceCountedArray<QRX5EditorPreset>& pending);
    void rearmTimeout (int timerID);
    // The preset's image, or nothing when it isn't one the program would take back.
    static juce::Array<juce::uint8> outgoingImage (const QRX5EditorPreset::Ptr& preset);
    void postSendResult (QRX5EditorPreset::Ptr preset, int result);
    void postRequestResult (int result);

    MidiManager::Ptr midiManager;
    const int dumpSize;
    juce::Array<Listener*> listeners;
    QRX5GlobalSettings::Ptr globalSettings;

    juce::ReferenceCountedArray<QRX5EditorPreset> pendingSends;
    juce::ReferenceCountedArray<QRX5EditorPreset> pendingRequests;
    juce::CriticalSection pendingLock;

    int timeoutMs = replyTimeoutMs;
    // Requests whose reply the preset refused: each is still owed its time-out. Message thread.
    int refusedReplies = 0;
    // Answers that retired a send or a request, so a time-out can tell that one came first.
    int acknowledgementsHandled = 0, repliesLoaded = 0;

    std::deque<juce::MidiMessage> incoming;
    juce::CriticalSection incomingLock;
    std::unique_ptr<IncomingReplies> incomingReplies;
    InputGate* gate = nullptr; // outlives the engine: the manager keeps it in its list

    JUCE_DECLARE_NON_COPYABLE (QRX5EditorEngine)
};
