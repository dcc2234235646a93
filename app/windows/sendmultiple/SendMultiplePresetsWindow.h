// Fills the device's 21 preset locations in one go. Rows are filled by dropping preset files or
// folders on them, by browsing for one file, or by dropping a main window's preset; a reader
// with a worker thread reads the files so that reading many keeps the window responsive. Send
// sends every filled row; when the device has acknowledged each of them the window says so and
// closes.
//
// While the worker reads, Send, the rows' buttons and their drop targets are off, until the
// worker has read its last file; while a batch is being sent the rows stay off too, so what the
// window reports sent is what the rows show. Everything here is the message thread's.
#pragma once

#include "app/desktop/PresetFileChooser.h"
#include "app/desktop/WindowWithKeyboardFocus.h"
#include "app/windows/sendmultiple/SendMultiplePresetsComponent.h"
#include "app/windows/sendmultiple/SendMultiplePresetsReader.h"
#include "midi/QRX5EditorEngine.h"

#include <map>
#include <memory>

class SendMultiplePresetsWindow : public WindowWithKeyboardFocus<juce::DocumentWindow>,
                                  public juce::ReferenceCountedObject,
                                  public juce::Button::Listener,
                                  public juce::MessageListener,
                                  public QRX5EditorEngine::Listener
{
public:
    using Ptr = juce::ReferenceCountedObjectPtr<SendMultiplePresetsWindow>;

    class PresetListBoxModel;

    // On the desktop but not yet visible.
    SendMultiplePresetsWindow();
    ~SendMultiplePresetsWindow() override;

    // Empties every row and drops whatever is still being read; the application calls it on
    // every show.
    void resetSlots();
    // Deletes the list and then its model; the application calls it before letting go.
    void releaseContent();

    // Hands paths (preset files or folders) to the worker; the first file read fills startRow.
    void queueFiles (const juce::StringArray& paths, int startRow);
    void storePresetInSlot (QRX5EditorPreset::Ptr preset, int row);
    // Fills a row with a snapshot of a main window's preset.
    void dropPresetOnSlot (QRX5EditorPreset::Ptr preset, int row);
    void browseForSlotFile (int row);
    // Makes the row send the default preset.
    void clearSlot (int row);
    void sendAll();

    // From a drop or a chosen file until every file is read and its row filled.
    bool isReading() const { return reading; }
    // From a Send click until every send it made is answered.
    bool isSending() const;
    bool canChangeRows() const { return ! isReading() && ! isSending(); }
    juce::String getRowName (int row) const;
    QRX5EditorPreset::Ptr getSlotPreset (int row) const;
    SendMultiplePresetsComponent* getContent() { return content.get(); }

    void buttonClicked (juce::Button* button) override;
    void sendPresetResult (QRX5EditorPreset::Ptr preset, int result) override;
    void requestPresetResult (int result) override;
    void openPresetFileResult (int result) override;
    void savePresetFileResult (int result) override;
    void handleMessage (const juce::Message& message) override;
    void closeButtonPressed() override;

private:
    void notifyMessageThread() { postMessage (new juce::Message()); }
    // The row shows the preset's own name, not the file's; false for no preset or no row.
    bool fillSlot (QRX5EditorPreset::Ptr preset, int row);
    // Takes what the reader has read and shows the reading state.
    void refresh();
    std::unique_ptr<SendMultiplePresetsReader> makeReader();

    std::unique_ptr<PresetListBoxModel> model;
    std::unique_ptr<SendMultiplePresetsComponent> content;
    std::unique_ptr<SendMultiplePresetsReader> reader;
    bool reading = false;

    std::map<int, QRX5EditorPreset::Ptr> slots;
    juce::StringArray rowNames;

    // Every send still waiting for its answer, those of them sent before the last Send click, and
    // the last click's sends not yet acknowledged. A preset sent twice is listed twice.
    juce::ReferenceCountedArray<QRX5EditorPreset> unanswered, earlierRounds, unacknowledged;
    std::unique_ptr<PresetFileChooser> chooser;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (SendMultiplePresetsWindow)
};
