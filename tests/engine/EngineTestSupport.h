// An engine on the in-process ports with the emulator plugged in, and a listener that keeps
// every result it is told with the thread it was told on.
#pragma once

#include "emulator/QRX571Emulator.h"
#include "midi/MidiManager.h"
#include "midi/QRX571EditorEngine.h"
#include "model/QRX571EditorPreset.h"
#include "support/RunLoop.h"

#include <gtest/gtest.h>

#include <vector>

using Bytes = std::vector<juce::uint8>;

inline Bytes bytesOf (const juce::MidiMessage& m)
{
    return Bytes (m.getRawData(), m.getRawData() + m.getRawDataSize());
}

inline Bytes bytesOf (const juce::Array<juce::uint8>& a) { return Bytes (a.begin(), a.end()); }

inline juce::MidiMessage messageOf (const Bytes& b)
{
    return juce::MidiMessage (b.data(), static_cast<int> (b.size()));
}

// The engine with the test-only time-out seam and the reply path opened up.
class TestEngine : public QRX571EditorEngine
{
public:
    using Ptr = juce::ReferenceCountedObjectPtr<TestEngine>;
    using QRX571EditorEngine::QRX571EditorEngine;
    using QRX5EditorEngine::handleSysExReply;
    using QRX5EditorEngine::setReplyTimeout;
};

struct EngineResult
{
    enum Kind
    {
        send,
        request,
        open,
        save
    };

    Kind kind;
    int code;
    QRX5EditorPreset::Ptr preset;
    double atMs;
    bool onMessageThread;
    int listenerTag;
};

class RecordingEngineListener : public QRX5EditorEngine::Listener
{
public:
    explicit RecordingEngineListener (std::vector<EngineResult>& sharedLog, int tagToUse = 0)
        : log (sharedLog)
        , tag (tagToUse)
    {
    }

    void sendPresetResult (QRX5EditorPreset::Ptr preset, int result) override
    {
        note (EngineResult::send, result, preset);
    }
    void requestPresetResult (int result) override { note (EngineResult::request, result, nullptr); }
    void openPresetFileResult (int result) override { note (EngineResult::open, result, nullptr); }
    void savePresetFileResult (int result) override { note (EngineResult::save, result, nullptr); }

private:
    void note (EngineResult::Kind kind, int code, QRX5EditorPreset::Ptr preset)
    {
        log.push_back ({ kind, code, std::move (preset), juce::Time::getMillisecondCounterHiRes(),
                         juce::MessageManager::getInstance()->isThisTheMessageThread(), tag });
    }

    std::vector<EngineResult>& log;
    int tag;
};

class EngineTest : public ::testing::Test
{
protected:
    static constexpr int shortTimeoutMs = 250;

    void SetUp() override
    {
        device.start();
        engine->setReplyTimeout (shortTimeoutMs);
        engine->addListener (&listener);
    }

    void TearDown() override
    {
        engine = nullptr;
        manager = nullptr;
        device.stop();
    }

    void openDevicePorts()
    {
        manager->openInputDevice (QRX571Emulator::portName);
        manager->openOutputDevice (QRX571Emulator::portName);
        ASSERT_EQ (manager->getNumOpenInputs(), 1);
        ASSERT_EQ (manager->getNumOpenOutputs(), 1);
    }

    // The engine with the device's own 3000 ms time-outs in place of the short ones.
    void useProductTimeOuts()
    {
        engine = new TestEngine (manager);
        engine->addListener (&listener);
    }

    // A second input, for replies the device would not send on its own.
    void openInjector()
    {
        injector = layer->addInput ("Injector");
        manager->openInputDevice ("Injector");
    }

    void inject (const Bytes& bytes) { layer->sendFromInput (injector, messageOf (bytes)); }

    bool waitForResults (size_t n, int timeoutMs = 2000)
    {
        return testutil::runLoopUntil ([&] { return results.size() >= n; }, timeoutMs);
    }

    bool settled()
    {
        return testutil::runLoopUntil ([&] { return device.isIdle() && layer->isIdle(); });
    }

    static QRX571EditorPreset::Ptr namedPreset (const juce::String& name)
    {
        QRX571EditorPreset::Ptr p = new QRX571EditorPreset();
        p->setName (name);
        return p;
    }

    std::shared_ptr<VirtualMidiPortLayer> layer = std::make_shared<VirtualMidiPortLayer>();
    QRX571Emulator device{ layer };
    MidiManager::Ptr manager = new MidiManager (layer);
    TestEngine::Ptr engine = new TestEngine (manager);
    std::vector<EngineResult> results;
    RecordingEngineListener listener{ results };
    VirtualMidiPortLayer::PortId injector = 0;
};
