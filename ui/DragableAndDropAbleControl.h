// The drag-and-drop part of a control view: dragging the view carries its control, dropping
// another control view on it copies that control's settings here, and listeners hear (through
// the notification queue) when a drag of this view starts and ends.
#pragma once

#include "model/QueueASyncUpdater.h"
#include "ui/ControlView.h"
#include "ui/KeyKeepingDragContainer.h"

#include <juce_gui_basics/juce_gui_basics.h>

class DragableAndDropAbleControl : public virtual KeyKeepingDragContainer,
                                   public juce::DragAndDropTarget,
                                   public juce::MouseListener,
                                   public virtual juce::ReferenceCountedObject,
                                   public QueueASyncUpdater
{
public:
    class Listener
    {
    public:
        virtual void controlDragStateChanged (ControlView::Ptr view, bool dragging) = 0;
        virtual ~Listener() = default;
    };

    class DragStateChangedUpdater;

    // The description every control drag carries.
    static const juce::String dragDescription;

    // Holds a counted reference to the view, which contains this part, until releaseComponent.
    explicit DragableAndDropAbleControl (ControlView::Ptr view);
    ~DragableAndDropAbleControl() override;

    bool isInterestedInDragSource (const SourceDetails& details) override;
    void itemDropped (const SourceDetails& details) override;
    void mouseDrag (const juce::MouseEvent& event) override;
    void mouseUp (const juce::MouseEvent& event) override;
    virtual void addListener (Listener* listener);
    virtual void removeListener (Listener* listener);

    // Drops the view's reference to itself, so that it is freed with its last outside reference.
    void releaseComponent();

    bool isDragging() const { return dragging; }

private:
    void setDragState();

    ControlView::Ptr view;
    bool dragging = false;
    bool dragAnnounced = false; // listeners were told that the current drag began
    juce::Array<Listener*> listeners;

    // The view as a component, to stop listening to its mouse when this part goes.
    juce::Component::SafePointer<juce::Component> viewComponent;

    JUCE_DECLARE_NON_COPYABLE (DragableAndDropAbleControl)
};

// Tells every listener, last added first, of one change of a view's drag state.
class DragableAndDropAbleControl::DragStateChangedUpdater : public ListenerUpdater
{
public:
    DragStateChangedUpdater (juce::Array<Listener*>* listeners, ControlView::Ptr view, bool dragging);

    void update() override;

private:
    juce::Array<Listener*>* listeners;
    ControlView::Ptr view;
    bool dragging;
};
