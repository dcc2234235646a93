// The engine's four result events: each calls one listener method on every engine listener,
// most recently added first, with the result it was made with.
#pragma once

#include "midi/QRX5EditorEngine.h"
#include "model/ListenerUpdater.h"

class QRX5EditorEngine::SendPresetResultUpdater : public ListenerUpdater
{
public:
    SendPresetResultUpdater (juce::Array<Listener*>* listeners, int result, QRX5EditorPreset::Ptr preset);
    void update() override;

private:
    juce::Array<Listener*>* listeners;
    int result;
    QRX5EditorPreset::Ptr preset;
};

class QRX5EditorEngine::RequestPresetResultUpdater : public ListenerUpdater
{
public:
    RequestPresetResultUpdater (juce::Array<Listener*>* listeners, int result);
    void update() override;

private:
    juce::Array<Listener*>* listeners;
    int result;
};

class QRX5EditorEngine::OpenPresetFileResultUpdater : public ListenerUpdater
{
public:
    OpenPresetFileResultUpdater (juce::Array<Listener*>* listeners, int result);
    void update() override;

private:
    juce::Array<Listener*>* listeners;
    int result;
};

class QRX5EditorEngine::SavePresetFileResultUpdater : public ListenerUpdater
{
public:
    SavePresetFileResultUpdater (juce::Array<Listener*>* listeners, int result);
    void update() override;

private:
    juce::Array<Listener*>* listeners;
    int result;
};
