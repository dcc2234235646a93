// Rows, bank selection and the run functions, put together the way a panel does and driven
// as the user drives them: bank toggles and "Enabled" toggles clicked, choosers picked,
// number boxes set, "Apply" clicked.
#include "autopopulate/AutoPopulateParameterContainer.h"
#include "autopopulate/AutoPopulateTestSupport.h"
#include "model/DefaultPreset.h"
#include "ui/EditorStrings.h"
#include "ui/ImageButtonFactories.h"
#include "ui/WidgetFactories.h"

#include <gtest/gtest.h>

namespace
{
constexpr int keep = -1; // the control keeps the value it had before "Apply"
constexpr int before = 99;

juce::ReferenceCountedArray<AutoPopulateParameter> rowsOf (std::initializer_list<AutoPopulateParameter*> rows)
{
    juce::ReferenceCountedArray<AutoPopulateParameter> array;
    for (auto* row : rows)
        array.add (row);
    return array;
}

enum class Kind
{
    pads,
    knobs
};

// One panel's worth of pieces over the pads or the knobs of a default preset.
struct Bench
{
    explicit Bench (Kind kind)
    {
        const auto pads = kind == Kind::pads;
        for (int i = 0; i < (pads ? 64 : 12); ++i)
            controls.add (pads ? MEditorControl::Ptr (preset->getPad (i))
                               : MEditorControl::Ptr (preset->getKnob (i)));

        juce::Array<ImageToggleButton*> toggles;
        for (auto* maker : { makeBankAButton, makeBankBButton, makeBankCButton, makeBankDButton })
        {
            ImageToggleButton* toggle = nullptr;
            if (toggles.size() < (pads ? 4 : 3))
                maker (toggle);
            if (toggle != nullptr)
                toggles.add (toggle);
        }

        banks = new ApplyToBanksComponent (
            new GenericSorted<ControlArray> (&controls, &selected, pads ? 16 : 4, pads ? 4 : 3), toggles);
    }

    void fill (const juce::String& name, int v)
    {
        for (auto* control : controls)
            control->setParameterValue (name, juce::Value (v));
    }

    // Puts the row in a container of its own, as a sub-mode holds its rows.
    AutoPopulateParameter& add (AutoPopulateParameter::Ptr row)
    {
        containers.add (new AutoPopulateParameterContainer (rowsOf ({ row.get() }), banks));
        return *row;
    }

    void tick (std::initializer_list<int> bankIndices)
    {
        const juce::String names[] = { EditorStrings::bankAButton, EditorStrings::bankBButton,
                                       EditorStrings::bankCButton, EditorStrings::bankDButton };
        for (auto bank : bankIndices)
            ASSERT_TRUE (aptest::click (*aptest::find<juce::Button> (*banks, names[bank])));
    }

    void apply()
    {
        ASSERT_TRUE (aptest::click (*aptest::find<juce::Button> (*banks, EditorStrings::applyButton)));
    }

    // Ticks the banks, enables the row, picks the item in its chooser and clicks "Apply".
    void applyRow (AutoPopulateParameter& row, std::initializer_list<int> bankIndices,
                   const juce::String& item)
    {
        tick (bankIndices);
        ASSERT_TRUE (aptest::click (aptest::enabledToggle (row)));
        ASSERT_TRUE (aptest::pick (aptest::comboOf (row), item));
        apply();
    }

    int value (int index, const juce::String& name) const
    {
        return controls[index]->getParameterValue (name).getValue();
    }

    // The values of the selected controls, in selection order.
    std::vector<int> selectedValues (const juce::String& name, int count) const
    {
        std::vector<int> values;
        for (int i = 0; i < count; ++i)
            values.push_back (selected[i]->getParameterValue (name).getValue());
        return values;
    }

    QRX571EditorPreset::Ptr preset = makeDefaultPreset();
    ControlArray controls, selected;
    ApplyToBanksComponent::Ptr banks;
    juce::ReferenceCountedArray<AutoPopulateParameterContainer> containers;
};

std::vector<int> withKept (std::vector<int> expected)
{
    for (auto& v : expected)
        v = v == keep ? before : v;
    return expected;
}

std::vector<int> run (int from, int to)
{
    std::vector<int> values;
    for (int v = from; v != to + (to >= from ? 1 : -1); v += (to >= from ? 1 : -1))
        values.push_back (v);
    return values;
}

std::vector<int> operator+ (std::vector<int> a, const std::vector<int>& b)
{
    a.insert (a.end(), b.begin(), b.end());
    return a;
}

std::vector<int> kept (int n) { return std::vector<int> (static_cast<size_t> (n), keep); }
} // namespace

TEST (AutoPopulateRows, BankTogglesSelectTheirBanksBankAFirstInPresetOrder)
{
    const struct
    {
        Kind kind;
        std::initializer_list<int> clicks;
        std::vector<int> expected;
    } cases[] = {
        { Kind::pads, {}, {} },
        { Kind::pads, { 2, 0 }, run (0, 15) + run (32, 47) },
        { Kind::pads, { 3 }, run (48, 63) },
        { Kind::pads, { 0, 2, 0 }, run (32, 47) }, // clicked off again
        { Kind::pads, { 3, 2, 1, 0 }, run (0, 63) },
        { Kind::knobs, { 1 }, run (4, 7) },
        { Kind::knobs, { 2, 0 }, run (0, 3) + run (8, 11) },
    };

    for (const auto& c : cases)
    {
        Bench bench (c.kind);
        bench.tick (c.clicks);
        std::vector<int> selected;
        for (auto* control : bench.selected)
            selected.push_back (bench.controls.indexOf (control));
        EXPECT_EQ (selected, c.expected) << "case " << (&c - cases);
    }
}

TEST (AutoPopulateRows, OrderRowRunsFromStartAndRangeTestDropsValuesOutside)
{
    const struct
    {
        Kind kind;
        const char* parameter;
        int start;
        const char* order;
        std::initializer_list<int> banks;
        std::vector<int> expected; // in selection order
    } cases[] = {
        { Kind::pads, "Program Number", 120, "ASCENDING", { 0 }, run (120, 127) + kept (8) },
        { Kind::pads, "Program Number", 36, "ASCENDING", { 0, 2 }, run (36, 67) },
        { Kind::pads, "Program Number", 10, "DESCENDING", { 3 }, run (10, 0) + kept (5) },
        { Kind::knobs, "CC Number", 5, "DESCENDING", { 0, 1, 2 }, run (5, 0) + kept (6) },
        { Kind::knobs, "CC Number", 0, "ASCENDING", {}, {} },
    };

    for (const auto& c : cases)
    {
        Bench bench (c.kind);
        bench.fill (c.parameter, before);
        AscendingOrDescendingAutoPopulateFunction::Ptr function =
            new AscendingOrDescendingAutoPopulateFunction (&bench.selected, c.parameter);
        function->start = c.start; // as the sub-mode's START box sets it
        auto& row = bench.add (createOrderParameter (function.get()));

        bench.applyRow (row, c.banks, c.order);

        EXPECT_EQ (bench.selectedValues (c.parameter, (int)c.expected.size()), withKept (c.expected))
            << "case " << (&c - cases);
        for (int i = 0; i < bench.controls.size(); ++i)
            if (! bench.selected.contains (bench.controls[i]))
                EXPECT_EQ (bench.value (i, c.parameter), before) << "unselected control " << i;
    }
}

TEST (AutoPopulateRows, ScaleRowWritesEachScaleFromTheRoot)
{
    const juce::StringArray scaleNames{ "CHROMATIC",      "MAJOR",      "MINOR",  "PHRYGIAN", "MELODIC MINOR",
                                        "HARMONIC MINOR", "MIXOLYDIAN", "LYDIAN", "DORIAN",   "LOCRIAN" };
    const struct
    {
        const char* scale;
        int root;
        std::initializer_list<int> banks;
        std::vector<int> expected;
    } cases[] = {
        { "CHROMATIC", 60, { 0 }, run (60, 67) },
        { "MAJOR", 60, { 0 }, { 60, 62, 64, 65, 67, 69, 71, 72, 74, 76, 77, 79, 81, 83, 84, 86 } },
        { "MINOR", 60, { 0 }, { 60, 62, 63, 65, 67, 68, 70, 72 } },
        { "PHRYGIAN", 60, { 0 }, { 60, 61, 63, 65, 67, 68, 70, 72 } },
        { "MELODIC MINOR", 60, { 0 }, { 60, 62, 63, 65, 67, 69, 71, 72 } },
        { "HARMONIC MINOR", 60, { 0 }, { 60, 62, 63, 65, 67, 68, 71, 72 } },
        { "MIXOLYDIAN", 60, { 0 }, { 60, 62, 64, 65, 67, 69, 70, 72 } },
        { "LYDIAN", 60, { 0 }, { 60, 62, 64, 66, 67, 69, 71, 72 } },
        { "DORIAN", 60, { 0 }, { 60, 62, 63, 65, 67, 69, 70, 72 } },
        { "LOCRIAN", 60, { 0 }, { 60, 61, 63, 65, 66, 68, 70, 72 } },
        { "CHROMATIC", 100, { 0, 1 }, run (100, 127) + kept (4) },
        { "MAJOR", 120, { 0 }, { 120, 122, 124, 125, 127, keep, keep, keep } },
    };

    for (const auto& c : cases)
    {
        Bench bench (Kind::pads);
        bench.fill ("MIDI Note", before);
        NoteScaleAutoPopulateFunction::Ptr function =
            new NoteScaleAutoPopulateFunction (&bench.selected, "MIDI Note");
        function->start = c.root;
        auto& row = bench.add (createParameter (
            function.get(), new ComboBoxParameterComponent (makeComboBox ("SCALE", scaleNames, nullptr), -1),
            true));

        bench.applyRow (row, c.banks, c.scale);

        EXPECT_EQ (bench.selectedValues ("MIDI Note", (int)c.expected.size()), withKept (c.expected))
            << c.scale << " from " << c.root;
    }
}

TEST (AutoPopulateRows, NrpnRunSplitsIntoMsbAndLsbAndSkipsValuesOutside14Bits)
{
    const struct
    {
        int start;
        const char* order;
        std::initializer_list<int> banks;
        std::vector<int> msb, lsb;
    } cases[] = {
        { 16380, "ASCENDING", { 0, 1, 2 }, std::vector<int> (4, 127) + kept (8), run (124, 127) + kept (8) },
        { 128, "DESCENDING", { 0 }, { 1, 0, 0, 0 }, { 0, 127, 126, 125 } },
        { 1, "DESCENDING", { 2 }, { 0, 0, keep, keep }, { 1, 0, keep, keep } },
    };

    for (const auto& c : cases)
    {
        Bench bench (Kind::knobs);
        bench.fill ("NRPN MSB", before);
        bench.fill ("NRPN LSB", before);
        SetNrpnMSBAndLSBFromValueAutoPopulateFunction::Ptr function =
            new SetNrpnMSBAndLSBFromValueAutoPopulateFunction (&bench.selected);
        function->start = c.start;
        auto& row = bench.add (createOrderParameter (function.get()));

        bench.applyRow (row, c.banks, c.order);

        EXPECT_EQ (bench.selectedValues ("NRPN MSB", (int)c.msb.size()), withKept (c.msb))
            << "from " << c.start;
        EXPECT_EQ (bench.selectedValues ("NRPN LSB", (int)c.lsb.size()), withKept (c.lsb))
            << "from " << c.start;
    }
}

TEST (AutoPopulateRows, ArgumentsWithoutAMeaningWriteNothing)
{
    Bench bench (Kind::knobs);
    bench.tick ({ 0 });
    bench.fill ("CC Number", before);
    bench.fill ("NRPN MSB", before);

    NoteScaleAutoPopulateFunction (&bench.selected, "CC Number").apply (10);
    SetNrpnMSBAndLSBFromValueAutoPopulateFunction (&bench.selected).apply (2);

    for (int i = 0; i < 4; ++i)
        EXPECT_EQ (std::make_pair (bench.value (i, "CC Number"), bench.value (i, "NRPN MSB")),
                   std::make_pair (before, before));
}

TEST (AutoPopulateRows, RowAppliesItsEditorOnlyWhenEnabled)
{
    const auto numberRow = [] (Bench& b, const char* parameter, int minimum, int maximum, int initial)
    {
        return createStaticParameter (&b.selected, parameter,
                                      new NumberBoxParameterComponent (
                                          new NumberBoxComponent<int> ("VALUE", minimum, maximum, initial)),
                                      false);
    };
    const struct
    {
        const char* what;
        std::function<AutoPopulateParameter::Ptr (Bench&)> make;
        const char* parameter;
        int presetValue;
        bool enable;
        std::function<void (AutoPopulateParameter&)> edit;
        int expected;
    } cases[] = {
        { "untouched chooser applies its first item",
          [] (Bench& b)
          {
              return createStaticParameter (&b.selected, "To MIDI Din",
                                            new ComboBoxParameterComponent (makeMidiToDinBox (nullptr), -1),
                                            false);
          },
          "To MIDI Din", 1, true, nullptr, 0 },
        { "untouched number box applies its initial value",
          [&] (Bench& b) { return numberRow (b, "Program MSB", 0, 127, 42); }, "Program MSB", 7, true,
          nullptr, 42 },
        { "number box set by the user", [&] (Bench& b) { return numberRow (b, "Program MSB", 0, 127, 0); },
          "Program MSB", 7, true,
          [] (AutoPopulateParameter& row)
          { aptest::numberBoxOf (row).setValue (64, juce::sendNotification); },
          64 },
        { "toggle off writes nothing",
          [] (Bench& b)
          {
              return createStaticParameter (&b.selected, "To MIDI Din",
                                            new ComboBoxParameterComponent (makeMidiToDinBox (nullptr), -1),
                                            false);
          },
          "To MIDI Din", 0, false,
          [] (AutoPopulateParameter& row) { aptest::pick (aptest::comboOf (row), "ON"); }, 0 },
        { "value outside the parameter's range is dropped",
          [&] (Bench& b) { return numberRow (b, "To MIDI Din", 0, 255, 255); }, "To MIDI Din", 1, true,
          nullptr, 1 },
        { "row without a function writes nothing",
          [] (Bench&) {
              return createParameter (nullptr,
                                      new ComboBoxParameterComponent (makeMidiToDinBox (nullptr), -1), false);
          },
          "To MIDI Din", 1, true, nullptr, 1 },
    };

    for (const auto& c : cases)
    {
        Bench bench (Kind::pads);
        bench.fill (c.parameter, c.presetValue);
        auto& row = bench.add (c.make (bench));
        bench.tick ({ 1 });
        if (c.enable)
            ASSERT_TRUE (aptest::click (aptest::enabledToggle (row)));
        if (c.edit)
            c.edit (row);
        bench.apply();

        for (int i = 16; i < 32; ++i)
            EXPECT_EQ (bench.value (i, c.parameter), c.expected) << c.what << ", pad " << i;
    }
}

TEST (AutoPopulateRows, OnlyTheApplyButtonReachesARowAndOnlyWhileItsContainerLives)
{
    const struct
    {
        const char* what;
        std::function<void (Bench&, AutoPopulateParameter&)> act;
        int expected;
    } cases[] = {
        { "another button",
          [] (Bench&, AutoPopulateParameter& row)
          {
              juce::TextButton other (EditorStrings::sendButton);
              row.buttonClicked (&other);
          },
          before },
        { "\"Apply\"", [] (Bench& b, AutoPopulateParameter&) { b.apply(); }, 0 },
        { "\"Apply\" after the container went, as in a sub-mode switch",
          [] (Bench& b, AutoPopulateParameter&)
          {
              b.containers.clear();
              b.apply();
          },
          before },
    };

    for (const auto& c : cases)
    {
        Bench bench (Kind::knobs);
        bench.fill ("CC Number", before);
        auto& row = bench.add (createStaticParameter (
            &bench.selected, "CC Number", new NumberBoxParameterComponent (makeMidiCcBox (nullptr)), false));
        bench.tick ({ 0 });
        ASSERT_TRUE (aptest::click (aptest::enabledToggle (row)));
        AutoPopulateParameter::Ptr keepRow (&row); // the row itself outlives its container
        c.act (bench, row);

        for (int i = 0; i < 4; ++i)
            EXPECT_EQ (bench.value (i, "CC Number"), c.expected) << c.what;
    }
}

TEST (AutoPopulateRows, RowsAndBankSelectorSitWhereTheToolPutsThem)
{
    Bench bench (Kind::pads);
    auto plain =
        createStaticParameter (&bench.selected, "MIDI Channel",
                               new ComboBoxParameterComponent (makeMidiChannelBox (nullptr), -1), false);
    auto indented = createOrderParameter (
        new AscendingOrDescendingAutoPopulateFunction (&bench.selected, "Program Number"));
    AutoPopulateParameterContainer column (rowsOf ({ plain.get(), indented.get() }), bench.banks);

    const struct
    {
        AutoPopulateParameter* row;
        juce::Rectangle<int> bounds;
        int toggleX;
    } rows[] = { { plain.get(), { 0, 0, 225, 18 }, 0 }, { indented.get(), { 0, 22, 185, 18 }, 10 } };

    for (const auto& r : rows)
    {
        EXPECT_EQ (r.row->getBounds(), r.bounds);
        EXPECT_EQ (aptest::enabledToggle (*r.row).getBounds(), juce::Rectangle<int> (r.toggleX, 0, 18, 17));
        EXPECT_EQ (r.row->getEditor()->getBounds(),
                   juce::Rectangle<int> (r.bounds.getWidth() - 100, 0, 100, 18));
        juce::Label* label = nullptr; // the row's own, not the chooser's inner one
        for (auto* l : aptest::findAll<juce::Label> (*r.row))
            label = l->getParentComponent() == r.row ? l : label;
        ASSERT_NE (label, nullptr);
        EXPECT_EQ (label->getText(), r.row->getEditor()->getName());
        EXPECT_EQ (label->getRight(), r.row->getEditor()->getX()); // on the editor's left
    }
    EXPECT_EQ (aptest::findRow (column, "ORDER"), indented.get());

    Bench knobs (Kind::knobs);
    const struct
    {
        Bench& bench;
        std::vector<int> toggleXs;
    } selectors[] = { { bench, { 26, 49, 72, 95 } }, { knobs, { 38, 61, 84 } } };

    for (const auto& s : selectors)
    {
        s.bench.banks->setBounds (0, 0, 140, 200);
        std::vector<int> xs;
        for (auto* toggle : aptest::findAll<ImageToggleButton> (*s.bench.banks))
        {
            EXPECT_EQ (toggle->getY(), 30);
            EXPECT_EQ (toggle->getWidth(), 18);
            xs.push_back (toggle->getX());
        }
        EXPECT_EQ (xs, s.toggleXs);
        EXPECT_EQ (aptest::find (*s.bench.banks, EditorStrings::applyButton)->getBounds(),
                   juce::Rectangle<int> (22, 60, 96, 25));
    }
}
