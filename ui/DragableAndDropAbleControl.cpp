#include "ui/DragableAndDropAbleControl.h"

#include "app/QRX5EditorApplication.h"

const juce::String DragableAndDropAbleControl::dragDescription{ "Drag Drop Component" };

DragableAndDropAbleControl::DragableAndDropAbleControl (ControlView::Ptr viewToWrap)
    : view (viewToWrap)
    , viewComponent (viewToWrap.get())
{
    if (view != nullptr)
        view->addMouseListener (this, false);
}

DragableAndDropAbleControl::~DragableAndDropAbleControl()
{
    if (auto* component = viewComponent.getComponent())
        component->removeMouseListener (this);
}

bool DragableAndDropAbleControl::isInterestedInDragSource (const SourceDetails&) { return true; }

void DragableAndDropAbleControl::itemDropped (const SourceDetails& details)
{
    auto* source = dynamic_cast<ControlView*> (details.sourceComponent.get());

    if (source == nullptr)
        return;

    // The target is the view this part sits in, whether or not it is still held.
    auto* target = dynamic_cast<ControlView*> (this);

    if (target == nullptr)
        return;

    auto* app = QRX5EditorApplication::getApp();

    if (app == nullptr)
        return;

    if (auto engine = app->getEngine())
        engine->copyControlData (source->getControl(), target->getControl());
}

void DragableAndDropAbleControl::mouseDrag (const juce::MouseEvent&)
{
    dragging = true;

    if (view != nullptr)
    {
        startDragging (dragDescription, view.get(), juce::ScaledImage(), true, nullptr);
        setDragState();
    }
}

void DragableAndDropAbleControl::mouseUp (const juce::MouseEvent&)
{
    if (! dragging)
        return;

    dragging = false;

    // A listener told that this drag began hears that it ended, even when the view was released
    // meanwhile (its bank rebuilt under the drag); otherwise it would wait for the end forever.
    if (view != nullptr || dragAnnounced)
        setDragState();
}

void DragableAndDropAbleControl::addListener (Listener* listener)
{
    if (listener != nullptr)
        listeners.addIfNotAlreadyThere (listener);
}

void DragableAndDropAbleControl::removeListener (Listener* listener)
{
    listeners.removeFirstMatchingValue (listener);
}

void DragableAndDropAbleControl::releaseComponent()
{
    // May free this very object: nothing is touched after the reference goes.
    view = nullptr;
}

void DragableAndDropAbleControl::setDragState()
{
    // After releaseComponent the view is reached through this part; whoever still calls in on
    // it (the mouse, an owner waiting for the drag to end) holds it.
    ControlView::Ptr self = view != nullptr ? view.get() : dynamic_cast<ControlView*> (this);
    dragAnnounced = dragging;
    queue (new DragStateChangedUpdater (&listeners, self, dragging), juce::sendNotificationAsync);
}

DragableAndDropAbleControl::DragStateChangedUpdater::DragStateChangedUpdater (
    juce::Array<Listener*>* listenersToCall, ControlView::Ptr viewThatChanged, bool isDragging)
    : listeners (listenersToCall)
    , view (viewThatChanged)
    , dragging (isDragging)
{
}

void DragableAndDropAbleControl::DragStateChangedUpdater::update()
{
    // A listener may remove itself while being told.
    for (int i = listeners->size(); --i >= 0;)
        if (auto* listener = (*listeners)[i])
            listener->controlDragStateChanged (view, dragging);
}
