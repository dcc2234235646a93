#include "app/windows/sendpreset/SendPresetWindow.h"

#include "app/PresetLocations.h"
#include "app/QRX5EditorApplication.h"
#include "app/desktop/OpenMenus.h"
#include "ui/EditorStrings.h"

SendPresetWindow::SendPresetWindow (QRX5EditorPreset::Ptr presetToSend, QRX5EditorEngine::Ptr editorEngine,
                                    SendPresetComponent::Ptr component)
    : WindowWithKeyboardFocus (EditorStrings::sendPresetTitle, juce::Colours::black,
                               juce::DocumentWindow::closeButton | juce::DocumentWindow::minimiseButton,
                               false)
    , preset (std::move (presetToSend))
    , engine (std::move (editorEngine))
    , content (std::move (component))
{
    engine->addListener (this);
    content->getSendButton().addListener (this);

    setLookAndFeel (&look);
    content->setVisible (true);
    setUsingNativeTitleBar (true);

    setSize (366, 143);
    content->setSize (getWidth(), getHeight());
    setContentNonOwned (content.get(), true);
    centreWithSize (getWidth(), getHeight());
}

SendPresetWindow::~SendPresetWindow()
{
    OpenMenus::closeAll();
    engine->removeListener (this);
    content->getSendButton().removeListener (this);
    clearContentComponent();
    setLookAndFeel (nullptr);
}

void SendPresetWindow::buttonClicked (juce::Button* button)
{
    if (button->getName() != EditorStrings::sendButton)
        return;

    // A chooser with nothing chosen names no location; location -1 would not fit the message.
    const int location = content->getSelectedId() - 1;
    if (PresetLocations::isValid (location))
        engine->sendPreset (location, preset);
}

void SendPresetWindow::sendPresetResult (QRX5EditorPreset::Ptr sentPreset, int result)
{
    if (preset == nullptr || sentPreset != preset || result != 2)
        return;

    if (auto* app = QRX5EditorApplication::getApp())
        app->showMessage (EditorStrings::presetSentSuccessfully);

    closeButtonPressed();
}

void SendPresetWindow::requestPresetResult (int) {}

void SendPresetWindow::openPresetFileResult (int) {}

void SendPresetWindow::savePresetFileResult (int) {}

void SendPresetWindow::closeButtonPressed()
{
    OpenMenus::closeAll();
    removeFromDesktop();
}
