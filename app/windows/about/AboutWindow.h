// A small window without title bar around the About picture; made once and shown again on
// every "About".
#pragma once

#include "app/desktop/WindowWithKeyboardFocus.h"
#include "app/windows/about/AboutComponent.h"

class AboutWindow : public WindowWithKeyboardFocus<juce::ResizableWindow>, public juce::ReferenceCountedObject
{
public:
    using Ptr = juce::ReferenceCountedObjectPtr<AboutWindow>;

    explicit AboutWindow (const juce::Image& picture);
    ~AboutWindow() override;

    AboutComponent* getAboutComponent() const { return component.get(); }

private:
    AboutComponent::Ptr component;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (AboutWindow)
};
