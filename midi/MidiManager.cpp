#include "midi/MidiManager.h"

#include "midi/SystemMidiPortLayer.h"

#include <algorithm>

// Gathers port names on the message thread and hands them to every listener later, in one call
// however many polls added to them in between.
class MidiManager::DeviceEventUpdater : public juce::AsyncUpdater
{
public:
    explicit DeviceEventUpdater (MidiManager& m)
        : manager (m)
    {
    }
    ~DeviceEventUpdater() override { cancelPendingUpdate(); }

    void addName (const juce::String& name)
    {
        names.add (name);
        triggerAsyncUpdate();
    }

    void handleAsyncUpdate() override
    {
        // Cleared before the calls, so names a listener's call causes are kept for the next update.
        const auto delivered = names;
        names.clear();

        const auto list = manager.getListeners();
        for (auto it = list->rbegin(); it != list->rend(); ++it)
            notify (**it, delivered);
    }

protected:
    virtual void notify (Listener& listener, const juce::StringArray& delivered) = 0;

private:
    MidiManager& manager;
    juce::StringArray names;
};

class MidiManager::MidiInputDeviceDisconnectUpdater : public DeviceEventUpdater
{
public:
    using DeviceEventUpdater::DeviceEventUpdater;
    void notify (Listener& l, const juce::StringArray& n) override { l.inputDevicesDisconnected (n); }
};

class MidiManager::MidiOutputDeviceDisconnectUpdater : public DeviceEventUpdater
{
public:
    using DeviceEventUpdater::DeviceEventUpdater;
    void notify (Listener& l, const juce::StringArray& n) override { l.outputDevicesDisconnected (n); }
};

class MidiManager::MidiInputDeviceReconnectUpdater : public DeviceEventUpdater
{
public:
    using DeviceEventUpdater::DeviceEventUpdater;
    void notify (Listener& l, const juce::StringArray& n) override { l.inputDevicesReconnected (n); }
};

class MidiManager::MidiOutputDeviceReconnectUpdater : public DeviceEventUpdater
{
public:
    using DeviceEventUpdater::DeviceEventUpdater;
    void notify (Listener& l, const juce::StringArray& n) override { l.outputDevicesReconnected (n); }
};

//==============================================================================
MidiManager::MidiManager()
    : MidiManager (std::make_shared<SystemMidiPortLayer>())
{
}

MidiManager::MidiManager (std::shared_ptr<MidiPortLayer> portLayer)
    : layer (std::move (portLayer))
    , inputDisconnectUpdater (std::make_unique<MidiInputDeviceDisconnectUpdater> (*this))
    , outputDisconnectUpdater (std::make_unique<MidiOutputDeviceDisconnectUpdater> (*this))
    , inputReconnectUpdater (std::make_unique<MidiInputDeviceReconnectUpdater> (*this))
    , outputReconnectUpdater (std::make_unique<MidiOutputDeviceReconnectUpdater> (*this))
    , listeners (std::make_shared<const ListenerList>())
{
    jassert (layer != nullptr);
    startTimer (50);
}

MidiManager::~MidiManager()
{
    stopTimer();

    for (auto* updater : { inputDisconnectUpdater.get(), outputDisconnectUpdater.get(),
                           inputReconnectUpdater.get(), outputReconnectUpdater.get() })
        updater->cancelPendingUpdate();

    inputDisconnectUpdater.reset();
    outputDisconnectUpdater.reset();
    inputReconnectUpdater.reset();
    outputReconnectUpdater.reset();

    closeAllOutputs();
    closeAllInputs();

    const juce::SpinLock::ScopedLockType sl (listenersLock);
    listeners = std::make_shared<const ListenerList>();
}

//==============================================================================
void MidiManager::openInputDevice (const juce::String& name)
{
    if (isInputOpen (name))
        return;

    const auto names = layer->getInputNames();

    for (int i = 0; i < names.size(); ++i)
    {
        if (names[i] != name)
            continue;

        try
        {
            auto port = layer->openInput (i, *this);

            // The list may have changed since it was taken: only a port of this name will do.
            if (port == nullptr || port->getName() != name)
                continue;

            port->start();

            const juce::ScopedLock sl (lock);
            openInputs.add (port.release());
        }
        catch (const std::exception&)
        {
            // A port the driver refuses is simply not open.
        }
    }
}

void MidiManager::openOutputDevice (const juce::String& name)
{
    if (isOutputOpen (name))
        return;

    const auto names = layer->getOutputNames();

    for (int i = 0; i < names.size(); ++i)
    {
        if (names[i] != name)
            continue;

        try
        {
            auto port = layer->openOutput (i);

            if (port == nullptr || port->getName() != name)
                continue;

            const juce::ScopedLock sl (lock);
            openOutputs.push_back ({ name, std::move (port) });
        }
        catch (const std::exception&)
        {
        }
    }
}

// Ports are taken out of the arrays under the lock but stopped and deleted after it is released:
// stopping an input waits for its delivery in progress, which may itself be sending through here.
void MidiManager::closeInputDevice (const juce::String& name)
{
    juce::OwnedArray<MidiInputPort> closing;
    {
        const juce::ScopedLock sl (lock);

        for (int i = openInputs.size(); --i >= 0;)
            if (openInputs.getUnchecked (i)->getName() == name)
                closing.add (openInputs.removeAndReturn (i));
    }

    for (auto* port : closing)
        port->stop();
}

void MidiManager::closeOutputDevice (const juce::String& name)
{
    std::vector<OpenOutput> closing;
    {
        const juce::ScopedLock sl (lock);

        auto firstClosed = std::stable_partition (openOutputs.begin(), openOutputs.end(),
                                                  [&] (const OpenOutput& o) { return o.name != name; });
        std::move (firstClosed, openOutputs.end(), std::back_inserter (closing));
        openOutputs.erase (firstClosed, openOutputs.end());
    }
}

void MidiManager::closeAllInputs()
{
    juce::OwnedArray<MidiInputPort> closing;
    {
        const juce::ScopedLock sl (lock);
        closing.swapWith (openInputs);
    }

    for (auto* port : closing)
        port->stop();
}

void MidiManager::closeAllOutputs()
{
    std::vector<OpenOutput> closing;
    {
        const juce::ScopedLock sl (lock);
        closing.swap (openOutputs);
    }
}

//==============================================================================
bool MidiManager::isInputOpen (const juce::String& name) const
{
    const juce::ScopedLock sl (lock);
    return std::any_of (openInputs.begin(), openInputs.end(), [&] (auto* p) { return p->getName() == name; });
}

bool MidiManager::isOutputOpen (const juce::String& name) const
{
    const juce::ScopedLock sl (lock);
    return std::any_of (openOutputs.begin(), openOutputs.end(), [&] (auto& o) { return o.name == name; });
}

bool MidiManager::isInputDeviceAvailable (const juce::String& name)
{
    return layer->getInputNames().contains (name);
}

bool MidiManager::isOutputDeviceAvailable (const juce::String& name)
{
    return layer->getOutputNames().contains (name);
}

juce::StringArray MidiManager::getAvailableInputNames() { return layer->getInputNames(); }

juce::StringArray MidiManager::getAvailableOutputNames() { return layer->getOutputNames(); }

int MidiManager::getNumOpenInputs() const
{
    const juce::ScopedLock sl (lock);
    return openInputs.size();
}

int MidiManager::getNumOpenOutputs() const
{
    const juce::ScopedLock sl (lock);
    return (int)openOutputs.size();
}

juce::StringArray MidiManager::getOpenInputNames() const
{
    const juce::ScopedLock sl (lock);
    juce::StringArray names;

    for (auto* port : openInputs)
        names.add (port->getName());

    return names;
}

juce::StringArray MidiManager::getOpenOutputNames() const
{
    const juce::ScopedLock sl (lock);
    juce::StringArray names;

    for (auto& output : openOutputs)
        names.add (output.name);

    return names;
}

//==============================================================================
void MidiManager::sendMessageToAllOutputs (const juce::MidiMessage& message)
{
    const juce::ScopedLock sl (lock);

    for (auto& output : openOutputs)
        output.port->sendMessageNow (message);
}

void MidiManager::addListener (Listener* listener)
{
    if (listener == nullptr)
        return;

    const juce::SpinLock::ScopedLockType sl (listenersLock);

    if (std::find (listeners->begin(), listeners->end(), listener) != listeners->end())
        return;

    auto extended = std::make_shared<ListenerList> (*listeners);
    extended->push_back (listener);
    listeners = std::move (extended);
}

std::shared_ptr<const MidiManager::ListenerList> MidiManager::getListeners() const
{
    const juce::SpinLock::ScopedLockType sl (listenersLock);
    return listeners;
}

void MidiManager::handleIncomingMidiMessage (MidiInputPort* source, const juce::MidiMessage& message)
{
    const auto list = getListeners();

    for (auto it = list->rbegin(); it != list->rend(); ++it)
        (*it)->handleIncomingMidiMessage (source, message);
}

//==============================================================================
void MidiManager::timerCallback()
{
    // Each walk goes over a copy, so what it opens or closes never disturbs it. A lost port that
    // is listed but won't open yet stays lost, to be tried again at the next poll.
    const auto inputNames = layer->getInputNames();

    for (auto& name : juce::StringArray (lostInputNames))
    {
        if (inputNames.contains (name))
        {
            openInputDevice (name);

            if (isInputOpen (name))
            {
                lostInputNames.removeString (name);
                inputReconnectUpdater->addName (name);
            }
        }
    }

    const auto outputNames = layer->getOutputNames();

    for (auto& name : juce::StringArray (lostOutputNames))
    {
        if (outputNames.contains (name))
        {
            openOutputDevice (name);

            if (isOutputOpen (name))
            {
                lostOutputNames.removeString (name);
                outputReconnectUpdater->addName (name);
            }
        }
    }

    // A name met again after its ports were closed earlier in the walk is skipped.
    for (auto& name : getOpenInputNames())
    {
        if (isInputOpen (name) && ! isInputDeviceAvailable (name))
        {
            lostInputNames.add (name);
            inputDisconnectUpdater->addName (name);
            closeInputDevice (name);
        }
    }

    for (auto& name : getOpenOutputNames())
    {
        if (isOutputOpen (name) && ! isOutputDeviceAvailable (name))
        {
            lostOutputNames.add (name);
            outputDisconnectUpdater->addName (name);
            closeOutputDevice (name);
        }
    }
}
