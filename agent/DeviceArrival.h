#pragma once
// The decision on one device arrival, made from the system's device list.
#include <string>

// True when the arrived device (its interface path) should start the information program:
// some listed entry of the device qualifies and none is excluded, the two flags accumulating
// over every entry whose hardware id begins with the device-id prefix.
bool ArrivalQualifies(const std::wstring& deviceInterfaceName);
