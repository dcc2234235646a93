// The window tests' application with the Send Multiple Presets and Global Settings windows run
// as the real one runs them: made on first show, reset and shown on every show, released on close.
#pragma once

#include "WindowTestSupport.h"

#include "app/GlobalSettingsWindow.h"
#include "app/SendMultiplePresetsListModel.h"
#include "ui/QRX571GlobalSettingsComponent.h"

class AuxiliaryWindowsApplication : public WindowTestApplication
{
public:
    using WindowTestApplication::WindowTestApplication;

    ~AuxiliaryWindowsApplication() override
    {
        closeSendMultiplePresetsWindow();
        closeGlobalSettingsWindow();
    }

    void showSendMultiplePresetsWindow() override
    {
        if (sendMultiple == nullptr)
            sendMultiple = new SendMultiplePresetsWindow();
        sendMultiple->resetSlots();
        show (*sendMultiple);
    }

    void closeSendMultiplePresetsWindow() override
    {
        if (auto window = std::move (sendMultiple))
            window->releaseContent();
    }

    juce::ReferenceCountedObjectPtr<GlobalSettingsComponent> createGlobalSettingsComponent() override
    {
        return new QRX571GlobalSettingsComponent();
    }

    void showGlobalSettingsWindow() override
    {
        if (globalSettings == nullptr)
            globalSettings = new GlobalSettingsWindow (createGlobalSettingsComponent(), getEngine());
        globalSettings->centreWithSize (globalSettings->getWidth(), globalSettings->getHeight());
        globalSettings->requestSettings();
        show (*globalSettings);
    }

    void closeGlobalSettingsWindow() override { globalSettings = nullptr; }

    SendMultiplePresetsWindow::Ptr sendMultiple;
    GlobalSettingsWindow::Ptr globalSettings;
};

// The window fixture with the application above in place of the plain one.
class AuxiliaryWindowTest : public WindowTest
{
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        app = nullptr; // one application at a time
        auto own = TestApplication::make<AuxiliaryWindowsApplication> (engine, manager);
        aux = own.get();
        app = std::move (own);
    }

    AuxiliaryWindowsApplication* aux = nullptr;
};
