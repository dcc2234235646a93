// What the Global Settings window knows of its page: the page builds a settings object from
// its choosers and lets the window hear its Send, Revert and Get buttons.
#pragma once

#include "model/QRX5GlobalSettings.h"

#include <juce_gui_basics/juce_gui_basics.h>

class GlobalSettingsComponent : public virtual juce::Component, public virtual juce::ReferenceCountedObject
{
public:
    using Ptr = juce::ReferenceCountedObjectPtr<GlobalSettingsComponent>;

    ~GlobalSettingsComponent() override = default;

    // A new settings object holding what the choosers show; the caller owns it.
    virtual QRX5GlobalSettings::Ptr getSettings() = 0;

    // The listener hears the page's Revert, Send and Get buttons; null is ignored.
    virtual void addButtonListener (juce::Button::Listener* listener) = 0;
};
