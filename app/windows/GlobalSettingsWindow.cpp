#include "app/windows/GlobalSettingsWindow.h"

#include "app/QRX5EditorApplication.h"
#include "app/desktop/OpenMenus.h"
#include "ui/EditorStrings.h"

GlobalSettingsWindow::GlobalSettingsWindow (GlobalSettingsComponent::Ptr page,
                                            QRX5EditorEngine::Ptr theEngine)
    : WindowWithKeyboardFocus ("Global Settings", juce::Colours::black,
                               juce::DocumentWindow::closeButton | juce::DocumentWindow::minimiseButton,
                               false) // on the desktop once sized: see WindowSizeHints
    , view (std::move (page))
    , engine (std::move (theEngine))
{
    setUsingNativeTitleBar (true);
    setSize (677, 400);
    centreWithSize (getWidth(), getHeight());
    setContentNonOwned (view.get(), true);
    view->addButtonListener (this);
}

GlobalSettingsWindow::~GlobalSettingsWindow()
{
    OpenMenus::closeAll();
    clearContentComponent();
}

void GlobalSettingsWindow::buttonClicked (juce::Button* button)
{
    const auto name = button->getName();

    if (name == EditorStrings::sendButton)
        sendSettings();
    else if (name == EditorStrings::revertButton)
        revertSettings();
    else if (name == EditorStrings::getButton)
        requestSettings();
}

void GlobalSettingsWindow::takeSnapshot()
{
    snapshot = engine->createGlobalSettings();
    for (auto packed : engine->getGlobalSettings()->getAllSettings())
        snapshot->setSetting (packed, 0);
}

void GlobalSettingsWindow::sendSettings()
{
    takeSnapshot();
    engine->sendGlobalSettingChanges (view->getSettings());
}

void GlobalSettingsWindow::revertSettings()
{
    if (snapshot == nullptr)
        takeSnapshot();

    engine->sendGlobalSettingChanges (snapshot);
}

void GlobalSettingsWindow::requestSettings() { engine->requestGlobalSettings(); }

void GlobalSettingsWindow::closeButtonPressed()
{
    if (auto* app = QRX5EditorApplication::getApp())
        app->closeGlobalSettingsWindow();
}
