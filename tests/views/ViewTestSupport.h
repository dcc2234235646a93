// What the view tests share: a parameter view's widgets as the user sees them, typing, picking
// and mouse events as the user makes them, solid test pictures and renders for review.
#pragma once

#include "support/RunLoop.h"
#include "ui/LCDView.h"
#include "ui/NumberBoxComponent.h"
#include "ui/PadView.h"

#include <gtest/gtest.h>
#include <juce_gui_basics/juce_gui_basics.h>

namespace viewtest
{
// The widget named `name` on page `pageIndex` (the shown page by default), or null.
inline juce::Component* findWidget (LCDView& view, const juce::String& name, int pageIndex = -1)
{
    if (auto* page = view.getPage (pageIndex < 0 ? view.getVisiblePageIndex() : pageIndex))
        for (int i = 0; i < page->getNumRows(); ++i)
            if (auto* row = page->getRow (i); row != nullptr && row->getName() == name)
                return row;
    return nullptr;
}

inline juce::ComboBox& chooser (LCDView& view, const juce::String& name)
{
    return dynamic_cast<juce::ComboBox&> (*findWidget (view, name));
}

inline NumberBoxComponent<int>& numberBox (LCDView& view, const juce::String& name)
{
    return dynamic_cast<NumberBoxComponent<int>&> (*findWidget (view, name));
}

// Picks an item as the user does: the chooser tells its listener at once.
inline void pick (juce::ComboBox& box, const juce::String& itemText)
{
    for (int i = 0; i < box.getNumItems(); ++i)
        if (box.getItemText (i) == itemText)
            box.setSelectedId (box.getItemId (i), juce::sendNotificationSync);
}

// Holds a component on the desktop while it lives, for what only happens on screen: the keyboard
// goes only to a component that is showing.
class OnScreen
{
public:
    explicit OnScreen (juce::Component& content)
        : shown (content)
    {
        shown.addToDesktop (0);
        shown.setVisible (true);
    }

    ~OnScreen() { shown.removeFromDesktop(); }

private:
    juce::Component& shown;
};

// Types into a number box as the user does: a click opens the editor with the number selected,
// the keys replace it (no keys: deletes it) and return closes it. Answers whether all went so;
// the box must be on screen.
inline bool typeInto (NumberBoxComponent<int>& box, const juce::String& keys)
{
    if (! box.isShowing())
        return false;

    box.showEditor();
    auto* editor = box.getCurrentTextEditor();
    if (editor == nullptr || editor->getHighlightedRegion().getLength() != box.getText().length())
        return false;

    if (keys.isEmpty())
        editor->keyPressed (juce::KeyPress (juce::KeyPress::backspaceKey));
    else
        editor->insertTextAtCaret (keys);

    editor->keyPressed (juce::KeyPress (juce::KeyPress::returnKey));
    return testutil::runLoopUntil ([&] { return ! box.isBeingEdited(); }, 2000);
}

// A mouse event at `position` in the window of `onDesktop`, the button (left by default) down or up.
inline void mouse (juce::Component& onDesktop, juce::Point<float> position, bool down,
                   int button = juce::ModifierKeys::leftButtonModifier)
{
    juce::ModifierKeys::currentModifiers = down ? button : 0;
    onDesktop.getPeer()->handleMouseEvent (
        juce::MouseInputSource::InputSourceType::mouse, position, juce::ModifierKeys::currentModifiers,
        juce::MouseInputSource::defaultPressure, juce::MouseInputSource::defaultOrientation,
        juce::Time::currentTimeMillis());
}

// `text`, laid out in `box` of `owner`, reads whole: it fits in a legible font, and its ink runs
// into no widget beside `owner` (a control's picture carries its number on purpose), nor into a
// chooser's arrow (5 to 15 pixels in from its right edge). A caption's box may reach under its
// widget, its text may not.
inline void expectFits (const juce::String& text, const juce::Font& font, juce::Rectangle<int> box,
                        juce::Justification justification, juce::Component& owner, const juce::String& where)
{
    const auto width = font.getStringWidthFloat (text);
    EXPECT_TRUE (width <= (float)box.getWidth() && font.getHeight() >= 9.0f) << where << ": " << text;
    const auto ink = justification.appliedToRectangle (
                         juce::Rectangle<int> ((int)std::ceil (width), (int)font.getHeight()), box) +
                     owner.getPosition();
    auto& parent = *owner.getParentComponent();
    if (dynamic_cast<juce::ComboBox*> (&parent) != nullptr)
    {
        EXPECT_LE (ink.getRight(), parent.getWidth() - 15) << where << ": " << text;
    }
    for (auto* sibling : parent.getChildren())
        if (sibling != &owner && sibling->isVisible() &&
            (dynamic_cast<juce::ComboBox*> (sibling) != nullptr ||
             dynamic_cast<juce::TextEditor*> (sibling) != nullptr ||
             dynamic_cast<NumberBoxComponent<int>*> (sibling) != nullptr ||
             (dynamic_cast<juce::Button*> (sibling) != nullptr &&
              dynamic_cast<ControlView*> (sibling) == nullptr)))
        {
            EXPECT_FALSE (ink.intersects (sibling->getBounds()))
                << where << ": " << text << " runs into " << sibling->getName();
        }
}

// Every text shown under `component` reads whole (see expectFits): each a label can show (a
// chooser's label each of its items in turn), a text editor's after its indent with room for the
// caret, and a pad view's lines inside its LED frame and short of the next line on their row.
inline void expectTextsFit (juce::Component& component, const juce::String& where)
{
    const auto inside = [] (auto& c, auto border) { return border.subtractedFrom (c.getLocalBounds()); };
    if (auto* label = dynamic_cast<juce::Label*> (&component))
    {
        juce::StringArray texts (label->getText());
        if (auto* box = dynamic_cast<juce::ComboBox*> (label->getParentComponent()))
            for (int i = 0; i < box->getNumItems(); ++i)
                texts.add (box->getItemText (i));
        for (const auto& text : texts)
            expectFits (text, label->getFont(), inside (*label, label->getBorderSize()),
                        label->getJustificationType(), *label, where);
    }
    if (auto* editor = dynamic_cast<juce::TextEditor*> (&component))
        expectFits (editor->getText(), editor->getFont(),
                    inside (*editor, editor->getBorder())
                        .withTrimmedLeft (editor->getLeftIndent())
                        .withTrimmedRight (2),
                    juce::Justification::left, *editor, where);
    if (auto* pad = dynamic_cast<PadView*> (&component))
    {
        const auto lines = pad->getTextLines();
        for (int i = 0; i < lines.size(); ++i)
        {
            const auto& line = lines.getReference (i);
            const auto next = i + 1 < lines.size() && lines[i + 1].y == line.y ? lines[i + 1].x - 1 : 92;
            EXPECT_TRUE (line.font.getStringWidthFloat (line.text) <=
                             (float)(juce::jmin (line.x + line.width, next) - line.x) &&
                         line.font.getHeight() >= 9.0f)
                << where << " pad " << line.text;
        }
    }
    for (auto* child : component.getChildren())
        if (child->isVisible())
            expectTextsFit (*child, where);
}

inline juce::Image solidPicture (juce::Colour colour, int width, int height)
{
    juce::Image image (juce::Image::ARGB, width, height, true);
    image.clear (image.getBounds(), colour);
    return image;
}

// Writes `image` to `name` under the build folder.
inline bool writePng (const juce::Image& image, const juce::String& name)
{
    const auto file = juce::File (QRX_BINARY_DIR).getChildFile (name);
    file.deleteFile();
    file.getParentDirectory().createDirectory();
    juce::FileOutputStream out (file);
    return out.openedOk() && juce::PNGImageFormat().writeImageToStream (image, out);
}
// Renders `component` on the front panel's dark display colour to `name`.png under the build
// folder; answers whether that worked and the render shows text.
inline bool renderForReview (juce::Component& component, const juce::String& name)
{
    juce::Image image (juce::Image::ARGB, component.getWidth(), component.getHeight(), true);
    juce::Graphics g (image);
    g.fillAll (juce::Colour (24, 28, 32));
    component.paintEntireComponent (g, false);

    int bright = 0;
    for (int y = 0; y < image.getHeight(); ++y)
        for (int x = 0; x < image.getWidth(); ++x)
            bright += image.getPixelAt (x, y).getBrightness() > 0.8f ? 1 : 0;
    return writePng (image, name + ".png") && bright > 50;
}
} // namespace viewtest
