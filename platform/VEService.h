#pragma once

#include <memory>

// A process-wide platform service: one installed backend per interface.
//
// Each platform interface derives from VEService<Interface>. The program installs
// the Linux backends at start-up (installLinuxPlatform), unit tests install the
// fakes (installFakePlatform). shared() must not be called before a backend is
// installed; installing again replaces the backend.
template <class Interface>
class VEService {
public:
    virtual ~VEService() = default;

    static Interface& shared() { return *slot(); }
    static bool isInstalled() { return slot() != nullptr; }
    static void install(std::unique_ptr<Interface> backend) { slot() = std::move(backend); }
    static void uninstall() { slot().reset(); }

protected:
    VEService() = default;

private:
    static std::unique_ptr<Interface>& slot()
    {
        static std::unique_ptr<Interface> instance;
        return instance;
    }
};
