#pragma once
// Starts build/bin/hv720-sim on a free loopback port for a test, waits until it
// answers, and stops it again; runs Debian's snmp tools against it.
#include <string>
#include <vector>

class SimulatorProcess {
public:
    struct ToolResult {
        int exitCode = -1;
        std::string out, err;
    };

    SimulatorProcess();
    ~SimulatorProcess();  // stops the simulator and removes its directory
    SimulatorProcess(const SimulatorProcess&) = delete;
    SimulatorProcess& operator=(const SimulatorProcess&) = delete;

    // Starts the simulator with extra options (e.g. {"--delay", "100"}); a non-empty
    // stack text is written to a file and passed with --stack. Returns false (see
    // log()) when it does not answer.
    bool start(const std::vector<std::string>& options = {}, const std::string& stackText = "");
    void stop();
    bool running() const;

    int port() const { return port_; }
    std::string address() const;        // "127.0.0.1:PORT"
    std::string peer() const;           // "udp:127.0.0.1:PORT", the snmp tools' agent argument
    std::string dir() const { return dir_; }  // private directory of this run
    std::string log() const;            // what the simulator printed

    // Writes a file into the private directory and returns its path.
    std::string writeFile(const std::string& name, const std::string& text) const;

    // Runs an snmp tool ("snmpget", "snmpwalk", "snmpset", ...): options first, then
    // the agent, then the operands; no MIB files, no user or system configuration.
    ToolResult snmp(const std::string& tool, const std::vector<std::string>& options,
                    const std::vector<std::string>& operands) const;
    // Shorthands over SNMPv2c with numeric output and one quick retry: read with
    // "quorel", write with "tessany".
    ToolResult get(const std::vector<std::string>& oids, const std::vector<std::string>& extra = {}) const;
    ToolResult walk(const std::string& oid, const std::vector<std::string>& extra = {}) const;
    ToolResult set(const std::vector<std::string>& oidTypeValue, const std::vector<std::string>& extra = {}) const;

    // Runs a program with the same isolated environment and captures its output.
    ToolResult run(const std::vector<std::string>& argv) const;

    static std::string executable();

private:
    bool answers(int timeoutMs) const;

    int pid_ = -1;
    mutable bool exited_ = false;
    mutable int exitCode_ = -1;
    int port_ = 0;
    std::string dir_;
};
