#pragma once
// The switch stack the simulator plays: its units, and the identification
// tables and front-panel LED octets derived from them.
#include "sim/ObjectStore.h"

#include <random>
#include <string>
#include <vector>

struct UnitConfig {
    int id = 0;                 // stack number 1..12
    std::string model = "HV-720";
    bool exists = true;
    int startPort = -1;         // -1: default
    int portRange = -1;         // -1: by model and module
    int mode = -1;              // 3 stand-alone, 4 master, 5 slave; -1: by position
    std::string version = "1.20.005";
    std::string mac;            // aa:bb:cc:dd:ee:ff; empty: derived from the id
    std::string module = "-";   // "HM10", "HM20" or "-"
};

class StackModel {
public:
    static constexpr int MaxUnits = 12;

    // An HV-720 with an HM20, an HV-710 with an HM10 and an HV-640.
    static std::vector<UnitConfig> defaultStack();
    // One unit from words key=value (unit, model, status, start, range, mode,
    // version, mac, module); fields not given keep their defaults.
    static bool parseUnit(const std::string& text, UnitConfig& unit, std::string& error);
    // A stack file: one unit per line, '#' starts a comment.
    static bool parseStack(const std::string& text, std::vector<UnitConfig>& units, std::string& error);

    // Takes the units (up to 12), fills the defaults and numbers them.
    bool setUnits(std::vector<UnitConfig> units, std::string& error);
    const std::vector<UnitConfig>& units() const { return m_units; }

    // Model family (710, 720, 630, 640) from a model name; 720 for unknown text.
    static int family(const std::string& model);
    // Length of a unit's LED status value by model family.
    static int ledLength(int family);

    // Port indexes ((unit - 1) * 64 + port) of the existing units.
    std::vector<int> portIndexes() const;
    std::vector<int> unitIds() const;

    // Fills the identification tables of the store (after DeviceTables are loaded).
    void populate(ObjectStore& store);
    // Advances the LEDs: links come up and go down, activity blinks.
    void tick(ObjectStore& store);

    void seed(unsigned s) { m_rng.seed(s); }

private:
    // speed is the LED key of an up port (2 or 4); type the port table's port type.
    struct PortState { int index; bool up; bool activity; int speed; int type; };
    std::string ledOctets(const UnitConfig& u) const;
    const PortState* port(int index) const;

    std::vector<UnitConfig> m_units;
    std::vector<PortState> m_ports;
    std::mt19937 m_rng{720};
};
