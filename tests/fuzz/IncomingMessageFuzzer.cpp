// Arbitrary bytes as device replies, as they come and framed F0 ... F7, with a request and a send
// waiting. A reply is loaded whole or not at all, and the preset stays valid.
#include "FuzzEngine.h"

extern "C" int LLVMFuzzerTestOneInput (const uint8_t* data, size_t size)
{
    auto& engine = FuzzEngine::get();
    engine.lastResult = -1;
    engine.requestPreset (0, engine.preset);
    engine.sendPreset (0, engine.preset);

    juce::Array<juce::uint8> framed (data, (int)juce::jmin<size_t> (size, 1 << 16));
    engine.feed (framed.getRawDataPointer(), framed.size());
    framed.insert (0, 0xf0);
    framed.add (0xf7);
    engine.feed (framed.getRawDataPointer(), framed.size());

    const auto after = engine.preset->getData();
    FuzzEngine::require ((engine.lastResult == 2 || after == engine.image) &&
                         engine.preset->validate (after));
    engine.image = after;

    // Whatever the input left waiting is answered, so nothing piles up between runs.
    const auto dump = engine.getSysExMessages().presetDumpBytes (0, after);
    const juce::uint8 acknowledgement[] = { 0xf0, 0x47, 0x00, 0x35, 0x11, 0x00, 0x00, 0x00, 0x00, 0xf7 };
    engine.feed (dump.getRawDataPointer(), dump.size());
    engine.feed (acknowledgement, (int)sizeof (acknowledgement));
    return 0;
}
