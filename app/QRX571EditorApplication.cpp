#include "app/QRX571EditorApplication.h"

#include "app/MainContentComponent.h"
#include "app/desktop/FontScanAhead.h"
#include "autopopulate/QRX571AutoPopulateComponent.h"
#include "emulator/EmulatorStateFile.h"
#include "emulator/QRX571Emulator.h"
#include "midi/QRX571EditorEngine.h"
#include "model/DefaultPreset.h"
#include "ui/EditorPictures.h"
#include "ui/QRX571GlobalSettingsComponent.h"

// The font scan and the first window's pictures run while the rest of the program starts.
QRX571EditorApplication::QRX571EditorApplication()
{
    EditorPictures::startDecodingSurfacePictures();
    fontScan = std::make_unique<FontScanAhead>();
}

// No decoding thread may outlive the application, whether or not a window took its pictures.
QRX571EditorApplication::~QRX571EditorApplication() { EditorPictures::finishDecodingSurfacePictures(); }

std::shared_ptr<MidiPortLayer> QRX571EditorApplication::createPortLayer()
{
    if (juce::SystemStats::getEnvironmentVariable (emulatorVariable, {}) != "1")
        return QRX5EditorApplication::createPortLayer();

    auto layer = std::make_shared<VirtualMidiPortLayer>();
    emulator = std::make_unique<QRX571Emulator> (layer);
    emulator->start();

    const auto statePath = juce::SystemStats::getEnvironmentVariable (emulatorStateVariable, {});
    if (juce::File::isAbsolutePath (statePath))
        emulatorState = std::make_unique<EmulatorStateFile> (*emulator, juce::File (statePath));

    return layer;
}

void QRX571EditorApplication::createEngine()
{
    if (engine != nullptr)
        return;

    engine = new QRX571EditorEngine (getMidiManager());
    engine->addListener (this);
}

QRX5EditorEngine::Ptr QRX571EditorApplication::getEngine() { return engine; }

QRX5EditorPreset::Ptr QRX571EditorApplication::createDefaultPreset() { return makeDefaultPreset().get(); }

std::function<QRX5EditorPreset::Ptr()> QRX571EditorApplication::getPresetMaker()
{
    return [] { return QRX5EditorPreset::Ptr (makeDefaultPreset().get()); };
}

void QRX571EditorApplication::newPresetWindow()
{
    createEngine();
    createWindowForPreset (createDefaultPreset());
}

void QRX571EditorApplication::createWindowForPreset (QRX5EditorPreset::Ptr preset)
{
    createEngine();
    openWindow (preset, {});
}

void QRX571EditorApplication::openFileInNewWindow (const juce::File& file)
{
    createEngine();
    auto preset = createDefaultPreset();

    // A file that fails to load still gets its window, on the default preset, but not the
    // file's name: saving that window must never overwrite the file.
    const bool readable = engine->loadPresetFile (file);
    engine->openPresetFile (file, preset);
    openWindow (preset, readable ? file.getFullPathName() : juce::String());
}

void QRX571EditorApplication::openWindow (QRX5EditorPreset::Ptr preset, const juce::String& path)
{
    QRX571EditorPreset::Ptr model = dynamic_cast<QRX571EditorPreset*> (preset.get());
    if (model == nullptr)
        return;

    openMainWindow (new MainContentComponent (model, EditorPictures::editorBackground()), preset, path);
}

juce::Component* QRX571EditorApplication::createAutoPopulateComponent (QRX5EditorPreset::Ptr preset)
{
    QRX571EditorPreset::Ptr model = dynamic_cast<QRX571EditorPreset*> (preset.get());
    return model != nullptr ? new QRX571AutoPopulateComponent (model) : nullptr;
}

juce::ReferenceCountedObjectPtr<GlobalSettingsComponent>
QRX571EditorApplication::createGlobalSettingsComponent()
{
    return new QRX571GlobalSettingsComponent();
}

juce::String QRX571EditorApplication::getMidiInputName() { return "QRX571 Remote"; }

juce::String QRX571EditorApplication::getMidiOutputName() { return "QRX571 Remote"; }

juce::Image QRX571EditorApplication::createLogoImage() { return EditorPictures::aboutPicture(); }
