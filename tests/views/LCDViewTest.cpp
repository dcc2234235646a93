// The parameter view frame: pages under a title, and rows laid out in two columns whose pitch
// is 20 while a page is built and 18 once it is shown.
#include "ViewTestSupport.h"

#include <gtest/gtest.h>

TEST (LCDView, LaysRowsOutInTwoColumnsAtTheBuildPitchThenTheShownPitch)
{
    juce::OwnedArray<juce::Component> widgets;
    for (auto name : { "A", "B", "C", "", "E", "F" })
        widgets.add (new juce::Component (name));

    LCDView view ("Knob 1");
    LCDTypeView::Ptr page (new LCDTypeView());
    for (auto* widget : widgets)
        page->addRow (widget);
    page->setSize (600, 120);

    EXPECT_EQ (widgets[2]->getBounds(), juce::Rectangle<int> (130, 40, 120, 18));
    EXPECT_EQ (widgets[5]->getBounds(), juce::Rectangle<int> (380, 20, 100, 18));

    view.addPage (page);
    EXPECT_EQ (page->getPosition(), juce::Point<int> (0, 22));
    EXPECT_FALSE (page->isVisible());

    view.showPage (0);
    EXPECT_TRUE (page->isVisible());
    EXPECT_EQ (widgets[2]->getBounds(), juce::Rectangle<int> (130, 36, 120, 18));
    EXPECT_EQ (page->getCaption (2)->getBounds(), juce::Rectangle<int> (5, 36, 120, 18));
    EXPECT_EQ (widgets[5]->getBounds(), juce::Rectangle<int> (380, 18, 100, 18));
    EXPECT_EQ (page->getCaption (0)->getText(), "A: ");
    EXPECT_EQ (page->getCaption (3)->getText(), "") << "an unnamed widget gets no colon";
    EXPECT_EQ (view.getTitle(), "Knob 1");
}

TEST (LCDView, ShowsOnePageAtATimeAndIgnoresIndexesWithNoPage)
{
    juce::Component shared ("TYPE"), other ("MIN");
    LCDView view ("Fader 1");

    for (auto* second : { &other, &other })
    {
        LCDTypeView::Ptr page (new LCDTypeView());
        page->addRow (&shared);
        page->addRow (second);
        page->setSize (600, 120);
        view.addPage (page);
    }

    view.showPage (1);
    EXPECT_EQ (shared.getParentComponent(), view.getPage (1)) << "a shared widget follows the shown page";
    view.showPage (0);
    EXPECT_EQ (shared.getParentComponent(), view.getPage (0));
    EXPECT_FALSE (view.getPage (1)->isVisible());

    view.showPage (2);
    view.showPage (-1);
    EXPECT_EQ (view.getVisiblePageIndex(), 0);
}
