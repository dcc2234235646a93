// Renders the pictures of the user guide: the editor's windows as the running program draws
// them, written as PNG files.
//
//   RenderGuidePictures <pictures-dir>
//
// It runs the editor application itself, on its built-in stand-in for the device (so the
// windows show presets and settings read from "hardware"), opens each window through the
// application as a user's command would, and draws it off its window into an image. Its
// windows need a display: run it under xvfb-run (the guide_pictures target does). The PNGs
// are committed under docs/guide/pictures/; render again after a window changes.
#include "app/MainContentComponent.h"
#include "app/MainWindow.h"
#include "app/QRX571EditorApplication.h"
#include "app/windows/AutoPopToolWindow.h"
#include "app/windows/GlobalSettingsWindow.h"
#include "app/windows/about/AboutWindow.h"
#include "app/windows/loadfromhardware/GetPresetWindow.h"
#include "app/windows/midisetup/MidiSetupWindow.h"
#include "app/windows/sendmultiple/SendMultiplePresetsWindow.h"
#include "app/windows/sendpreset/SendPresetWindow.h"
#include "emulator/QRX571Emulator.h"
#include "model/QRX571GlobalSettings.h"
#include "support/RunLoop.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <cstdlib>
#include <functional>
#include <iostream>
#include <iterator>
#include <memory>

// Last, so that Xlib's macros cannot reach the headers above.
#include "support/WindowManagerAtoms.h"

namespace
{
bool writePng (const juce::Image& image, const juce::File& file)
{
    juce::MemoryOutputStream bytes;
    if (! juce::PNGImageFormat().writeImageToStream (image, bytes))
        return false;
    // Leave an unchanged file alone, so a re-run does not show up as a change.
    juce::MemoryBlock old;
    if (file.loadFileAsData (old) && old == bytes.getMemoryBlock())
        return true;
    return file.replaceWithData (bytes.getData(), bytes.getDataSize());
}

// A component drawn as it is on screen; the window's black shows where it draws nothing.
juce::Image snapshot (juce::Component* component)
{
    if (component == nullptr || component->getWidth() <= 0 || component->getHeight() <= 0)
        return {};
    juce::Image image (juce::Image::RGB, component->getWidth(), component->getHeight(), true);
    juce::Graphics g (image);
    g.fillAll (juce::Colours::black);
    component->paintEntireComponent (g, true);
    return image;
}

// The first window of the class on the desktop, once the message loop has put it there.
template <typename Window>
Window* findWindow()
{
    Window* found = nullptr;
    testutil::runLoopUntil (
        [&]
        {
            auto& desktop = juce::Desktop::getInstance();
            for (int i = 0; i < desktop.getNumComponents() && found == nullptr; ++i)
                found = dynamic_cast<Window*> (desktop.getComponent (i));
            return found != nullptr;
        },
        3000);
    return found;
}

juce::Component* contentOf (juce::ResizableWindow* window)
{
    return window != nullptr ? window->getContentComponent() : nullptr;
}

// A preset of the default's settings under a name of its own.
QRX5EditorPreset::Ptr namedPreset (QRX5EditorApplication& app, const juce::String& name)
{
    auto preset = app.createDefaultPreset();
    preset->setName (name);
    return preset;
}

// Names a musician might give the presets on the device, for the Load Preset list.
void stockTheDevice (QRX571EditorApplication& app)
{
    auto* device = app.getEmulator();
    if (device == nullptr)
        return;
    const char* names[] = { "Live Set", "Drums", "Keys", "Bass", "Sampler", "FX Pads", "Mixer", "Studio" };
    for (int location = 0; location < (int)std::size (names); ++location)
    {
        const auto image = namedPreset (app, names[location])->getData();
        device->setPresetImage (location, { image.begin(), image.end() });
    }
    // Settings as a fresh controller might hold them, each one a choice the page offers.
    device->setGlobalParameter (QRX571GlobalSettings::noteTypeId, 0);
}

class Renderer
{
public:
    explicit Renderer (QRX571EditorApplication& application)
        : app (application)
    {
    }

    bool renderAll (const juce::File& folder)
    {
        const std::pair<const char*, std::function<juce::Image()>> renders[] = {
            { "editor-surface.png", [this] { return mainWindowPicture(); } },
            { "midi-setup.png", [this] { return midiSetupPicture(); } },
            { "load-from-hardware.png", [this] { return loadFromHardwarePicture(); } },
            { "send-preset.png", [this] { return sendPresetPicture(); } },
            { "send-multiple-presets.png", [this] { return sendMultiplePresetsPicture(); } },
            { "global-settings.png", [this] { return globalSettingsPicture(); } },
            { "auto-populate.png", [this] { return autoPopulatePicture(); } },
            { "about.png", [this] { return aboutPicture(); } },
        };

        bool allDone = true;
        for (const auto& [file, render] : renders)
        {
            const auto image = render();
            if (image.isValid() && writePng (image, folder.getChildFile (file)))
                std::cout << "rendered " << file << " (" << image.getWidth() << " x " << image.getHeight()
                          << ")\n";
            else
            {
                std::cerr << "cannot render " << file << "\n";
                allDone = false;
            }
        }
        return allDone;
    }

private:
    MainWindow* mainWindow() { return findWindow<MainWindow>(); }

    // The window with its menu bar and front panel, a pad chosen as the guide describes.
    juce::Image mainWindowPicture()
    {
        auto* window = mainWindow();
        auto* surface = dynamic_cast<MainContentComponent*> (contentOf (window));
        if (surface == nullptr)
            return {};
        // The pointer away from the window, so that no control is drawn as under the mouse.
        juce::Desktop::getInstance().getMainMouseSource().setScreenPosition ({ 2000.0f, 2000.0f });
        surface->getPadView (4)->triggerClick();
        testutil::runLoopUntil ([&] { return surface->getPadView (4)->getToggleState(); }, 2000);
        testutil::runLoopFor (200);
        return snapshot (window);
    }

    juce::Image midiSetupPicture()
    {
        app.showMidiSetupWindow();
        return settled (contentOf (findWindow<MidiSetupWindow>()));
    }

    juce::Image loadFromHardwarePicture()
    {
        app.showLoadFromHardwareWindow();
        auto* window = findWindow<GetPresetWindow>();
        if (window == nullptr || ! testutil::runLoopUntil ([&] { return ! window->isFetching(); }, 20000))
            return {};
        return settled (contentOf (window));
    }

    juce::Image sendPresetPicture()
    {
        auto* window = mainWindow();
        if (window == nullptr)
            return {};
        window->sendToHardware();
        return settled (contentOf (window->getSendPresetWindow()));
    }

    juce::Image sendMultiplePresetsPicture()
    {
        app.showSendMultiplePresetsWindow();
        auto* window = findWindow<SendMultiplePresetsWindow>();
        if (window == nullptr)
            return {};
        int row = 0;
        for (auto* name : { "Live Set", "Drums", "Keys", "Bass" })
            window->storePresetInSlot (namedPreset (app, name), row++);
        return settled (contentOf (window));
    }

    juce::Image globalSettingsPicture()
    {
        app.showGlobalSettingsWindow();
        return settled (contentOf (findWindow<GlobalSettingsWindow>()), 1000);
    }

    juce::Image autoPopulatePicture()
    {
        auto* window = mainWindow();
        if (window == nullptr)
            return {};
        window->openAutoPopulateTool();
        return settled (contentOf (window->getAutoPopToolWindow()));
    }

    juce::Image aboutPicture()
    {
        app.showAboutWindow();
        auto* window = findWindow<AboutWindow>();
        return settled (window != nullptr ? window->getAboutComponent() : nullptr);
    }

    // What a window posted to itself on opening (bound values, first choices, the device's
    // answers) has arrived before it is drawn.
    static juce::Image settled (juce::Component* content, int milliseconds = 300)
    {
        testutil::runLoopFor (milliseconds);
        return snapshot (content);
    }

    QRX571EditorApplication& app;
};

// JUCE wants an application only in a program made to run one; say so while ours is made.
std::unique_ptr<QRX571EditorApplication> makeApplication()
{
    const auto previous = juce::JUCEApplicationBase::createInstance;
    juce::JUCEApplicationBase::createInstance = [] { return (juce::JUCEApplicationBase*)nullptr; };
    auto app = std::make_unique<QRX571EditorApplication>();
    juce::JUCEApplicationBase::createInstance = previous;
    return app;
}
} // namespace

int main (int argc, char** argv)
{
    if (argc != 2)
    {
        std::cerr << "usage: RenderGuidePictures <pictures-dir>\n";
        return 2;
    }
    if (std::getenv ("DISPLAY") == nullptr)
    {
        std::cerr << "RenderGuidePictures opens the editor's windows: run it with a display (xvfb-run)\n";
        return 2;
    }

    // The device's stand-in, so that the windows show what they read from "hardware".
    setenv (QRX571EditorApplication::emulatorVariable, "1", 1);
    internWindowManagerAtoms();

    juce::ScopedJuceInitialiser_GUI juce;
    const juce::File folder (juce::File::getCurrentWorkingDirectory().getChildFile (argv[1]));
    if (! folder.createDirectory())
    {
        std::cerr << "cannot create " << folder.getFullPathName() << "\n";
        return 1;
    }

    auto app = makeApplication();
    app->initialise ({});
    stockTheDevice (*app);
    const bool done = Renderer (*app).renderAll (folder);
    app->shutdown();
    app.reset();
    testutil::runLoopFor (50);
    return done ? 0 : 1;
}
