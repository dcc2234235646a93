// The titled frame of every parameter view: a list of pages of which one is shown at a time.
#pragma once

#include "ui/LCDTypeView.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <initializer_list>
#include <memory>

class LCDView : public juce::Component, public virtual juce::ReferenceCountedObject
{
public:
    using Ptr = juce::ReferenceCountedObjectPtr<LCDView>;

    explicit LCDView (const juce::String& title);
    ~LCDView() override;

    // Appends a page, placed under the title and hidden until shown.
    void addPage (LCDTypeView::Ptr page);

    // Lays the page out again and shows it alone; an index with no page changes nothing.
    void showPage (int index);

    // Pages keep the size and position given to them.
    void resized() override {}

    int getNumPages() const { return pages.size(); }
    LCDTypeView* getPage (int index) const { return pages[index].get(); }

    // The index of the visible page, or -1 before any page was shown.
    int getVisiblePageIndex() const;

    juce::String getTitle() const { return titleLabel->getText(); }

protected:
    // Builds one page of the given rows (left column first), sizes it 600 x 120 and adds it.
    void addPageOfRows (std::initializer_list<juce::Component*> rows);

    // The user picked a type in this view's TYPE chooser; the page switch that follows may keep
    // the keyboard there.
    void noteTypePickedByUser() { typePickedByUser = true; }

    // Shows the page of a new type. Moving the chooser to that page takes its keyboard focus
    // away, so after the user's own pick it gets the focus back, but only while this view's
    // window is the active one: a type written from another window, or a drop, must not pull
    // the keyboard away from where the user is typing.
    void showPageOfType (int type, juce::Component& typeChooser);

private:
    std::unique_ptr<juce::Label> titleLabel;
    juce::ReferenceCountedArray<LCDTypeView> pages;
    bool typePickedByUser = false;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (LCDView)
};
