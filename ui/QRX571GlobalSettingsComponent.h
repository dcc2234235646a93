// The Global Settings page: ten choosers that follow the engine's settings object and three
// buttons. It never writes the engine's settings; getSettings builds a new object instead.
#pragma once

#include "model/QRX571GlobalSettings.h"
#include "ui/CustomLookForAuxiliaryWindows.h"
#include "ui/GlobalSettingsComponent.h"
#include "ui/ReferenceCountedImageButton.h"

#include <array>
#include <memory>
#include <optional>

class QRX571GlobalSettingsComponent : public GlobalSettingsComponent,
                                      public virtual juce::Component,
                                      public virtual juce::ReferenceCountedObject,
                                      public QRX571GlobalSettings::Listener
{
public:
    static constexpr int numRows = QRX571GlobalSettings::numSettings;

    // Registers with the engine's settings and asks them to announce every value.
    QRX571GlobalSettingsComponent();
    ~QRX571GlobalSettingsComponent() override;

    QRX5GlobalSettings::Ptr getSettings() override;
    void addButtonListener (juce::Button::Listener* listener) override;

    void commonChannelChanged (juce::uint8 value) override;
    void screenContrastChanged (juce::uint8 value) override;
    void tapAverageChanged (juce::uint8 value) override;
    void tempoLEDChanged (juce::uint8 value) override;
    void clockSourceChanged (juce::uint8 value) override;
    void transportToDinChanged (juce::uint8 value) override;
    void padThresholdChanged (juce::uint8 value) override;
    void padGainChanged (juce::uint8 value) override;
    void padCurveChanged (juce::uint8 value) override;
    void noteTypeChanged (juce::uint8 value) override;

    // The chooser of a setting id (QRX571GlobalSettings::SettingId), or null.
    juce::ComboBox* getChooser (int settingId);
    juce::Button& getRevertButton() { return *revertButton; }
    juce::Button& getGetButton() { return *getButton; }
    juce::Button& getSendButton() { return *sendButton; }

    void resized() override;
    void paint (juce::Graphics& g) override;

private:
    void show (int settingId, juce::uint8 value);
    static QRX571GlobalSettings::Ptr engineSettings();

    CustomLookForAuxiliaryWindows look;
    std::array<std::unique_ptr<juce::ComboBox>, numRows> choosers;
    std::array<std::unique_ptr<juce::Label>, numRows> captions;
    // What the settings object last told us, per row: a chooser that cannot show a value
    // must hand that value back, not one the user never picked.
    std::array<std::optional<juce::uint8>, numRows> announced;
    ReferenceCountedImageButton::Ptr revertButton, getButton, sendButton;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (QRX571GlobalSettingsComponent)
};
