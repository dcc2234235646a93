// The window of one open preset: the editor surface under the menu bar, the preset's file and
// title, the save question, and the preset's own Send Preset and Auto Populate Tool windows.
#pragma once

#include "app/desktop/WindowWithKeyboardFocus.h"
#include "midi/QRX5EditorEngine.h"
#include "model/QRX5EditorPreset.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <memory>

class AutoPopToolWindow;
class MainContentComponent;
class SendPresetWindow;

class MainWindow : public WindowWithKeyboardFocus<juce::DocumentWindow>,
                   public juce::ApplicationCommandTarget,
                   public juce::ReferenceCountedObject
{
public:
    using Ptr = juce::ReferenceCountedObjectPtr<MainWindow>;

    // title: an absolute path of the preset's file, or a name such as "Untitled 1". The menu
    // bar, when given, sits above the surface, which keeps its full size.
    MainWindow (MainContentComponent* content, QRX5EditorPreset::Ptr preset, QRX5EditorEngine::Ptr engine,
                const juce::String& title, juce::MenuBarModel* menuBar = nullptr);
    ~MainWindow() override;

    void closeButtonPressed() override;
    void getAllCommands (juce::Array<juce::CommandID>& commands) override;
    void getCommandInfo (juce::CommandID commandID, juce::ApplicationCommandInfo& result) override;
    bool perform (const InvocationInfo& info) override;
    juce::ApplicationCommandTarget* getNextCommandTarget() override;

    // Brings the window to the front and asks "Save Document" with Yes, No and Cancel; false
    // means Cancel. Yes with a chooser that is then cancelled, or with a write that fails, counts
    // as Cancel, so nothing unsaved is ever thrown away. While the question is open a second one
    // for this window is not asked: it answers Cancel at once and the open question decides.
    // While the window's Save As is up nothing is asked: its box comes forward, and the answer
    // is Cancel.
    bool confirmSave();

    // Each answers whether the preset was written: false when the chooser was cancelled, or the
    // write failed ("Error Saving File." shows at once, and the window keeps its file and title).
    bool save();
    bool saveAs();

    void closeWindow();
    // Whether the application has let go of this window. Whatever waited in a modal loop, with
    // the window kept alive meanwhile, stops when it finds its window closed.
    bool isClosed() const;

    // Loads the file into this window's preset, asking first when the preset was edited.
    void openFile (const juce::File& file);

    void sendToHardware();
    void openAutoPopulateTool();

    juce::String getFilePath() const { return filePath; }
    juce::String getFileName() const { return fileName; }
    QRX5EditorPreset::Ptr getPreset() const { return preset; }
    SendPresetWindow* getSendPresetWindow() const { return sendPresetWindow.get(); }
    AutoPopToolWindow* getAutoPopToolWindow() const { return autoPopWindow.get(); }

private:
    bool isModified();
    void showTitle (const juce::String& name);
    bool write (const juce::File& file);

    juce::ReferenceCountedObjectPtr<SendPresetWindow> sendPresetWindow;
    juce::String filePath;
    juce::String fileName;
    QRX5EditorPreset::Ptr preset;
    QRX5EditorEngine::Ptr engine;
    std::unique_ptr<AutoPopToolWindow> autoPopWindow;
    bool asking = false;   // the save question is open
    bool savingAs = false; // its Save As chooser, or the overwrite question after it, is up

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (MainWindow)
};
