#pragma once
// Fixture of the editor tests: hv720-sim with the default three-unit stack on a
// free loopback port, logging every set it commits; the session pointed at it;
// an editor context whose unit list mirrors the simulator's stack.
#include <QTreeWidget>
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "bind/NvSNMPRequest2Controls.h"
#include "editors/common/EditorRegistry.h"
#include "platform/MainSettings.h"
#include "tests/common/SimulatorProcess.h"
#include "tests/common/SimulatorSuite.h"

class QComboBox;

// Chooses the box's item whose text is text (no item when there is none).
void pick(QComboBox* box, const char* text);

class EditorAgentTest : public SimulatorSuite {
protected:
    static void SetUpTestSuite();
    void SetUp() override;

    // Processes events until done() holds or timeoutMs passes; returns done().
    static bool waitFor(const std::function<bool()>& done, int timeoutMs = 15000);
    // Waits until the binding's operation has ended; false when it had not in 15 s.
    static bool idle(const NvSNMPRequest2Controls* binding);
    // The committed set requests so far, one line ("oid=value ...") per request.
    static std::vector<std::string> setLines();
    // The committed set requests so far, one map (OID -> value text) per request.
    static std::vector<std::map<std::string, std::string>> sets();
    // Waits for the count-th committed set and returns it (empty when none came).
    static std::map<std::string, std::string> waitForSet(size_t count);
    // The first line of list whose caption is the text, or nullptr.
    static QTreeWidgetItem* lineWithCaption(QTreeWidget* list, const QString& caption);
    // Value of one object as the snmp tools print it (type stripped).
    static std::string agentValue(const std::string& oid);

    static std::string setLog;

    TMainSettings settings;
    QTreeWidget units;
    EditorContext context;
};
