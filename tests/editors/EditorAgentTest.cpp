#include "tests/editors/EditorAgentTest.h"

#include <QComboBox>
#include <fstream>
#include <sstream>

#include "snmp/NvEventWait.h"
#include "snmp/NvSNMPSession.h"

std::string EditorAgentTest::setLog;

void EditorAgentTest::SetUpTestSuite()
{
    setLog = suiteFile("sets.log");
    startSuite({"--set-log", setLog});
}

void EditorAgentTest::SetUp()
{
    SimulatorSuite::SetUp();
    requestTimeout = 300;

    // The simulator's default stack: an HV-720, an HV-710 and an HV-640.
    settings.addressText = "127.0.0.1";
    units.setColumnCount(9);
    const char* rows[][9] = {
        {"1", "exist", "00-80-C8-72-00-01", "1", "26", "", "master", "1.20.005", "HV-720"},
        {"2", "exist", "00-80-C8-72-00-02", "65", "50", "", "slave", "1.20.005", "HV-710"},
        {"3", "exist", "00-80-C8-72-00-03", "129", "24", "", "slave", "1.20.005", "HV-640"},
    };
    for (const auto& row : rows) {
        auto* item = new QTreeWidgetItem(&units);
        for (int c = 0; c < 9; ++c)
            item->setText(c, QString::fromLatin1(row[c]));
    }
    context.settings = &settings;
    context.unitListView = &units;
}

bool EditorAgentTest::waitFor(const std::function<bool()>& done, int timeoutMs)
{
    return waitUntil(done, timeoutMs);
}

void pick(QComboBox* box, const char* text)
{
    box->setCurrentIndex(box->findText(QString::fromLatin1(text)));
}

bool EditorAgentTest::idle(const NvSNMPRequest2Controls* binding)
{
    return waitFor([binding] { return !binding->busy; });
}

std::vector<std::string> EditorAgentTest::setLines()
{
    std::vector<std::string> lines;
    std::ifstream in(setLog);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

std::vector<std::map<std::string, std::string>> EditorAgentTest::sets()
{
    std::vector<std::map<std::string, std::string>> all;
    for (const std::string& line : setLines()) {
        std::map<std::string, std::string> vbs;
        std::istringstream words(line);
        std::string word;
        while (words >> word) {
            const auto eq = word.find('=');
            vbs[word.substr(0, eq)] = eq == std::string::npos ? "" : word.substr(eq + 1);
        }
        all.push_back(vbs);
    }
    return all;
}

std::map<std::string, std::string> EditorAgentTest::waitForSet(size_t count)
{
    waitFor([&] { return sets().size() >= count; });
    const auto all = sets();
    return all.size() >= count ? all[count - 1] : std::map<std::string, std::string>{};
}

QTreeWidgetItem* EditorAgentTest::lineWithCaption(QTreeWidget* list, const QString& caption)
{
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        if (list->topLevelItem(i)->text(0) == caption)
            return list->topLevelItem(i);
    return nullptr;
}

std::string EditorAgentTest::agentValue(const std::string& oid)
{
    std::string out = sim->get({oid}).out;
    const auto colon = out.find(": ");
    out = colon == std::string::npos ? out : out.substr(colon + 2);
    while (!out.empty() && (out.back() == '\n' || out.back() == ' '))
        out.pop_back();
    return out;
}
