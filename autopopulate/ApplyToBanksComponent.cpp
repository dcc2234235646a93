#include "autopopulate/ApplyToBanksComponent.h"

#include "ui/EditorPictures.h"
#include "ui/ImageButtonFactories.h"

namespace
{
constexpr int buttonGap = 5;
constexpr int bankRowY = 30;
constexpr int applyY = 60;
constexpr int titleHeight = 20;
} // namespace

ApplyToBanksComponent::ApplyToBanksComponent (ControlSorter::Ptr sorterToUse,
                                              const juce::Array<ImageToggleButton*>& buttons)
    : sorter (std::move (sorterToUse))
{
    makeApplyButton (applyButton);
    const auto bankPicture = EditorPictures::bankToggle (0, false);

    for (auto* button : buttons)
    {
        bankButtons.add (button);
        button->setSize (bankPicture.getWidth(), bankPicture.getHeight());
        addAndMakeVisible (button);
        button->setToggleState (false, juce::dontSendNotification);
        button->addListener (this);
    }

    addAndMakeVisible (*applyButton);
    setSize (140, 200);
}

ApplyToBanksComponent::~ApplyToBanksComponent()
{
    for (auto* button : bankButtons)
        button->removeListener (this);

    removeAllChildren();
}

void ApplyToBanksComponent::addApplyListener (juce::Button::Listener* listener)
{
    applyButton->addListener (listener);
}

void ApplyToBanksComponent::removeApplyListener (juce::Button::Listener* listener)
{
    applyButton->removeListener (listener);
}

void ApplyToBanksComponent::paint (juce::Graphics& g)
{
    g.setFont (juce::Font (20.0f, juce::Font::plain));
    g.setColour (juce::Colours::black);
    g.drawText ("Apply to Banks", 0, 0, getWidth(), titleHeight, juce::Justification::centred, true);
}

void ApplyToBanksComponent::resized()
{
    const auto n = bankButtons.size();
    int total = 0;

    for (auto* button : bankButtons)
        total += button->getWidth();

    const auto free = getWidth() - total - buttonGap * (n - 1);

    for (int i = 0; i < n; ++i)
    {
        auto* button = bankButtons.getObjectPointerUnchecked (i);
        button->setTopLeftPosition (i * (button->getWidth() + buttonGap) + free / 2, bankRowY);
    }

    applyButton->setTopLeftPosition ((getWidth() - applyButton->getWidth()) / 2, applyY);
}

void ApplyToBanksComponent::buttonClicked (juce::Button*)
{
    juce::Array<bool> enabledBanks;

    for (auto* button : bankButtons)
        enabledBanks.add (button->getToggleState());

    sorter->sort (enabledBanks);
}
