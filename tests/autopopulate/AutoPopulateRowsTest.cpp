// Rows and bank selection put together the way a panel does and driven as the user drives them:
// bank toggles and "Enabled" toggles clicked, "Apply" clicked. (What each panel's rows write is
// the panel tests'; each scale, the tool's.)
#include "autopopulate/AutoPopulateParameterContainer.h"
#include "autopopulate/AutoPopulateTestSupport.h"
#include "model/DefaultPreset.h"
#include "ui/EditorStrings.h"
#include "ui/ImageButtonFactories.h"

#include <gtest/gtest.h>

namespace
{
constexpr int before = 99; // the value a control had before "Apply", and keeps

// One panel's worth of pieces over the pads (four banks) or the knobs (three) of a default preset.
struct Bench
{
    explicit Bench (bool pads)
    {
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

    // Ticks the banks, enables the row (in a container of its own, as a sub-mode holds its
    // rows) and clicks "Apply".
    void applyRow (AutoPopulateParameter::Ptr row, std::initializer_list<int> bankIndices)
    {
        juce::ReferenceCountedArray<AutoPopulateParameter> rows;
        rows.add (row);
        container = new AutoPopulateParameterContainer (rows, banks);
        tick (bankIndices);
        ASSERT_TRUE (aptest::click (aptest::enabledToggle (*row)));
        ASSERT_TRUE (aptest::click (*aptest::find<juce::Button> (*banks, EditorStrings::applyButton)));
    }

    void tick (std::initializer_list<int> bankIndices)
    {
        const juce::String names[] = { EditorStrings::bankAButton, EditorStrings::bankBButton,
                                       EditorStrings::bankCButton, EditorStrings::bankDButton };
        for (auto bank : bankIndices)
            ASSERT_TRUE (aptest::click (*aptest::find<juce::Button> (*banks, names[bank])));
    }

    std::vector<int> values (const juce::String& name, int from, int count) const
    {
        std::vector<int> out;
        for (int i = from; i < from + count; ++i)
            out.push_back (controls[i]->getParameterValue (name).getValue());
        return out;
    }

    QRX571EditorPreset::Ptr preset = makeDefaultPreset();
    ControlArray controls, selected;
    ApplyToBanksComponent::Ptr banks;
    AutoPopulateParameterContainer::Ptr container;
};

std::vector<int> run (int from, int to)
{
    std::vector<int> values;
    for (int v = from; v <= to; ++v)
        values.push_back (v);
    return values;
}

std::vector<int> operator+ (std::vector<int> a, const std::vector<int>& b)
{
    a.insert (a.end(), b.begin(), b.end());
    return a;
}
} // namespace

// Whatever order the banks are clicked in, bank A comes first; a second click takes a bank off.
TEST (AutoPopulateRows, BankTogglesSelectTheirBanksBankAFirstInPresetOrder)
{
    const struct
    {
        bool pads;
        std::initializer_list<int> clicks;
        std::vector<int> expected;
    } cases[] = {
        { true, {}, {} },
        { true, { 2, 0 }, run (0, 15) + run (32, 47) },
        { true, { 0, 2, 0 }, run (32, 47) },
        { true, { 3, 2, 1, 0 }, run (0, 63) },
        { false, { 2, 0 }, run (0, 3) + run (8, 11) },
    };

    for (const auto& c : cases)
    {
        Bench bench (c.pads);
        bench.tick (c.clicks);
        std::vector<int> selected;
        for (auto* control : bench.selected)
            selected.push_back (bench.controls.indexOf (control));
        EXPECT_EQ (selected, c.expected) << "case " << (&c - cases);
    }
}

// A scale or order index past the list, or a row's number outside its parameter's range.
TEST (AutoPopulateRows, ArgumentsWithoutAMeaningWriteNothing)
{
    Bench bench (false);
    bench.fill ("CC Number", before);
    bench.fill ("NRPN MSB", before);
    bench.fill ("To MIDI DIN", 1);
    bench.applyRow (createStaticParameter (
                        &bench.selected, "To MIDI DIN",
                        new NumberBoxParameterComponent (new NumberBoxComponent<int> ("VALUE", 0, 255, 255)),
                        false),
                    { 0 });

    NoteScaleAutoPopulateFunction (&bench.selected, "CC Number").apply (10);
    SetNrpnMSBAndLSBFromValueAutoPopulateFunction (&bench.selected).apply (2);

    EXPECT_EQ (bench.values ("CC Number", 0, 4) + bench.values ("NRPN MSB", 0, 4),
               std::vector<int> (8, before));
    EXPECT_EQ (bench.values ("To MIDI DIN", 0, 4), std::vector<int> (4, 1));
}
