// What one "Apply" of the auto-populate tool costs when everything is switched on: every row
// of every panel enabled, every bank ticked, all four panels applied, until an editor surface
// over the same preset has heard of every change.
#include "WindowBenchmarkSupport.h"

#include "autopopulate/AutoPopulateTestSupport.h"

#include "app/MainContentComponent.h"
#include "autopopulate/AutoPopulateParameter.h"
#include "autopopulate/QRX571AutoPopulateComponent.h"
#include "model/DefaultPreset.h"
#include "ui/EditorPictures.h"
#include "ui/EditorStrings.h"

#include <benchmark/benchmark.h>

#include <numeric>

namespace
{
// Handles everything posted so far, and everything that posts in turn.
void settle()
{
    for (int round = 0; round < 2; ++round)
    {
        bool done = false;
        juce::MessageManager::callAsync ([&done] { done = true; });
        windowbench::runUntil ([&done] { return done; });
    }
}

// Moves every editor but the TYPE choosers `step` away from where it starts, as the user would.
void moveEditors (juce::Component& tool, int step)
{
    for (auto* row : aptest::findAll<AutoPopulateParameter> (tool))
    {
        if (row->getEditor()->getName() == "TYPE")
            continue;
        if (auto* combo = dynamic_cast<ComboBoxParameterComponent*> (row->getEditor()))
            combo->getComboBox().setSelectedId (juce::jmin (1 + step, combo->getComboBox().getNumItems()),
                                                juce::sendNotificationSync);
        if (auto* number = dynamic_cast<NumberBoxParameterComponent*> (row->getEditor()))
            number->getNumberBox().setValue (number->getNumberBox().getMinimum() + step,
                                             juce::sendNotification);
    }
    for (auto* box : aptest::findAll<NumberBoxComponent<int>> (tool))
        if (box->findParentComponentOfClass<AutoPopulateParameter>() == nullptr && box->getName() != "MSB" &&
            box->getName() != "LSB")
            box->setValue (step, juce::sendNotification);
}

void applyEverything (benchmark::State& state)
{
    auto app = TestApplication::make();
    auto preset = makeDefaultPreset();
    MainContentComponent surface (preset, EditorPictures::editorBackground());
    QRX571AutoPopulateComponent tool (preset);
    settle(); // the panels build their first sub-modes

    juce::Array<juce::Button*> applyButtons;
    int rows = 0;
    for (auto* button : aptest::findAll<juce::Button> (tool))
    {
        const auto name = button->getName();
        if (name == EditorStrings::applyButton)
            applyButtons.add (button);
        else if (! button->getToggleState() && (name == "Enabled" || name.startsWith ("Bank")))
        {
            button->setToggleState (true, juce::sendNotificationSync); // as a click does
            rows += name == "Enabled" ? 1 : 0;
        }
    }

    // The state every timed "Apply" starts from: everything written with other editor values.
    moveEditors (tool, 3);
    for (auto* button : applyButtons)
        button->triggerClick();
    settle();
    const auto image = preset->getData();
    moveEditors (tool, 0);

    for (auto _ : state)
    {
        state.PauseTiming();
        preset->setFromData (image); // so that every iteration changes the values again
        settle();
        state.ResumeTiming();

        for (auto* button : applyButtons)
            button->triggerClick();
        settle();
    }
    const auto written = preset->getData();
    state.counters["changed_bytes"] = (double)std::inner_product (image.begin(), image.end(), written.begin(),
                                                                  0, std::plus<>(), std::not_equal_to<>());
    state.counters["rows"] = rows;
    state.counters["panels"] = applyButtons.size();
}
} // namespace

BENCHMARK (applyEverything)->Unit (benchmark::kMillisecond);
