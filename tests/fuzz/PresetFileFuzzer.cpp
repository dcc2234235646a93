// Arbitrary bytes as a preset file: the validity test and opening agree, and a file that opens has
// loaded a valid image while any other leaves the preset alone.
#include "FuzzEngine.h"

extern "C" int LLVMFuzzerTestOneInput (const uint8_t* data, size_t size)
{
    auto& engine = FuzzEngine::get();
    static const auto file = juce::File::createTempFile ("qrx571");
    file.replaceWithData (data, size);
    if (size == 0)
        file.create();

    engine.lastResult = -1;
    const bool valid = engine.loadPresetFile (file);
    engine.openPresetFile (file, engine.preset);
    engine.feed (nullptr, 0); // runs the queued result

    const auto after = engine.preset->getData();
    FuzzEngine::require (engine.lastResult == (valid ? 2 : 0));
    FuzzEngine::require (valid ? size == (size_t)engine.getDumpSize() && engine.preset->validate (after)
                               : after == engine.image);
    engine.image = after;
    file.deleteFile();
    return 0;
}
