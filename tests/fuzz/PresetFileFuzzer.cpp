// Arbitrary bytes as a preset file: the validity test and opening must agree, and a file that
// opens must have loaded a valid image.
#include "FuzzEngine.h"

#include "model/QRX571EditorPreset.h"

namespace
{
class Results : public QRX5EditorEngine::Listener
{
public:
    void openPresetFileResult (int result) override { lastOpen = result; }
    int lastOpen = -1;
};

FuzzRig& rig()
{
    static FuzzRig r;
    return r;
}

const juce::File& scratchFile()
{
    static const juce::File file =
        juce::File::getSpecialLocation (juce::File::tempDirectory)
            .getChildFile ("qrx571-fuzz-" + juce::String (juce::Time::currentTimeMillis()) + "-" +
                           juce::String (juce::Random::getSystemRandom().nextInt()))
            .withFileExtension ("qrx571");
    return file;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput (const uint8_t* data, size_t size)
{
    auto& engine = *rig().engine;
    static Results results;
    engine.addListener (&results);
    results.lastOpen = -1;

    const auto& file = scratchFile();
    file.deleteFile();
    if (size > 0)
    {
        juce::FileOutputStream out (file);
        require (out.openedOk());
        out.write (data, size);
    }
    else
        file.create();

    static QRX571EditorPreset::Ptr preset = new QRX571EditorPreset();
    static auto before = preset->getData();
    const bool valid = engine.loadPresetFile (file);
    engine.openPresetFile (file, preset);
    engine.deliver();

    require (results.lastOpen == 0 || results.lastOpen == 2);
    require (valid == (results.lastOpen == 2));
    const auto after = preset->getData();
    if (results.lastOpen == 2)
        require (size == static_cast<size_t> (engine.getDumpSize()) && preset->validate (after));
    else
        require (after == before);
    before = after;

    file.deleteFile();
    return 0;
}
