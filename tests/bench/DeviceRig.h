// The emulated device on in-process ports with the program's MIDI manager open on it, as fast
// as it answers or paced like a DIN cable.
#pragma once

#include "emulator/QRX571Emulator.h"
#include "midi/MidiManager.h"

struct DeviceRig
{
    explicit DeviceRig (bool dinPacing)
    {
        device.start();
        device.setDinPacing (dinPacing);
        manager->openInputDevice (QRX571Emulator::portName);
        manager->openOutputDevice (QRX571Emulator::portName);
    }
    ~DeviceRig() { device.stop(); }

    std::shared_ptr<VirtualMidiPortLayer> layer = std::make_shared<VirtualMidiPortLayer>();
    QRX571Emulator device{ layer };
    MidiManager::Ptr manager = new MidiManager (layer);
};
