#pragma once
// Fixture of the service editor tests (daylight saving, authentication, small
// tables): one hv720-sim on 127.0.0.1 per test suite,
// started with a set log so that a test sees exactly which variables a write
// carried; the session records point at it (SNMPv2c). ModalAnswerer answers
// the message boxes an editor shows and keeps their texts.
#include <QMessageBox>
#include <QObject>
#include <QStringList>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editors/EditorRegistry.h"
#include "tests/common/SimulatorProcess.h"

class ServiceEditorTest : public ::testing::Test {
protected:
    static void SetUpTestSuite();
    static void TearDownTestSuite();
    void SetUp() override;

    // The set requests the simulator received since the last call, one string
    // each: "oid=value oid=value" (octet strings as 0xHEX).
    std::vector<std::string> takeSets();
    // The value the simulator holds for a full identifier, as snmpget prints it
    // ("INTEGER: 3"); empty when there is none.
    static std::string agentValue(const std::string& oid);

    // The main window's unit list as the simulator's default stack fills it,
    // for the port grids.
    QTreeWidget unitList;
    EditorContext context;

    static SimulatorProcess* sim;
    static QTemporaryDir* dir;
    static std::string startError;
    static std::string setLogPath;
};

// While it lives, every modal message box is answered with `answer` (or, when a
// box lacks it, with its default button) and its text recorded.
class ModalAnswerer {
public:
    explicit ModalAnswerer(QMessageBox::StandardButton answer = QMessageBox::Ok);
    ~ModalAnswerer();
    QStringList texts;
    QMessageBox::StandardButton answer;

private:
    void poll();
    QObject m_guard;  // timers queued by poll() die with the answerer
};

// Processes events until the condition holds or the time (ms) is up.
bool waitFor(const std::function<bool()>& condition, int timeoutMs = 5000);
