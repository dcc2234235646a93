// What the auto-populate tests share: finding the tool's widgets as the user sees them, clicking
// them as the user does, and a panel of each kind over a preset whose parameters start at 1 (so
// a written 0 shows as well as an untouched control).
#pragma once

#include "autopopulate/AutoPopulateParameter.h"
#include "support/RunLoop.h"

#include <juce_gui_basics/juce_gui_basics.h>

namespace aptest
{
// Every component of type T under `root`, in depth-first order.
template <typename T>
juce::Array<T*> findAll (juce::Component& root)
{
    juce::Array<T*> found;
    for (auto* child : root.getChildren())
    {
        if (auto* match = dynamic_cast<T*> (child))
            found.add (match);
        found.addArray (findAll<T> (*child));
    }
    return found;
}

// The first component of type T named `name` under `root`, or null.
template <typename T = juce::Component>
T* find (juce::Component& root, const juce::String& name)
{
    for (auto* c : findAll<T> (root))
        if (c->getName() == name)
            return c;
    return nullptr;
}

// The shown row whose label reads `label`, or null.
inline AutoPopulateParameter* findRow (juce::Component& root, const juce::String& label)
{
    for (auto* row : findAll<AutoPopulateParameter> (root))
        if (row->isVisible() && row->getEditor()->getName() == label)
            return row;
    return nullptr;
}

// Clicks as the user does and waits until every listener of the button has heard it: the click
// comes as a posted message, so it has landed once what was posted after it has.
inline bool click (juce::Button& button)
{
    button.triggerClick();
    return testutil::deliverPostedMessages (1);
}

inline juce::Button& enabledToggle (AutoPopulateParameter& row)
{
    return *find<juce::Button> (row, "Enabled");
}

inline juce::ComboBox& comboOf (AutoPopulateParameter& row)
{
    return dynamic_cast<ComboBoxParameterComponent&> (*row.getEditor()).getComboBox();
}

} // namespace aptest

// The panels' user belongs to the test suites' build alone: the benchmarks take only the finders.
#ifdef QRX_BINARY_DIR
#include "autopopulate/QRX571AutoPopulateComponent.h"
#include "model/QRX571EditorPreset.h"
#include "views/ViewTestSupport.h"

#include <gtest/gtest.h>

#include <memory>

namespace aptest
{
// Writes that "Apply" should make: (parameter key, control index, value).
using Writes = std::vector<std::tuple<juce::String, int, int>>;

inline Writes operator+ (Writes a, const Writes& b)
{
    a.insert (a.end(), b.begin(), b.end());
    return a;
}

// n values first, first + step, ... into the controls from firstIndex on.
inline Writes run (const char* key, int firstIndex, int first, int n, int step = 1)
{
    Writes w;
    for (int k = 0; k < n; ++k)
        w.emplace_back (key, firstIndex + k, first + step * k);
    return w;
}

// v into the controls from..to.
inline Writes same (const char* key, int from, int to, int v) { return run (key, from, v, to - from + 1, 0); }

// A panel's row by its label, else its number box by name, else (for "NAMES") the note-name
// chooser beside START, made last.
inline AutoPopulateParameter& row (juce::Component& panel, const juce::String& label)
{
    auto* found = findRow (panel, label);
    EXPECT_NE (found, nullptr) << label;
    return *found;
}

inline NumberBoxComponent<int>& box (juce::Component& panel, const juce::String& name)
{
    if (auto* r = findRow (panel, name))
        return dynamic_cast<NumberBoxParameterComponent&> (*r->getEditor()).getNumberBox();
    auto* found = find<NumberBoxComponent<int>> (panel, name);
    EXPECT_NE (found, nullptr) << name;
    return *found;
}

inline juce::ComboBox& chooser (juce::Component& panel, const juce::String& name)
{
    return name == "NAMES" ? *findAll<juce::ComboBox> (panel).getLast() : comboOf (row (panel, name));
}

// Runs "enable ROW; pick ROW=ITEM; type BOX=NUMBER; see BOX=SHOWN; ..." in order on a panel
// on screen, as the user clicks, picks, types and looks; "see" waits a moment for what follows
// a change.
inline void perform (juce::Component& panel, const juce::String& steps)
{
    for (auto step : juce::StringArray::fromTokens (steps, ";", {}))
    {
        step = step.trim();
        const auto verb = step.upToFirstOccurrenceOf (" ", false, false);
        const auto target =
            step.fromFirstOccurrenceOf (" ", false, false).upToFirstOccurrenceOf ("=", false, false);
        const auto argument = step.fromFirstOccurrenceOf ("=", false, false);
        const auto shown = [&]
        {
            return target == "NAMES" ? chooser (panel, target).getText()
                                     : juce::String (box (panel, target).getValue());
        };
        if (verb == "enable")
            EXPECT_TRUE (click (enabledToggle (row (panel, target))));
        else if (verb == "pick")
            viewtest::pick (chooser (panel, target), argument);
        else if (verb == "see")
            EXPECT_TRUE (testutil::runLoopUntil ([&] { return shown() == argument; }, 500)) << step;
        else
            EXPECT_TRUE (verb == "type" && viewtest::typeInto (box (panel, target), argument)) << step;
    }
}

// Ticks bank toggles by position, A = 0 (a second tick takes a bank off), then clicks "Apply".
inline void tickAndApply (juce::Component& panel, std::initializer_list<int> banks)
{
    auto toggles = findAll<ImageToggleButton> (*findAll<ApplyToBanksComponent> (panel)[0]);
    for (auto bank : banks)
        EXPECT_TRUE (click (*toggles[bank]));
    EXPECT_TRUE (click (*find<juce::Button> (panel, "Apply")));
}

enum class Kind
{
    pads,
    knobs,
    faders,
    switches
};

inline MEditorControl* controlOf (QRX571EditorPreset& p, Kind kind, int i)
{
    if (kind == Kind::pads)
        return p.getPad (i).get();
    if (kind == Kind::knobs)
        return p.getKnob (i).get();
    return kind == Kind::faders ? (MEditorControl*)p.getFader (i).get() : p.getSwitch (i).get();
}

// Every parameter 1, but the to-DIN switch (0 or 1) 0, so that either choice shows when written.
inline QRX571EditorPreset::Ptr filledPreset (Kind kind)
{
    QRX571EditorPreset::Ptr preset = new QRX571EditorPreset();
    for (int i = 0; auto* control = controlOf (*preset, kind, i); ++i)
    {
        auto record = control->getData();
        record.fill (1);
        EXPECT_TRUE (control->setFromData (record));
        for (auto* toDin : { "To MIDI Din", "To MIDI DIN", "To Midi Din" })
            control->setParameterValue (toDin, juce::Value (juce::var (0)));
    }
    return preset;
}

// One panel of a kind, in a tool on screen (a number box takes the keyboard focus only there).
struct PanelUser
{
    // settle: wait for the first sub-mode, as a user who looks at the panel does.
    explicit PanelUser (Kind k, bool settle = true)
        : kind (k)
    {
        tool->addToDesktop (0);
        tool->setVisible (true);
        EXPECT_TRUE (! settle || testutil::deliverPostedMessages (1));
    }

    // Every control as it was filled, but for `written`.
    void expectOnly (const Writes& written)
    {
        auto expected = filledPreset (kind);
        for (auto [key, index, v] : written)
            controlOf (*expected, kind, index)->setParameterValue (key, juce::Value (v));

        for (int i = 0; auto* control = controlOf (*preset, kind, i); ++i)
        {
            const auto record = control->getData(), wanted = controlOf (*expected, kind, i)->getData();
            EXPECT_EQ (std::vector<int> (record.begin(), record.end()),
                       std::vector<int> (wanted.begin(), wanted.end()))
                << "control " << i;
        }
    }

    Kind kind;
    QRX571EditorPreset::Ptr preset = filledPreset (kind);
    std::unique_ptr<juce::Component> tool = std::make_unique<QRX571AutoPopulateComponent> (preset);
    juce::Component* panel = findAll<AutoPopulatePanel> (*tool)[(int)kind];
};
} // namespace aptest
#endif
