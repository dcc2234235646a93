// The editor surface: a whole preset on a picture of the device's front panel. It shows one
// pad bank and one control bank at a time, the selected control's parameter view and the
// preset-wide view, and lets the whole preset be dragged out of the window.
#pragma once

#include "app/MainWindowDragDrop.h"
#include "model/QRX571EditorPreset.h"
#include "ui/CommonParametersLCDView.h"
#include "ui/DragableAndDropAbleControl.h"
#include "ui/ImageButtonWithText.h"
#include "ui/LCDView.h"
#include "ui/PadView.h"
#include "ui/QRX5ControlView.h"
#include "ui/QRX5EditorCustomLook.h"

#include <juce_gui_basics/juce_gui_basics.h>

class MainContentComponent : public juce::Button::Listener,
                             public MainWindowDragDrop,
                             public DragableAndDropAbleControl::Listener,
                             public virtual juce::Component
{
public:
    static constexpr int numPadBanks = 4;
    static constexpr int numControlBanks = 3;

    MainContentComponent (QRX571EditorPreset::Ptr preset, const juce::Image& background);
    ~MainContentComponent() override;

    void buttonClicked (juce::Button* button) override;
    void controlDragStateChanged (ControlView::Ptr view, bool dragging) override;
    QRX571EditorPreset::Ptr getPreset() override;
    void resized() override;
    void paint (juce::Graphics& g) override;

    void selectPadBank (int bank);
    void selectControlBank (int bank);

    // What is on screen, for whoever needs to look (the tests, a window).
    int getPadBank() const { return padBank; }
    int getControlBank() const { return controlBank; }
    LCDView* getParameterView() const { return currentParameterView.get(); }
    CommonParametersLCDView* getCommonParametersView() const { return commonParametersView.get(); }
    PadView* getPadView (int position) const { return padViews[position].get(); }
    QRX5ControlView* getKnobView (int position) const { return knobViews[position].get(); }
    QRX5ControlView* getFaderView (int position) const { return faderViews[position].get(); }
    QRX5ControlView* getSwitchView (int position) const { return switchViews[position].get(); }
    ImageButtonWithText* getPadBankButton (int bank) const { return padBankButtons[bank].get(); }
    ImageButtonWithText* getControlBankButton (int bank) const { return controlBankButtons[bank].get(); }
    juce::Label* getFaderNumberLabel (int position) const { return faderNumberLabels[position]; }
    juce::Label* getSwitchNumberLabel (int position) const { return switchNumberLabels[position]; }
    int getNumDraggedViews() const { return draggedViews.size(); }

private:
    enum class Kind
    {
        knob,
        fader,
        switchControl
    };

    void createKnobViews();
    void createFaderViews();
    void createSwitchViews();
    void createControlViews (Kind kind);
    void createPadBankButtons();
    void createControlBankButtons();
    void createCommonParametersView();
    ImageButtonWithText::Ptr makeBankButton (const juce::String& name);
    void showParameterView (LCDView::Ptr view);
    void letGo (ControlView& view, DragableAndDropAbleControl& drag);

    // Declared before every view that draws with it, so that it goes last: a number box being
    // typed into hands its editor this look, and that editor goes only with its view.
    QRX5EditorCustomLook look;
    QRX571EditorPreset::Ptr preset;
    LCDView::Ptr currentParameterView;
    CommonParametersLCDView::Ptr commonParametersView;
    juce::ReferenceCountedArray<PadView> padViews;
    juce::ReferenceCountedArray<ControlView> draggedViews;
    juce::ReferenceCountedArray<QRX5ControlView> knobViews, faderViews, switchViews;
    juce::ReferenceCountedArray<ImageButtonWithText> padBankButtons;
    juce::ReferenceCountedArray<ImageButtonWithText> controlBankButtons;
    juce::OwnedArray<juce::Label> faderNumberLabels;
    juce::OwnedArray<juce::Label> switchNumberLabels;
    int padBank = 1;
    int controlBank = 1;
    juce::Image background;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (MainContentComponent)
};
