// table-viewer [--agent ADDR:PORT] [--screenshot file.png]
// Walks the static VLAN table into a list view; selecting a line loads it into
// the name edit and the port check boxes of the first two units, which Set
// writes back (the table is read again afterwards).
#include <QApplication>
#include <QCheckBox>
#include <QCommandLineParser>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <memory>
#include <string>
#include <vector>

#include "snmp/NvSNMPError.h"
#include "bind/NvSNMPRequest2Edits.h"
#include "snmp/NvSNMPSession.h"

namespace {

const NvSNMPVarDescriptor kVlans[] = {
    {"1.3.6.1.2.1.17.7.1.4.2.1.2", "VLAN", SyntaxInteger, AccessIndex},
    {"1.3.6.1.2.1.17.7.1.4.3.1.1", "Name", SyntaxDisplayString, AccessReadable | AccessWritable},
    {"1.3.6.1.2.1.17.7.1.4.3.1.2", "Egress Ports", SyntaxBits, AccessReadable | AccessWritable},
    {"1.3.6.1.2.1.17.7.1.4.3.1.4", "Untagged Ports", SyntaxBits, AccessReadable | AccessWritable},
    {nullptr},
};
constexpr int kShownPorts = 52;

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    parser.addOption({"agent", "Agent address and port.", "address", "127.0.0.1:16100"});
    parser.addOption({"screenshot", "Save a picture after the first walk and exit.", "file"});
    parser.process(app);

    const QStringList agent = parser.value("agent").split(':');
    QTemporaryDir counterDir;
    startSnmpSession(counterDir.path().toStdString());
    NvSNMPDevice.address = agent.value(0).toStdString();
    NvSNMPDevice.port = static_cast<uint16_t>(agent.value(1, "161").toUInt());
    NvSNMPSecurity.version = 1;
    NvSNMPSecurity.readCommunity = "quorel";
    NvSNMPSecurity.writeCommunity = "tessany";
    requestTimeout = 200;

    QMainWindow window;
    window.setWindowTitle("Table viewer - static VLANs");
    auto* central = new QWidget(&window);
    auto* layout = new QVBoxLayout(central);
    auto* list = new QTreeWidget(central);
    layout->addWidget(list, 1);

    auto* editorBox = new QGroupBox("Selected VLAN", central);
    auto* editor = new QVBoxLayout(editorBox);
    auto* nameRow = new QHBoxLayout;
    auto* name = new QLineEdit(editorBox);
    nameRow->addWidget(new QLabel("Name:", editorBox));
    nameRow->addWidget(name, 1);
    editor->addLayout(nameRow);
    editor->addWidget(new QLabel("Egress ports (units 1 and 2):", editorBox));
    auto* grid = new QGridLayout;
    std::vector<QCheckBox*> ports;
    std::string bits;
    for (int p = 0; p < kShownPorts; ++p) {
        auto* box = new QCheckBox(QString::number(p < 26 ? p + 1 : p - 26 + 1), editorBox);
        grid->addWidget(box, p / 26, p % 26);
        ports.push_back(box);
        // Unit 2's ports start at bit 64.
        bits += (p ? "," : "") + std::to_string(p < 26 ? p : 64 + p - 26);
    }
    editor->addLayout(grid);
    auto* buttons = new QHBoxLayout;
    auto* getButton = new QPushButton("Get", editorBox);
    auto* setButton = new QPushButton("Set", editorBox);
    buttons->addStretch(1);
    buttons->addWidget(getButton);
    buttons->addWidget(setButton);
    editor->addLayout(buttons);
    layout->addWidget(editorBox);
    window.setCentralWidget(central);
    auto* statusPanel = new QLabel(window.statusBar());
    window.statusBar()->addWidget(statusPanel, 1);
    window.resize(980, 460);

    auto binding = std::make_unique<NvSNMPRequest2Edits>(&window);
    binding->request.varList.assign(NvSNMPVarList(kVlans, NvSNMPVarList::EditableTable, 1));
    binding->request.varList.name = " Static VLANs";
    binding->setStatusTarget(statusPanel);
    binding->attachListView(list, true);
    binding->bindEdit(1, "%s{l32}", name);
    binding->bindCheckBoxes(2, bits, ports);

    auto run = [&](auto&& step) {
        if (binding->busy)
            return;
        try {
            step();
        } catch (const NvSNMPException& x) {
            binding->showStatus(x.what());
        }
    };
    QObject::connect(getButton, &QPushButton::clicked, [&] { run([&] { binding->get(); }); });
    QObject::connect(setButton, &QPushButton::clicked, [&] { run([&] { binding->set(true, true); }); });

    const QString screenshot = parser.value("screenshot");
    if (!screenshot.isEmpty()) {
        binding->onGetDone = [&](NvSNMPRequest2Controls&, const NvSNMPError&) {
            QTimer::singleShot(0, [&] {
                if (list->topLevelItemCount() > 1)
                    list->setCurrentItem(list->topLevelItem(1));
                QTimer::singleShot(200, [&] {
                    window.grab().save(screenshot);
                    app.quit();
                });
            });
        };
    }
    window.show();
    run([&] { binding->get(); });
    const int rc = app.exec();
    NvSNMPRequest2Controls::close(binding);
    return rc;
}
