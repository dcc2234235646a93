// Where every row, box, caption and button of each panel sits, in the panel's coordinates,
// for a sub-mode of each.
#include "autopopulate/AutoPopulateTestSupport.h"

using namespace aptest;

namespace
{
using R = juce::Rectangle<int>;

struct BoundsCase
{
    Kind kind;
    const char* type;
    const char* rows;  // the sub-mode's rows, top to bottom
    const char* boxes; // the boxes under them, top to bottom
    int startWidth;    // of the first box
};

// One sub-mode per panel, between them every layout: note names, a split, no boxes, a named box.
const BoundsCase cases[] = {
    { Kind::pads, "NOTE", "AFT,MODE,SCALE", "START", 40 },
    { Kind::knobs, "INC/DEC 1", "VALUE,ORDER", "START,MSB,LSB", 100 },
    { Kind::faders, "AFTERTOUCH", "MIN,MAX", "", 0 },
    { Kind::switches, "PROGRAM", "ORDER", "Program Number NumberBox", 100 },
};

R boundsIn (juce::Component& panel, juce::Component* part)
{
    return part == nullptr ? R() : panel.getLocalArea (part, part->getLocalBounds());
}
} // namespace

TEST (PanelBounds, EveryPartSitsWhereThePanelPutsIt)
{
    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.type);
        PanelUser user (c.kind);
        auto& panel = *user.panel;
        perform (panel, juce::String ("pick TYPE=") + c.type);
        const auto pads = c.kind == Kind::pads;

        // The frame: bank selector and common rows.
        auto* banks = findAll<ApplyToBanksComponent> (panel)[0];
        EXPECT_EQ (boundsIn (panel, find<juce::Button> (panel, "Apply")), R (512, 84, 96, 25));
        const auto toggles = findAll<ImageToggleButton> (*banks);
        EXPECT_EQ (toggles.size(), pads ? 4 : 3);
        for (int i = 0; i < toggles.size(); ++i)
            EXPECT_EQ (boundsIn (panel, toggles[i]), R ((pads ? 516 : 528) + 23 * i, 54, 18, 17));

        const juce::StringArray common =
            pads ? juce::StringArray{ "PAD ON COLOR", "PAD OFF COLOR", "MIDI CHANNEL", "MIDI TO DIN" }
                 : juce::StringArray{ "MIDI CHANNEL", "MIDI TO DIN" };
        for (int i = 0; i < common.size(); ++i)
            EXPECT_EQ (boundsIn (panel, findRow (panel, common[i])), R (240, 24 + 22 * i, 225, 18))
                << common[i];

        // The sub-mode: its rows 22 px apart, its boxes 4 px under the last row at x 85.
        const auto rows = juce::StringArray::fromTokens (c.rows, ",", {});
        auto* subMode = findRow (panel, rows[0])->getParentComponent();
        EXPECT_EQ (findAll<AutoPopulateParameter> (*subMode).size(), rows.size());
        for (int i = 0; i < rows.size(); ++i)
            EXPECT_EQ (boundsIn (panel, findRow (panel, rows[i])), R (10, 50 + 22 * i, 185, 18)) << rows[i];

        const auto boxes = juce::StringArray::fromTokens (c.boxes, ",", {});
        EXPECT_EQ (findAll<NumberBoxComponent<int>> (*subMode).size(),
                   boxes.size() + findAll<NumberBoxParameterComponent> (*subMode).size());
        const auto boxTop = 50 + 22 * rows.size();
        for (int i = 0; i < boxes.size(); ++i)
            EXPECT_EQ (boundsIn (panel, &box (panel, boxes[i])),
                       R (95, boxTop + 22 * i, i == 0 ? c.startWidth : 100, 18));

        auto* names = dynamic_cast<juce::ComboBox*> (subMode->getChildren().getLast());
        EXPECT_EQ (boundsIn (panel, names), c.startWidth == 40 ? R (140, boxTop, 55, 18) : R());

        // The boxes' captions on their left: "MSB", "LSB", else "START".
        for (auto* label : findAll<juce::Label> (panel))
            if (auto* box = dynamic_cast<NumberBoxComponent<int>*> (label->getAttachedComponent()))
            {
                const auto split = box->getName() == "MSB" || box->getName() == "LSB";
                EXPECT_EQ (label->getText(), split ? box->getName() : "START");
                EXPECT_EQ (label->getBounds().getTopRight(), box->getPosition());
            }
    }
}
