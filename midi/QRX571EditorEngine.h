// The engine for the QRX571: its product id, commands, trailer, presets and global settings.
#pragma once

#include "midi/QRX5EditorEngine.h"
#include "model/QRX571GlobalSettings.h"

class QRX571EditorEngine : public QRX5EditorEngine, public virtual juce::ReferenceCountedObject
{
public:
    using Ptr = juce::ReferenceCountedObjectPtr<QRX571EditorEngine>;

    static constexpr int dumpMessageSize = 1083;

    explicit QRX571EditorEngine (MidiManager::Ptr manager);
    ~QRX571EditorEngine() override;

    juce::uint8 getProductId() override;
    QRX5EditorPreset::Ptr createPreset() override;
    juce::uint8 getParameterDataCommand() override;
    juce::uint8 getParameterRequestCommand() override;
    int getNumGlobalParameters() override;
    QRX5GlobalSettings::Ptr getGlobalSettings() override;
    QRX5GlobalSettings::Ptr createGlobalSettings() override;
    juce::Array<juce::uint8> getPresetTrailer() override;

private:
    QRX571GlobalSettings::Ptr settings;
};
