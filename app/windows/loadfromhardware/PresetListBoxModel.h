// The rows of the Load From Hardware list: one per preset location, each with its title, the
// name the device holds there and a "Get" button that opens that preset in a new main window.
#pragma once

#include "ui/ReferenceCountedImageButton.h"

#include <juce_gui_basics/juce_gui_basics.h>

class GetPresetWindow;

class PresetListBoxModel : public juce::ListBoxModel, public juce::ReferenceCountedObject
{
public:
    using Ptr = juce::ReferenceCountedObjectPtr<PresetListBoxModel>;

    class PresetListRowComponent : public juce::Component, public juce::Button::Listener
    {
    public:
        PresetListRowComponent (PresetListBoxModel::Ptr model, int rowNumber, const juce::String& presetName);
        ~PresetListRowComponent() override;

        const juce::String& getTitle() const { return title; }

        void paint (juce::Graphics& g) override;
        void buttonClicked (juce::Button* button) override;

    private:
        PresetListBoxModel::Ptr model;
        ReferenceCountedImageButton::Ptr getButton;
        juce::String title;
        int row;
        juce::Label nameLabel;

        JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (PresetListRowComponent)
    };

    // The model and its window hold each other until GetPresetWindow::release.
    explicit PresetListBoxModel (GetPresetWindow* owner);
    ~PresetListBoxModel() override;

    // Replaced whole at the end of each complete fetch.
    void setNames (const juce::StringArray& newNames) { names = newNames; }
    const juce::StringArray& getNames() const { return names; }
    GetPresetWindow* getWindow() const;

    int getNumRows() override;
    void paintListBoxItem (int row, juce::Graphics& g, int width, int height, bool isSelected) override;
    juce::Component* refreshComponentForRow (int row, bool isSelected, juce::Component* existing) override;

private:
    juce::StringArray names;
    juce::ReferenceCountedObjectPtr<GetPresetWindow> window;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (PresetListBoxModel)
};
