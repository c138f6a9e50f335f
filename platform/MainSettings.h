#pragma once
// The start-up values of one run: the address and communities of the command
// line, what the device file said, and the screen density. Filled at start-up;
// the main window, the editors and the companions read them.
#include <string>

struct TMainSettings {
    std::string addressText;         // the "/I" value, unchanged; window captions and companion lines
    std::string readCommunityText;   // the "/R" value
    std::string writeCommunityText;  // the "/W" value
    std::string versionText;         // "Version" of the device configuration file; empty when none was read
    bool configFileExists = false;   // whether the device configuration file existed at its last check
    bool LargeFonts = false;         // the screen is not at 96 pixels per inch
    float ScaleFactor = 1.0f;        // 1.25 when LargeFonts
};
