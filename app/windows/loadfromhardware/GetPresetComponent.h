// The content of the Load From Hardware window: the list of preset locations and the
// "Refresh" button that starts a new fetch.
#pragma once

#include "ui/CustomLookForAuxiliaryWindows.h"
#include "ui/ReferenceCountedImageButton.h"

#include <memory>

class GetPresetComponent : public juce::Component, public virtual juce::ReferenceCountedObject
{
public:
    using Ptr = juce::ReferenceCountedObjectPtr<GetPresetComponent>;

    GetPresetComponent (std::unique_ptr<juce::ListBox> list, ReferenceCountedImageButton::Ptr refreshButton);
    ~GetPresetComponent() override;

    // Shows the model's rows as they are now.
    void updateList();

    // Only Refresh follows the fetch: the list and its Get buttons stay usable throughout.
    void setControlsEnabled (bool shouldBeEnabled);

    juce::ListBox& getList() { return *list; }
    juce::Button& getRefreshButton() { return *refresh; }

    void paint (juce::Graphics& g) override;
    void resized() override;

private:
    CustomLookForAuxiliaryWindows look;
    std::unique_ptr<juce::ListBox> list;
    ReferenceCountedImageButton::Ptr refresh;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (GetPresetComponent)
};
