// editor-viewer --component SummerTime1 [--agent 127.0.0.1:16100] [--screenshot file.png]
#include <QApplication>
#include <QCommandLineParser>
#include <QDialog>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>
#include <cstdio>

#include "app/MainSettings.h"
#include "bind/NvSNMPRequest2Edits.h"
#include "catalogue/NvCatalogueTables.h"
#include "editors/EditorRegistry.h"
#include "snmp/NvSNMPSession.h"

namespace {

// Saves the active modal editor once it has been shown for a moment, then closes it.
void grabWhenShown(const QString& file)
{
    QTimer::singleShot(1500, [file] {
        QWidget* form = QApplication::activeModalWidget();
        if (!form) {
            grabWhenShown(file);
            return;
        }
        if (!form->grab().save(file))
            std::fprintf(stderr, "editor-viewer: cannot save %s\n", qPrintable(file));
        if (auto* dialog = qobject_cast<QDialog*>(form))
            dialog->reject();
    });
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    parser.addOption({"component", "Menu component name of the editor.", "name", "SummerTime1"});
    parser.addOption({"agent", "Agent address and port.", "address", "127.0.0.1:16100"});
    parser.addOption({"screenshot", "Save a picture of the editor and exit.", "file"});
    parser.process(app);

    const EditorEntry* entry = findEditor(parser.value("component").toStdString());
    if (!entry) {
        std::fprintf(stderr, "editor-viewer: no editor for %s\n", qPrintable(parser.value("component")));
        return 2;
    }
    const QStringList agent = parser.value("agent").split(':');
    QTemporaryDir counterDir;
    startSnmpSession(counterDir.path().toStdString());
    NvSNMPDevice.address = agent.value(0).toStdString();
    NvSNMPDevice.port = static_cast<uint16_t>(agent.value(1, "161").toUInt());
    NvSNMPSecurity.version = 1;
    NvSNMPSecurity.readCommunity = "quorel";
    NvSNMPSecurity.writeCommunity = "tessany";
    requestTimeout = 200;

    // The unit list the port grids are filled from, read as the main window reads it.
    QTreeWidget units;
    NvSNMPRequest2Edits unitBinding(&units);
    unitBinding.asynchronous = false;
    unitBinding.request.varList = NvSNMPVarList(MainUnitTableVars, NvSNMPVarList::Table, 1);
    unitBinding.attachListView(&units, false);
    try {
        unitBinding.get();
    } catch (const std::exception& x) {
        std::fprintf(stderr, "editor-viewer: %s\n", x.what());
    }

    TMainSettings settings;
    settings.addressText = agent.value(0).toStdString();
    EditorContext context;
    context.settings = &settings;
    context.unitListView = &units;
    if (parser.isSet("screenshot"))
        grabWhenShown(parser.value("screenshot"));
    entry->open(context);
    return 0;
}
