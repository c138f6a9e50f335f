#pragma once
// The device's fixed object descriptions (identification, RMON state and the
// tables behind the feature editors), in the format read by SpecReader.
class DeviceTables {
public:
    static const char* text();
};
