#pragma once

#include "platform/VEProcessTypes.h"
#include "platform/VEService.h"

// The front process: the application that owns the active window.
class VEFrontProcessService : public VEService<VEFrontProcessService> {
public:
    // GetFrontProcess: the process serial number of the front application, or
    // kVENoProcess when no application is in front.
    virtual VEProcessSerialNumber frontProcess() const = 0;
    // GetCurrentProcess: this program's own process serial number.
    virtual VEProcessSerialNumber currentProcess() const { return kVECurrentProcess; }
    // SameProcess.
    virtual bool sameProcess(VEProcessSerialNumber a, VEProcessSerialNumber b) const { return a == b; }
};
