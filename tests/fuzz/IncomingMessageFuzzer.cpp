// Arbitrary bytes as device replies: as they come, and framed F0 ... F7, with a request and a
// send waiting. A preset that takes a reply must still serialise to an image it accepts.
#include "FuzzEngine.h"

#include "model/QRX571EditorPreset.h"

namespace
{
class Results : public QRX5EditorEngine::Listener
{
public:
    void sendPresetResult (QRX5EditorPreset::Ptr, int result) override
    {
        require (result == 2 || result == 1);
    }
    void requestPresetResult (int result) override { lastRequest = result; }
    int lastRequest = -1;
};

FuzzRig& rig()
{
    static FuzzRig r;
    return r;
}

void feed (FuzzEngine& engine, const juce::Array<juce::uint8>& bytes)
{
    engine.handleSysExReply (bytes.getRawDataPointer(), bytes.size());
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput (const uint8_t* data, size_t size)
{
    auto& engine = *rig().engine;
    static Results results;
    engine.addListener (&results);
    results.lastRequest = -1;

    // One preset for every run: making one per run would cost more than the run itself.
    static QRX571EditorPreset::Ptr preset = new QRX571EditorPreset();
    static auto before = preset->getData();
    engine.requestPreset (0, preset);
    engine.sendPreset (0, preset);

    const juce::Array<juce::uint8> raw (data, static_cast<int> (juce::jmin<size_t> (size, 1 << 16)));
    feed (engine, raw);
    juce::Array<juce::uint8> framed;
    framed.add (0xf0);
    framed.addArray (raw);
    framed.add (0xf7);
    feed (engine, framed);
    engine.deliver();

    // A reply is loaded whole or not at all.
    const auto after = preset->getData();
    require (results.lastRequest == 2 || after == before);
    require (preset->validate (after));
    before = after;

    // Whatever the fuzz input left waiting is answered, so nothing piles up between runs.
    const auto messages = engine.getSysExMessages();
    feed (engine, messages.presetDumpBytes (0, before));
    feed (engine, { 0xf0, 0x47, 0x00, 0x35, 0x11, 0x00, 0x00, 0x00, 0x00, 0xf7 });
    engine.deliver();
    return 0;
}
