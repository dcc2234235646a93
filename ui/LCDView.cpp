#include "ui/LCDView.h"

#include <utility>

LCDView::LCDView (const juce::String& title)
    : titleLabel (std::make_unique<juce::Label> (title, juce::String()))
{
    titleLabel->setText (title, juce::dontSendNotification);
    titleLabel->setBounds (5, 0, 100, 22);
    titleLabel->setColour (juce::Label::textColourId, juce::Colours::white);
    titleLabel->setFont (juce::Font (18.0f, juce::Font::plain));
    addAndMakeVisible (titleLabel.get());
}

LCDView::~LCDView() = default;

void LCDView::addPage (LCDTypeView::Ptr page)
{
    if (page == nullptr)
        return;

    pages.add (page);
    page->setTopLeftPosition (0, titleLabel->getHeight());
    addChildComponent (page.get());
}

void LCDView::addPageOfRows (std::initializer_list<juce::Component*> rows)
{
    LCDTypeView::Ptr page (new LCDTypeView());

    for (auto* row : rows)
        page->addRow (row);

    // Sizing lays the page out once, with the rows' fresh 20-pixel pitch.
    page->setSize (600, 120);
    addPage (page);
}

void LCDView::showPage (int index)
{
    if (! juce::isPositiveAndBelow (index, pages.size()))
        return;

    for (auto* page : pages)
        page->setVisible (false);

    auto page = pages.getUnchecked (index);
    page->resized();
    page->setVisible (true);
}

int LCDView::getVisiblePageIndex() const
{
    for (int i = 0; i < pages.size(); ++i)
        if (pages.getUnchecked (i)->isVisible())
            return i;

    return -1;
}

void LCDView::showPageOfType (int type, juce::Component& typeChooser)
{
    showPage (type);

    const bool pickedHere = std::exchange (typePickedByUser, false);
    auto* peer = getPeer();

    if (pickedHere && peer != nullptr && peer->isFocused() && typeChooser.isShowing())
        typeChooser.grabKeyboardFocus();
}
