#include "app/desktop/AlertBox.h"

#include "app/desktop/OpenMenus.h"
#include "app/desktop/WindowSizeHints.h"

namespace
{
bool anyWindowAlwaysOnTop()
{
    auto& desktop = juce::Desktop::getInstance();
    for (int i = 0; i < desktop.getNumComponents(); ++i)
        if (desktop.getComponent (i)->isAlwaysOnTop())
            return true;
    return false;
}

// The box laid out and modal, on screen at its final size. Its modal state maps it, as it does
// JUCE's own boxes: a window mapped before it is modal raises the modal chooser it may come over
// above itself.
juce::AlertWindow* putUp (juce::MessageBoxIconType icon, const juce::String& title,
                          const juce::String& message, const juce::StringArray& buttons,
                          juce::ModalComponentManager::Callback* answered, bool deleteWhenAnswered)
{
    jassert (buttons.size() >= 1 && buttons.size() <= 3);

    // No list or menu stays open over the box: it would still edit its window, or open a
    // chooser or take a quit, while the box waits for its answer.
    OpenMenus::closeAll();

    auto* box = juce::LookAndFeel::getDefaultLookAndFeel().createAlertWindow (
        title, message, buttons[0], buttons[1], buttons[2], icon, buttons.size(), nullptr);

    // Laid out: off the desktop, then back on it at the size it keeps. On top of any window that
    // is, as JUCE's boxes are (set off the desktop, where a style change maps nothing).
    box->removeFromDesktop();
    box->setAlwaysOnTop (anyWindowAlwaysOnTop());
    WindowSizeHints::prepare (*box);
    box->enterModalState (true, answered, deleteWhenAnswered);
    return box;
}
} // namespace

int AlertBox::ask (juce::MessageBoxIconType icon, const juce::String& title, const juce::String& message,
                   const juce::StringArray& buttons)
{
    const std::unique_ptr<juce::AlertWindow> box (putUp (icon, title, message, buttons, nullptr, false));
    return box->runModalLoop();
}

void AlertBox::show (juce::MessageBoxIconType icon, const juce::String& title, const juce::String& message,
                     std::function<void()> answered)
{
    putUp (icon, title, message, { TRANS ("OK") },
           juce::ModalCallbackFunction::create ([answered] (int) { answered(); }), true);
}
