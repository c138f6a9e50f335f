#include "tests/app/ModuleUnderTest.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTimer>

#include "app/MainUnit.h"
#include "platform/Registry.h"
#include "snmp/NvSNMPSession.h"
#include "tests/common/TestFiles.h"

std::unique_ptr<TMainForm> openModule(const QTemporaryDir& dir, const ModuleOptions& options)
{
    const QString conf = dir.filePath("conf/");
    QDir().mkpath(conf);
    writeTestFile(dir.filePath("registry.ini"),
                  "[SOFTWARE\\Norvane\\Modules\\HelpPath]\n1.3.6.1.4.1.497.10.59.7=" + QByteArray(NV_BIN_DIR) +
                      "/HV720NMS.exe\n[SOFTWARE\\Norvane\\Vistane5.1\\MibFile]\nPath=" + conf.toUtf8() + "\n" +
                      options.extraRegistry);
    // The first of two equal keys counts, so deviceKeys come before the defaults.
    writeTestFile(conf + "127.0.0.1.cfg", "[Program Information]\n" + options.deviceKeys +
                                              "AgentPort=" + QByteArray::number(options.agentPort) +
                                              "\nVersion=" + QByteArray::number(options.version) +
                                              "\nSecurityModel=2\nSecurityLevel=0\nAuthProtocol=0\nPrivProtocol=0\n");
    const std::string counterDir = dir.path().toStdString();
    return std::make_unique<TMainForm>(std::vector<std::string>{"/I127.0.0.1", "/Rquorel", "/Wtessany"},
                                       Registry(dir.filePath("registry.ini")),
                                       [counterDir](const std::string&) { startSnmpSession(counterDir); });
}

struct ModalWatcher::Timer {
    QTimer timer;
};

ModalWatcher::ModalWatcher(std::function<bool(QWidget* modal)> check) : m_timer(std::make_unique<Timer>())
{
    QObject::connect(&m_timer->timer, &QTimer::timeout, [this, check] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && check(modal))
            m_timer->timer.stop();
    });
    m_timer->timer.start(10);
}

ModalWatcher::~ModalWatcher() = default;
