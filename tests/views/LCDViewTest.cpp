// The parameter view frame: pages under a title, one shown at a time, and rows laid out in two
// columns whose pitch is 20 while a page is built and 18 once it is shown.
#include "ViewTestSupport.h"

#include <gtest/gtest.h>

TEST (LCDView, LaysRowsOutInTwoColumnsAtTheBuildPitchThenTheShownPitchOnOnePageAtATime)
{
    juce::OwnedArray<juce::Component> widgets;
    for (auto name : { "A", "B", "C", "", "E", "F" })
        widgets.add (new juce::Component (name));

    LCDView view ("Knob 1");
    for (int rows : { 6, 2 }) // the second page shares the first two widgets
    {
        LCDTypeView::Ptr page (new LCDTypeView());
        for (int i = 0; i < rows; ++i)
            page->addRow (widgets[i]);
        page->setSize (600, 120);
        view.addPage (page);
    }
    auto* page = view.getPage (0);
    EXPECT_EQ (view.getTitle(), "Knob 1");
    EXPECT_EQ (page->getPosition(), juce::Point<int> (0, 22));
    EXPECT_FALSE (page->isVisible());
    EXPECT_EQ (widgets[2]->getBounds(), juce::Rectangle<int> (130, 40, 120, 18));

    view.showPage (0);
    EXPECT_TRUE (page->isVisible());
    EXPECT_EQ (page->getCaption (2)->getBounds(), juce::Rectangle<int> (5, 36, 120, 18));
    EXPECT_EQ (widgets[2]->getBounds(), juce::Rectangle<int> (130, 36, 120, 18));
    EXPECT_EQ (widgets[5]->getBounds(), juce::Rectangle<int> (380, 18, 100, 18));
    EXPECT_EQ (page->getCaption (0)->getText(), "A: ");
    EXPECT_EQ (page->getCaption (3)->getText(), "") << "an unnamed widget gets no colon";
    EXPECT_EQ (widgets[0]->getParentComponent(), page);

    view.showPage (1);
    EXPECT_EQ (widgets[0]->getParentComponent(), view.getPage (1))
        << "a shared widget follows the shown page";
    EXPECT_FALSE (page->isVisible());
    view.showPage (2);
    view.showPage (-1);
    EXPECT_EQ (view.getVisiblePageIndex(), 1);
}
