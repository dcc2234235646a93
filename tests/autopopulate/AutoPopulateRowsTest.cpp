// Rows, bank selection and the run functions, put together the way a panel does and driven
// as the user drives them: bank toggles and "Enabled" toggles clicked, choosers picked,
// number boxes set, "Apply" clicked.
#include "autopopulate/AutoPopulateParameterContainer.h"
#include "autopopulate/AutoPopulateTestSupport.h"
#include "model/DefaultPreset.h"
#include "model/Scales.h"
#include "ui/EditorStrings.h"
#include "ui/ImageButtonFactories.h"
#include "ui/WidgetFactories.h"

#include <gtest/gtest.h>

namespace
{
constexpr int before = 99, keep = before; // the value a control had before "Apply", and keeps

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
            if (toggles.size() < (pads ? 4 : 3))
            {
                toggles.add (nullptr);
                maker (toggles.getReference (toggles.size() - 1));
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
        juce::ReferenceCountedArray<AutoPopulateParameter> rows;
        rows.add (row.get());
        containers.add (new AutoPopulateParameterContainer (rows, banks));
        return *row;
    }

    void tick (const std::vector<int>& bankIndices)
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
    void applyRow (AutoPopulateParameter& row, const std::vector<int>& bankIndices, const juce::String& item)
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

        EXPECT_EQ (bench.selectedValues (c.parameter, (int)c.expected.size()), c.expected)
            << "case " << (&c - cases);
        for (int i = 0; i < bench.controls.size(); ++i)
            EXPECT_TRUE (bench.selected.contains (bench.controls[i]) ||
                         bench.value (i, c.parameter) == before)
                << "unselected control " << i;
    }
}

// Each chooser item reaches its own scale (whose steps the model's tests check) and the run
// stops at 127.
TEST (AutoPopulateRows, ScaleRowWritesEachScaleFromTheRoot)
{
    const std::pair<const char*, juce::uint8 (*) (int, juce::uint8)> scales[] = {
        { "MAJOR", majorScaleNote },
        { "MINOR", minorScaleNote },
        { "PHRYGIAN", phrygianScaleNote },
        { "MELODIC MINOR", melodicMinorScaleNote },
        { "HARMONIC MINOR", harmonicMinorScaleNote },
        { "MIXOLYDIAN", mixolydianScaleNote },
        { "LYDIAN", lydianScaleNote },
        { "DORIAN", dorianScaleNote },
        { "LOCRIAN", locrianScaleNote },
    };
    juce::StringArray scaleNames ("CHROMATIC");
    struct Case
    {
        juce::String scale;
        int root;
        std::vector<int> banks;
        std::vector<int> expected;
    };
    std::vector<Case> cases = { { "CHROMATIC", 100, { 0, 1 }, run (100, 127) + kept (4) },
                                { "MAJOR", 120, { 0 }, { 120, 122, 124, 125, 127, keep, keep, keep } } };
    for (auto [name, note] : scales)
    {
        scaleNames.add (name);
        cases.push_back ({ name, 60, { 0 }, {} });
        for (int degree = 0; degree < 16; ++degree)
            cases.back().expected.push_back (note (60, (juce::uint8)degree));
    }

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

        EXPECT_EQ (bench.selectedValues ("MIDI Note", (int)c.expected.size()), c.expected)
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

        EXPECT_EQ (bench.selectedValues ("NRPN MSB", (int)c.msb.size()), c.msb) << "from " << c.start;
        EXPECT_EQ (bench.selectedValues ("NRPN LSB", (int)c.lsb.size()), c.lsb) << "from " << c.start;
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
    using Make = std::function<AutoPopulateParameter::Ptr (Bench&)>;
    const auto numberRow = [] (const char* parameter, int maximum, int initial) -> Make
    {
        return [=] (Bench& b)
        {
            auto* box = new NumberBoxComponent<int> ("VALUE", 0, maximum, initial);
            return createStaticParameter (&b.selected, parameter, new NumberBoxParameterComponent (box),
                                          false);
        };
    };
    const auto dinRow = [] (bool withFunction) -> Make
    {
        return [=] (Bench& b)
        {
            auto* editor = new ComboBoxParameterComponent (makeMidiToDinBox (nullptr), -1);
            return withFunction ? createStaticParameter (&b.selected, "To MIDI Din", editor, false)
                                : createParameter (nullptr, editor, false);
        };
    };
    const struct
    {
        const char* what;
        Make make;
        const char* parameter;
        int presetValue;
        bool enable;
        std::function<void (AutoPopulateParameter&)> edit;
        int expected;
    } cases[] = {
        { "untouched chooser applies its first item", dinRow (true), "To MIDI Din", 1, true, nullptr, 0 },
        { "untouched number box applies its initial value", numberRow ("Program MSB", 127, 42), "Program MSB",
          7, true, nullptr, 42 },
        { "number box set by the user", numberRow ("Program MSB", 127, 0), "Program MSB", 7, true,
          [] (auto& row) { aptest::numberBoxOf (row).setValue (64, juce::sendNotification); }, 64 },
        { "toggle off writes nothing", dinRow (true), "To MIDI Din", 0, false,
          [] (auto& row) { aptest::pick (aptest::comboOf (row), "ON"); }, 0 },
        { "value outside the parameter's range is dropped", numberRow ("To MIDI Din", 255, 255),
          "To MIDI Din", 1, true, nullptr, 1 },
        { "row without a function writes nothing", dinRow (false), "To MIDI Din", 1, true, nullptr, 1 },
    };

    for (const auto& c : cases)
    {
        Bench bench (Kind::pads);
        bench.fill (c.parameter, c.presetValue);
        auto& row = bench.add (c.make (bench));
        bench.tick ({ 1 });
        ASSERT_TRUE (! c.enable || aptest::click (aptest::enabledToggle (row)));
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
