#pragma once
// The simulated machine's registry key for the length of a test: what it held is saved and
// removed at the start, so that the machine has every default, and put back at the end.
#include "RegistrySnapshot.h"
#include "SimulatedMachine.h"

class SimulatedMachineKey : public testsupport::RegistrySnapshot {
public:
    SimulatedMachineKey() : RegistrySnapshot(kSimulatedMachineKey) {}
};
