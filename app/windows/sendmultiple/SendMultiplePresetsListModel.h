// The rows of the Send Multiple Presets list: one per preset location, each with its title, the
// name of the preset it will send, Browse and Clear, and drop targets for preset files and for a
// main window's preset.
#pragma once

#include "app/windows/sendmultiple/SendMultiplePresetsWindow.h"
#include "ui/ReferenceCountedImageButton.h"

class SendMultiplePresetsWindow::PresetListBoxModel : public juce::ListBoxModel
{
public:
    class PresetListRowComponent : public juce::Component,
                                   public juce::Button::Listener,
                                   public juce::DragAndDropTarget,
                                   public juce::FileDragAndDropTarget
    {
    public:
        PresetListRowComponent (SendMultiplePresetsWindow* window, int rowNumber,
                                const juce::String& presetName);
        ~PresetListRowComponent() override;

        int getRowNumber() const { return row; }
        juce::Button& getBrowseButton() { return *browse; }
        juce::Button& getClearButton() { return *clear; }
        juce::Label& getNameLabel() { return nameLabel; }

        void paint (juce::Graphics& g) override;
        void buttonClicked (juce::Button* button) override;
        bool isInterestedInDragSource (const SourceDetails& details) override;
        bool isInterestedInFileDrag (const juce::StringArray& files) override;
        void filesDropped (const juce::StringArray& files, int x, int y) override;
        void itemDragEnter (const SourceDetails& details) override;
        void itemDragExit (const SourceDetails& details) override;
        void itemDropped (const SourceDetails& details) override;

    private:
        juce::String title;
        int row;
        ReferenceCountedImageButton::Ptr browse, clear;
        juce::Label nameLabel;
        SendMultiplePresetsWindow* window; // rows live inside the window's list, never longer
        bool dragHover = false;

        JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (PresetListRowComponent)
    };

    explicit PresetListBoxModel (SendMultiplePresetsWindow* owner);

    int getNumRows() override;
    void paintListBoxItem (int row, juce::Graphics& g, int width, int height, bool isSelected) override;
    juce::Component* refreshComponentForRow (int row, bool isSelected, juce::Component* existing) override;

private:
    SendMultiplePresetsWindow* window;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (PresetListBoxModel)
};
