#include "app/MainContentComponent.h"

#include "ui/EditorPictures.h"
#include "ui/FaderLCDView.h"
#include "ui/KnobLCDView.h"
#include "ui/PadLCDView.h"
#include "ui/SwitchLCDView.h"

namespace
{
using State = EditorPictures::ViewState;

constexpr int padsPerBank = QRX571EditorPreset::padsPerBank;
constexpr int controlsPerBank = QRX571EditorPreset::controlsPerBank;

void setNumberLabelStyle (juce::Label& label, juce::Colour colour)
{
    label.setColour (juce::Label::textColourId, colour);
    label.setJustificationType (juce::Justification::centred);
}
} // namespace

MainContentComponent::MainContentComponent (QRX571EditorPreset::Ptr presetToShow,
                                            const juce::Image& backgroundImage)
    : preset (presetToShow)
    , background (backgroundImage)
{
    showParameterView (new PadLCDView (preset->getPad (0), "Pad 1"));

    createKnobViews();
    createFaderViews();
    createSwitchViews();
    createPadBankButtons();
    createControlBankButtons();
    createCommonParametersView();

    setLookAndFeel (&look);

    for (int i = 0; i < controlsPerBank; ++i)
    {
        for (auto* labels : { &faderNumberLabels, &switchNumberLabels })
        {
            auto* label = labels->add (new juce::Label());
            label->setColour (juce::Label::textColourId, juce::Colours::white);
            label->setFont (juce::Font (14.0f, juce::Font::plain));
            addAndMakeVisible (label);
        }
        // A click on a switch's number must reach the switch underneath.
        switchNumberLabels.getLast()->setInterceptsMouseClicks (false, true);
    }

    // Both banks start at 1 so that these two calls build bank A of each.
    selectPadBank (0);
    selectControlBank (0);

    setSize (background.getWidth(), background.getHeight());
}

MainContentComponent::~MainContentComponent()
{
    // A drag notification still queued in a view (which it keeps alive) must not reach a
    // surface that is gone.
    for (auto* view : draggedViews)
        if (auto* drag = dynamic_cast<DragableAndDropAbleControl*> (view))
            drag->removeListener (this);

    draggedViews.clear();

    for (auto* view : padViews)
        letGo (*view, *view);
    for (auto* views : { &knobViews, &faderViews, &switchViews })
        for (auto* view : *views)
            letGo (*view, *view);

    setLookAndFeel (nullptr);
}

void MainContentComponent::letGo (ControlView& view, DragableAndDropAbleControl& drag)
{
    // A view whose drag is under way still has to tell its end; any other stops calling in, as a
    // notification it has queued can outlive the surface.
    if (! draggedViews.contains (&view))
        drag.removeListener (this);

    drag.releaseComponent();
    removeChildComponent (&view);
}

QRX571EditorPreset::Ptr MainContentComponent::getPreset() { return preset; }

void MainContentComponent::showParameterView (LCDView::Ptr view)
{
    if (currentParameterView != nullptr)
        removeChildComponent (currentParameterView.get());

    currentParameterView = view;
    addAndMakeVisible (currentParameterView.get());

    // The view was built, and its choosers fitted their text, before it had the surface's look.
    currentParameterView->sendLookAndFeelChange();
}

void MainContentComponent::createKnobViews() { createControlViews (Kind::knob); }

void MainContentComponent::createFaderViews() { createControlViews (Kind::fader); }

void MainContentComponent::createSwitchViews() { createControlViews (Kind::switchControl); }

void MainContentComponent::createControlViews (Kind kind)
{
    auto& views = kind == Kind::knob ? knobViews : kind == Kind::fader ? faderViews : switchViews;

    // A view that is being dragged stays alive in draggedViews until its drag ends.
    for (auto* view : views)
        letGo (*view, *view);

    views.clear();

    for (int i = 0; i < controlsPerBank; ++i)
    {
        const int index = controlBank * controlsPerBank + i;
        MEditorControl::Ptr control;
        juce::Image normal, over, selected;

        switch (kind)
        {
            case Kind::knob:
                control = preset->getKnob (index).get();
                normal = EditorPictures::knob (State::normal);
                over = EditorPictures::knob (State::over);
                selected = EditorPictures::knob (State::selected);
                break;
            case Kind::fader:
                control = preset->getFader (index).get();
                normal = EditorPictures::fader (State::normal);
                over = EditorPictures::fader (State::over);
                selected = EditorPictures::fader (State::selected);
                break;
            case Kind::switchControl:
                control = preset->getSwitch (index).get();
                normal = EditorPictures::switchButton (State::normal);
                over = EditorPictures::switchButton (State::over);
                selected = EditorPictures::switchButton (State::selected);
                break;
        }

        QRX5ControlView::Ptr view = new QRX5ControlView (control, normal, over, selected);
        views.add (view);
        view->juce::Button::addListener (this);
        view->DragableAndDropAbleControl::addListener (this);
        view->setSize (normal.getWidth(), normal.getHeight());
    }
}

ImageButtonWithText::Ptr MainContentComponent::makeBankButton (const juce::String& name)
{
    ImageButtonWithText::Ptr button = new ImageButtonWithText (name, EditorPictures::bankLamp (State::normal),
                                                               EditorPictures::bankLamp (State::selected),
                                                               EditorPictures::bankLamp (State::over));
    button->addListener (this);
    button->setSize (21, 21);
    button->setTextX (6.0f);
    button->setTextY (1.0f);
    addAndMakeVisible (button.get());
    return button;
}

void MainContentComponent::createPadBankButtons()
{
    for (auto name : { "A", "B", "C", "D" })
        padBankButtons.add (makeBankButton (name));
}

void MainContentComponent::createControlBankButtons()
{
    for (auto name : { "A", "B", "C" })
        controlBankButtons.add (makeBankButton (name));
}

void MainContentComponent::createCommonParametersView()
{
    commonParametersView = new CommonParametersLCDView (preset.get(), preset->getTransport().get());
    addAndMakeVisible (commonParametersView.get());
}

void MainContentComponent::selectPadBank (int bank)
{
    if (bank == padBank)
    {
        resized();
        return;
    }

    padBank = bank;

    for (auto* view : padViews)
        letGo (*view, *view);

    padViews.clear();

    for (int i = 0; i < padsPerBank; ++i)
    {
        const int index = bank * padsPerBank + i;
        PadView::Ptr view = new PadView (
            preset->getPad (index), juce::String (index + 1), EditorPictures::pad (State::normal),
            EditorPictures::pad (State::over), EditorPictures::pad (State::selected));
        padViews.add (view);
        view->DragableAndDropAbleControl::addListener (this);
        view->juce::Button::addListener (this);
    }

    for (int j = 0; j < padBankButtons.size(); ++j)
        padBankButtons[j]->setToggleState (j == bank, juce::dontSendNotification);

    resized();
}

void MainContentComponent::selectControlBank (int bank)
{
    if (bank == controlBank)
        return;

    controlBank = bank;

    for (int i = 0; i < switchNumberLabels.size(); ++i)
    {
        const juce::String number (bank * controlsPerBank + 1 + i);
        faderNumberLabels[i]->setText (number, juce::dontSendNotification);
        switchNumberLabels[i]->setText (number, juce::dontSendNotification);
    }

    for (int j = 0; j < controlBankButtons.size(); ++j)
        controlBankButtons[j]->setToggleState (j == bank, juce::dontSendNotification);

    createKnobViews();
    createSwitchViews();
    createFaderViews();

    resized();
}

void MainContentComponent::buttonClicked (juce::Button* button)
{
    // Control bank buttons first: their names repeat those of the pad bank buttons.
    for (int j = 0; j < controlBankButtons.size(); ++j)
        if (button == controlBankButtons[j].get())
            return selectControlBank (j);

    for (int j = 0; j < padBankButtons.size(); ++j)
        if (button == padBankButtons[j].get())
            return selectPadBank (j);

    for (auto* view : padViews)
        view->setToggleState (false, juce::dontSendNotification);
    for (auto* views : { &switchViews, &knobViews, &faderViews })
        for (auto* view : *views)
            view->setToggleState (false, juce::dontSendNotification);

    button->setToggleState (true, juce::dontSendNotification);

    LCDView::Ptr view;

    for (int i = 0; i < padViews.size() && view == nullptr; ++i)
        if (button == padViews[i].get())
        {
            const int n = padBank * padsPerBank + i + 1;
            view = new PadLCDView (preset->getPad (n - 1), "Pad " + juce::String (n));
        }

    for (int i = 0; i < controlsPerBank && view == nullptr; ++i)
    {
        const int n = controlBank * controlsPerBank + i + 1;

        if (i < knobViews.size() && button == knobViews[i].get())
            view = new KnobLCDView (preset->getKnob (n - 1), "Knob " + juce::String (n));
        else if (i < faderViews.size() && button == faderViews[i].get())
            view = new FaderLCDView (preset->getFader (n - 1), "Fader " + juce::String (n));
        else if (i < switchViews.size() && button == switchViews[i].get())
            view = new SwitchLCDView (preset->getSwitch (n - 1), "Switch " + juce::String (n));
    }

    if (view == nullptr)
        return;

    showParameterView (view);
    resized();
}

void MainContentComponent::controlDragStateChanged (ControlView::Ptr view, bool dragging)
{
    if (dragging)
    {
        draggedViews.addIfNotAlreadyThere (view.get());
        return;
    }

    draggedViews.removeObject (view.get());

    if (currentParameterView != nullptr)
        currentParameterView->resized();
}

void MainContentComponent::resized()
{
    if (currentParameterView != nullptr)
        currentParameterView->setBounds (75, 95, 490, 100);

    if (commonParametersView != nullptr)
        commonParametersView->setBounds (564, 95, 300, 100);

    for (int i = 0; i < padViews.size(); ++i)
    {
        auto* view = padViews[i].get();
        const int w = view->getWidth(), h = view->getHeight();
        view->setTopLeftPosition ((w + 4) * (i % 4) + 50, 575 - (i / 4) * h);
        addAndMakeVisible (view);
    }

    for (int i = 0; i < knobViews.size(); ++i)
    {
        auto* knob = knobViews[i].get();
        knob->setTopLeftPosition (566 + i * (knob->getWidth() + 20), 270);
        addAndMakeVisible (knob);

        if (i >= faderViews.size())
            continue;

        auto* fader = faderViews[i].get();
        fader->setTopLeftPosition (knob->getX() - 4, knob->getBottom() + 20);
        addAndMakeVisible (fader);

        if (i < faderNumberLabels.size())
            faderNumberLabels[i]->setBounds (fader->getX(), fader->getY() - 20, fader->getWidth(), 20);

        if (i >= switchViews.size())
            continue;

        auto* switchView = switchViews[i].get();
        switchView->setTopLeftPosition (fader->getX() + 10, fader->getBottom() + 20);
        addAndMakeVisible (switchView);

        if (i < switchNumberLabels.size())
            switchNumberLabels[i]->setBounds (switchView->getBounds());
    }

    for (int j = 0; j < padBankButtons.size(); ++j)
    {
        padBankButtons[j]->setTopLeftPosition (150 + 30 * j, 222);
        if (j < controlBankButtons.size())
            controlBankButtons[j]->setTopLeftPosition (padBankButtons[j]->getX() + 520,
                                                       padBankButtons[j]->getY());
    }

    for (auto* label : faderNumberLabels)
    {
        setNumberLabelStyle (*label, juce::Colours::white);
        label->toFront (false);
    }
    for (auto* label : switchNumberLabels)
    {
        setNumberLabelStyle (*label, juce::Colours::black);
        label->toFront (false);
    }
}

void MainContentComponent::paint (juce::Graphics& g)
{
    g.drawImageAt (background, 0, 0);

    const auto white = EditorPictures::whiteTransportButton();
    const auto red = EditorPictures::redTransportButton();
    g.drawImageAt (white, 650, 625);
    g.drawImageAt (white, 735, 625);
    g.drawImageAt (red, 815, 625);
}
