#include "tests/editors/ServiceEditorTest.h"

#include <QAbstractButton>
#include <QApplication>
#include <QPushButton>
#include <QElapsedTimer>
#include <QFile>
#include <QLocale>
#include <QTimer>

#include <fstream>
#include <sstream>

#include "snmp/NvSNMPSession.h"
#include "tests/common/AgentSession.h"

SimulatorProcess* ServiceEditorTest::sim = nullptr;
QTemporaryDir* ServiceEditorTest::dir = nullptr;
std::string ServiceEditorTest::startError;
std::string ServiceEditorTest::setLogPath;

void ServiceEditorTest::SetUpTestSuite()
{
    dir = new QTemporaryDir();
    setLogPath = dir->filePath(QStringLiteral("sets.log")).toStdString();
    sim = new SimulatorProcess();
    if (!sim->start({"--quiet", "--set-log", setLogPath}))
        startError = sim->log();
    startSnmpSession(dir->path().toStdString());
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

void ServiceEditorTest::TearDownTestSuite()
{
    delete sim;
    sim = nullptr;
    delete dir;
    dir = nullptr;
}

void ServiceEditorTest::SetUp()
{
    ASSERT_TRUE(startError.empty()) << startError;
    pointSessionAt(sim->port());
    takeSets();
    // Caption = unit, then status, MAC, start port, port range, LED status, mode, version, model.
    const char* units[][9] = {{"1", "exist", "", "1", "26", "", "master", "1.20.005", "HV-720"},
                              {"2", "exist", "", "1", "50", "", "slave", "1.20.005", "HV-710"},
                              {"3", "exist", "", "1", "24", "", "slave", "1.20.005", "HV-640"}};
    unitList.setColumnCount(9);
    for (const auto& unit : units) {
        auto* line = new QTreeWidgetItem(&unitList);
        for (int c = 0; c < 9; ++c)
            line->setText(c, QString::fromLatin1(unit[c]));
    }
    context.unitListView = &unitList;
}

std::vector<std::string> ServiceEditorTest::takeSets()
{
    std::vector<std::string> sets;
    std::ifstream log(setLogPath);
    for (std::string line; std::getline(log, line);)
        sets.push_back(line);
    log.close();
    std::ofstream(setLogPath, std::ios::trunc);
    return sets;
}

std::string ServiceEditorTest::agentValue(const std::string& oid)
{
    std::string out = sim->get({oid}).out;
    const size_t at = out.find(" = ");
    if (at == std::string::npos)
        return {};
    out = out.substr(at + 3);
    while (!out.empty() && (out.back() == '\n' || out.back() == ' '))
        out.pop_back();
    if (out.rfind("No Such", 0) == 0)
        return {};
    return out;
}

ModalAnswerer::ModalAnswerer(QMessageBox::StandardButton answer)
    : answer(answer)
{
    QTimer::singleShot(0, &m_guard, [this] { poll(); });
}

ModalAnswerer::~ModalAnswerer() = default;

void ModalAnswerer::poll()
{
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        texts << box->text();
        QAbstractButton* button = box->button(answer);
        if (!button)
            button = box->defaultButton();
        if (!button && !box->buttons().isEmpty())
            button = box->buttons().first();
        if (button)
            button->click();
    }
    QTimer::singleShot(5, &m_guard, [this] { poll(); });
}

bool waitFor(const std::function<bool()>& condition, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    while (!condition()) {
        if (clock.elapsed() > timeoutMs)
            return false;
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return true;
}
