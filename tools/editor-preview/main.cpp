// Opens the feature editor of a menu component against an agent on 127.0.0.1,
// with the unit list read from the agent as the main window reads it, so that
// an editor and its port grids can be looked at without the whole module.
//   editor-preview --port 16100 --component StaticForm1 [--select 1] [--screenshot f.png]
#include <QApplication>
#include <QCommandLineParser>
#include <QDialog>
#include <QPixmap>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>
#include <cstdio>
#include <exception>

#include "bind/NvSNMPRequest2Edits.h"
#include "catalogue/NvCatalogueTables.h"
#include "editors/common/EditorRegistry.h"
#include "platform/MainSettings.h"
#include "snmp/NvSNMPSession.h"
#include "snmp/NvSNMPVarList.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption port(QStringLiteral("port"), QStringLiteral("Agent port on 127.0.0.1."),
                                  QStringLiteral("port"), QStringLiteral("16100"));
    const QCommandLineOption component(QStringLiteral("component"), QStringLiteral("Menu component name."),
                                       QStringLiteral("name"), QStringLiteral("StaticForm1"));
    const QCommandLineOption select(QStringLiteral("select"), QStringLiteral("Select this line (0-based) first."),
                                    QStringLiteral("line"), QStringLiteral("-1"));
    const QCommandLineOption shot(QStringLiteral("screenshot"), QStringLiteral("Save a picture and exit."),
                                  QStringLiteral("file.png"));
    parser.addOptions({port, component, select, shot});
    parser.process(app);

    QTemporaryDir counterDir;
    startSnmpSession(counterDir.path().toStdString());
    NvSNMPDevice.address = "127.0.0.1";
    NvSNMPDevice.port = static_cast<uint16_t>(parser.value(port).toUInt());
    NvSNMPSecurity.version = 1;
    NvSNMPSecurity.readCommunity = "quorel";
    NvSNMPSecurity.writeCommunity = "tessany";

    const EditorEntry* entry = findEditor(parser.value(component).toStdString());
    if (!entry) {
        std::fprintf(stderr, "editor-preview: no editor for %s\n", qPrintable(parser.value(component)));
        return 2;
    }
    QTreeWidget units;
    NvSNMPRequest2Edits unitBinding(&units);
    unitBinding.asynchronous = false;
    unitBinding.request.varList.assign(NvSNMPVarList(MainUnitTableVars, NvSNMPVarList::Table, 1));
    unitBinding.attachListView(&units, true);
    try {
        unitBinding.get();
    } catch (const std::exception& x) {
        std::fprintf(stderr, "editor-preview: unit table: %s\n", x.what());
    }

    TMainSettings settings;
    settings.addressText = "127.0.0.1";
    EditorContext context;
    context.settings = &settings;
    context.unitListView = &units;

    const int line = parser.value(select).toInt();
    const QString file = parser.value(shot);
    if (!file.isEmpty() || line >= 0) {
        // The editor runs modally: look at it from inside its event loop.
        QTimer::singleShot(1500, [&] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            const auto lists = dialog->findChildren<QTreeWidget*>();
            if (line >= 0 && !lists.isEmpty() && line < lists.first()->topLevelItemCount())
                lists.first()->topLevelItem(line)->setSelected(true);
            if (file.isEmpty())
                return;
            QTimer::singleShot(300, dialog, [dialog, file] {
                if (!dialog->grab().save(file))
                    std::fprintf(stderr, "editor-preview: cannot save %s\n", qPrintable(file));
                dialog->done(0);
            });
        });
    }
    entry->open(context);
    return 0;
}
