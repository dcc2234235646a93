#include "midi/QRX571EditorEngine.h"

#include "model/QRX571EditorPreset.h"

QRX571EditorEngine::QRX571EditorEngine (MidiManager::Ptr manager)
    : QRX5EditorEngine (dumpMessageSize, std::move (manager))
{
}

QRX571EditorEngine::~QRX571EditorEngine() = default;

juce::uint8 QRX571EditorEngine::getProductId() { return 0x35; }

QRX5EditorPreset::Ptr QRX571EditorEngine::createPreset() { return new QRX571EditorPreset(); }

juce::uint8 QRX571EditorEngine::getParameterDataCommand() { return 0x34; }

juce::uint8 QRX571EditorEngine::getParameterRequestCommand() { return 0x24; }

int QRX571EditorEngine::getNumGlobalParameters() { return 11; }

QRX5GlobalSettings::Ptr QRX571EditorEngine::getGlobalSettings()
{
    if (settings == nullptr)
        settings = new QRX571GlobalSettings();
    return settings;
}

QRX5GlobalSettings::Ptr QRX571EditorEngine::createGlobalSettings() { return new QRX571GlobalSettings(); }

juce::Array<juce::uint8> QRX571EditorEngine::getPresetTrailer()
{
    return { 0x04, 0x00, 0x00, 0x04, 0x00, 0x01, 0x04, 0x00, 0x02, 0x04, 0x00, 0x03 };
}
