#pragma once
// A GoogleTest fixture whose suite shares one hv720-sim on 127.0.0.1 and one
// SNMP session: the simulator starts before the suite's first test and stops
// after its last, and every test starts with the session records pointing at
// it (SNMPv2c, "quorel" to read, "tessany" to write, time-out 2 seconds).
#include <gtest/gtest.h>

#include <string>
#include <vector>

class SimulatorProcess;

class SimulatorSuite : public ::testing::Test {
protected:
    static void SetUpTestSuite() { startSuite(); }
    static void TearDownTestSuite();
    // Starts the simulator with extra options (after "--quiet").
    static void startSuite(const std::vector<std::string>& options = {});
    // A path in the suite's private directory (for files the simulator writes).
    static std::string suiteFile(const std::string& name);
    // Fails the test when the simulator did not start; points the session at it.
    void SetUp() override;

    static SimulatorProcess* sim;
};
