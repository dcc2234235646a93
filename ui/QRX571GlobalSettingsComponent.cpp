#include "ui/QRX571GlobalSettingsComponent.h"

#include "app/QRX5EditorApplication.h"
#include "ui/EditorPictures.h"
#include "ui/ImageButtonFactories.h"
#include "ui/WidgetFactories.h"

namespace
{
using Id = QRX571GlobalSettings::SettingId;

// One row of the page, in the order the rows are built. A chooser's item id stands for the
// value id + offset: TAP AVERAGE lists 2..4 from id 1, every other chooser lists from 0.
struct Row
{
    juce::ComboBox* (*make) (juce::ComboBox::Listener*);
    int settingId;
    int offset;
    bool right;
    int y;
    int captionWidth;
};

const std::array<Row, QRX571GlobalSettingsComponent::numRows> rows{ {
    { makeCommonChannelBox, Id::commonChannelId, -1, false, 40, 175 },
    { makeNoteDisplayBox, Id::noteTypeId, -1, false, 65, 175 },
    { makeLcdContrastBox, Id::screenContrastId, -1, false, 90, 175 },
    { makeTapAverageBox, Id::tapAverageId, 1, false, 115, 175 },
    { makeTempoLedBox, Id::tempoLEDId, -1, false, 140, 175 },
    { makeMidiClockBox, Id::clockSourceId, -1, true, 140, 175 },
    { makeTransportToDinBox, Id::transportToDinId, -1, true, 40, 150 },
    { makePadThresholdBox, Id::padThresholdId, -1, true, 90, 150 },
    { makePadCurveBox, Id::padCurveId, -1, true, 115, 150 },
    { makePadGainBox, Id::padGainId, -1, true, 65, 150 },
} };

int rowOf (int settingId)
{
    for (size_t i = 0; i < rows.size(); ++i)
        if (rows[i].settingId == settingId)
            return (int)i;
    return -1;
}

constexpr int rowHeight = 22, chooserWidth = 150, pageHeight = 273;
constexpr int headingWidth = 409, headingY = 5, buttonsFromBottom = 40;
} // namespace

QRX571GlobalSettingsComponent::QRX571GlobalSettingsComponent()
{
    for (size_t i = 0; i < rows.size(); ++i)
    {
        auto& chooser = choosers[i];
        chooser.reset (rows[i].make (nullptr));
        chooser->setLookAndFeel (&look);
        setAuxiliaryComboBoxColours (*chooser);
        chooser->setSelectedId (1, juce::dontSendNotification);
        addAndMakeVisible (chooser.get());

        captions[i] = std::make_unique<juce::Label>();
        captions[i]->setText (chooser->getName(), juce::dontSendNotification);
        captions[i]->setJustificationType (juce::Justification::left);
        // Dark on the light grey page, as the auto-populate rows draw their captions.
        captions[i]->setLookAndFeel (&look);
        addAndMakeVisible (captions[i].get());
    }

    makeRevertButton (revertButton);
    makeGetButton (getButton);
    makeSendButton (sendButton);
    for (auto* button : { revertButton.get(), sendButton.get(), getButton.get() })
        addAndMakeVisible (button);

    if (auto settings = engineSettings())
    {
        settings->addListener (this);
        settings->resendAll (1);
    }

    setSize (EditorPictures::auxiliaryBackground().getWidth(), pageHeight);
}

QRX571GlobalSettingsComponent::~QRX571GlobalSettingsComponent()
{
    if (auto settings = engineSettings())
        settings->removeListener (this);

    for (auto& chooser : choosers)
        chooser->setLookAndFeel (nullptr);
    for (auto& caption : captions)
        caption->setLookAndFeel (nullptr);
}

QRX571GlobalSettings::Ptr QRX571GlobalSettingsComponent::engineSettings()
{
    if (auto* app = QRX5EditorApplication::getApp())
        if (auto engine = app->getEngine())
            return dynamic_cast<QRX571GlobalSettings*> (engine->getGlobalSettings().get());
    return nullptr;
}

QRX5GlobalSettings::Ptr QRX571GlobalSettingsComponent::getSettings()
{
    QRX571GlobalSettings::Ptr settings = new QRX571GlobalSettings();

    for (auto packed : settings->getAllSettings())
    {
        const auto index = (size_t)rowOf (packed & 0xff);
        const auto selected = choosers[index]->getSelectedId();

        // A blank chooser is a device value the page cannot show: hand that value back.
        if (selected == 0 && ! announced[index].has_value())
            continue;

        const int value = selected != 0 ? (selected + rows[index].offset) & 255 : *announced[index];
        settings->setSetting (packGlobalSetting (rows[index].settingId, value), 0);
    }

    return settings.get();
}

void QRX571GlobalSettingsComponent::addButtonListener (juce::Button::Listener* listener)
{
    for (auto* button : { revertButton.get(), sendButton.get(), getButton.get() })
        button->addListener (listener);
}

juce::ComboBox* QRX571GlobalSettingsComponent::getChooser (int settingId)
{
    const auto index = rowOf (settingId);
    return index < 0 ? nullptr : choosers[(size_t)index].get();
}

void QRX571GlobalSettingsComponent::show (int settingId, juce::uint8 value)
{
    const auto index = (size_t)rowOf (settingId);
    announced[index] = value;
    choosers[index]->setSelectedId (value - rows[index].offset, juce::dontSendNotification);
}

void QRX571GlobalSettingsComponent::commonChannelChanged (juce::uint8 v) { show (Id::commonChannelId, v); }
void QRX571GlobalSettingsComponent::screenContrastChanged (juce::uint8 v) { show (Id::screenContrastId, v); }
void QRX571GlobalSettingsComponent::tapAverageChanged (juce::uint8 v) { show (Id::tapAverageId, v); }
void QRX571GlobalSettingsComponent::tempoLEDChanged (juce::uint8 v) { show (Id::tempoLEDId, v); }
void QRX571GlobalSettingsComponent::clockSourceChanged (juce::uint8 v) { show (Id::clockSourceId, v); }
void QRX571GlobalSettingsComponent::transportToDinChanged (juce::uint8 v) { show (Id::transportToDinId, v); }
void QRX571GlobalSettingsComponent::padThresholdChanged (juce::uint8 v) { show (Id::padThresholdId, v); }
void QRX571GlobalSettingsComponent::padGainChanged (juce::uint8 v) { show (Id::padGainId, v); }
void QRX571GlobalSettingsComponent::padCurveChanged (juce::uint8 v) { show (Id::padCurveId, v); }
void QRX571GlobalSettingsComponent::noteTypeChanged (juce::uint8 v) { show (Id::noteTypeId, v); }

void QRX571GlobalSettingsComponent::resized()
{
    for (size_t i = 0; i < rows.size(); ++i)
    {
        const auto& row = rows[i];
        choosers[i]->setBounds (row.right ? 450 : 150, row.y, chooserWidth, rowHeight);
        captions[i]->setBounds (row.right ? 300 : 10, row.y, row.captionWidth, rowHeight);
    }

    const int buttonY = getHeight() - buttonsFromBottom;
    revertButton->setTopLeftPosition (10, buttonY);
    getButton->setTopLeftPosition (410, buttonY);
    sendButton->setTopLeftPosition (510, buttonY);
}

void QRX571GlobalSettingsComponent::paint (juce::Graphics& g)
{
    g.drawImageAt (EditorPictures::auxiliaryBackground(), 0, 0);
    g.drawImageAt (EditorPictures::caption (EditorPictures::Caption::globalSettings),
                   (getWidth() - headingWidth) / 2, headingY);
}
