#pragma once

#include "platform/VEService.h"

#include <QDateTime>

// The current time. The Linux backend reads the system clock with the local time
// zone; the fake returns whatever a test set.
class VETimeSource : public VEService<VETimeSource> {
public:
    virtual QDateTime now() const = 0;
};
