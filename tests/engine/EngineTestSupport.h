// An engine on the in-process ports beside the emulated device, and a listener that keeps every
// result with the time and thread it came on.
#pragma once

#include "emulator/EmulatorTestFixture.h"
#include "midi/QRX571EditorEngine.h"
#include "model/QRX571EditorPreset.h"

// The engine with the test-only time-out seam and the reply path opened up.
struct TestEngine : QRX571EditorEngine
{
    using Ptr = juce::ReferenceCountedObjectPtr<TestEngine>;
    using QRX571EditorEngine::QRX571EditorEngine;
    using QRX5EditorEngine::handleSysExReply;
    using QRX5EditorEngine::setReplyTimeout;
};

// Kind ('s'end, 'r'equest, 'o'pen, 'w'rite), code and preset of each result in turn.
using Outcomes = std::vector<std::tuple<char, int, QRX5EditorPreset*>>;

struct RecordingEngineListener : QRX5EditorEngine::Listener
{
    void sendPresetResult (QRX5EditorPreset::Ptr p, int r) override { note ('s', r, p.get()); }
    void requestPresetResult (int r) override { note ('r', r); }
    void openPresetFileResult (int r) override { note ('o', r); }
    void savePresetFileResult (int r) override { note ('w', r); }

    void note (char kind, int code, QRX5EditorPreset* preset = nullptr)
    {
        outcomes.push_back ({ kind, code, preset });
        times.push_back (juce::Time::getMillisecondCounterHiRes());
        allOnMessageThread = allOnMessageThread && juce::MessageManager::existsAndIsCurrentThread();
    }

    Outcomes outcomes;
    std::vector<double> times;
    bool allOnMessageThread = true;
};

struct EngineTest : DeviceTest
{
    static constexpr int shortTimeoutMs = 250;

    void SetUp() override
    {
        DeviceTest::SetUp();
        makeEngine (shortTimeoutMs);
    }
    void TearDown() override
    {
        EXPECT_TRUE (results.allOnMessageThread);
        engine = nullptr;
        DeviceTest::TearDown();
    }

    // 0 keeps the device's own 3000 ms time-outs.
    void makeEngine (int timeoutMs)
    {
        engine = new TestEngine (manager);
        if (timeoutMs > 0)
            engine->setReplyTimeout (timeoutMs);
        engine->addListener (&results);
    }

    // A second input, for replies the device would not send on its own.
    VirtualMidiPortLayer::PortId injector()
    {
        if (injectorId == 0)
        {
            injectorId = layer->addInput ("Injector");
            manager->openInputDevice ("Injector");
        }
        return injectorId;
    }
    void inject (const Bytes& bytes) { layer->sendFromInput (injector(), messageOf (bytes)); }

    std::vector<Bytes> receivedByDevice() const
    {
        std::vector<Bytes> received;
        for (auto& m : device.getReceivedMessages())
            received.push_back (bytesOf (m));
        return received;
    }

    bool waitForResults (size_t n, int timeoutMs = 2000)
    {
        return testutil::runLoopUntil ([&] { return results.outcomes.size() >= n; }, timeoutMs);
    }

    static QRX571EditorPreset::Ptr namedPreset (const juce::String& name)
    {
        QRX571EditorPreset::Ptr p = new QRX571EditorPreset();
        p->setName (name);
        return p;
    }

    TestEngine::Ptr engine;
    RecordingEngineListener results;
    VirtualMidiPortLayer::PortId injectorId = 0;
};
