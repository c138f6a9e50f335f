#include "tests/common/SimulatorSuite.h"

#include <QLocale>
#include <QTemporaryDir>

#include <memory>

#include "snmp/NvSNMPSession.h"
#include "tests/common/AgentSession.h"
#include "tests/common/SimulatorProcess.h"

namespace {

std::unique_ptr<QTemporaryDir> s_directory;
std::string s_startError;

QTemporaryDir& directory()
{
    if (!s_directory)
        s_directory = std::make_unique<QTemporaryDir>();
    return *s_directory;
}

} // namespace

SimulatorProcess* SimulatorSuite::sim = nullptr;

void SimulatorSuite::startSuite(const std::vector<std::string>& options)
{
    sim = new SimulatorProcess();
    std::vector<std::string> all{"--quiet"};
    all.insert(all.end(), options.begin(), options.end());
    s_startError = sim->start(all) ? std::string() : sim->log();
    startSnmpSession(directory().path().toStdString());
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

void SimulatorSuite::TearDownTestSuite()
{
    delete sim;
    sim = nullptr;
    s_directory.reset();
}

std::string SimulatorSuite::suiteFile(const std::string& name)
{
    return directory().filePath(QString::fromStdString(name)).toStdString();
}

void SimulatorSuite::SetUp()
{
    ASSERT_TRUE(s_startError.empty()) << s_startError;
    pointSessionAt(sim->port());
}
