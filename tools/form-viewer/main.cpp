// form-viewer [--agent ADDR:PORT] [--view TITLE] [--status ROW] [--add-text T] [--delete-text T]
//             [--screenshot FILE.png] [--dialog add|edit]
// Opens the catalogue view whose opener is TITLE as the module's menu does: a
// TConfigForm with an editor binding, showEditor for scalar groups and showTable
// for tables (with Add and Delete when a status row is given).
//
//   build/bin/catalogue-dump > /tmp/catalogue.tsv
//   MIBS= build/bin/hv720-sim --catalogue /tmp/catalogue.tsv &
//   build/bin/form-viewer --view "Network Time"
//   build/bin/form-viewer --view "System Log Host Table" --status 6
#include <QApplication>
#include <QCommandLineParser>
#include <QPushButton>
#include <QTreeWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <memory>

#include "bind/CtrlBtnPanel.h"
#include "bind/GUIConfigForm.h"
#include "bind/NvSNMPRequest2Edits.h"
#include "bind/ListViewPanel.h"
#include "bind/SNMPListViewPanel.h"
#include "catalogue/NvViewCatalogue.h"
#include "snmp/NvSNMPError.h"
#include "snmp/NvSNMPSession.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    parser.addOption({"agent", "Agent address and port.", "address", "127.0.0.1:16100"});
    parser.addOption({"view", "Opener of the catalogue view.", "title", "Network Time"});
    parser.addOption({"status", "Row-status row of a table (zero-based).", "row", "-1"});
    parser.addOption({"add-text", "Status text that creates a row.", "text", "createAndGo"});
    parser.addOption({"delete-text", "Status text that deletes a row.", "text", "destroy"});
    parser.addOption({"screenshot", "Save a picture after the first read and exit.", "file"});
    parser.addOption({"dialog", "With --screenshot: also open the Add or Edit dialog (of the first line) and save it"
                                " as FILE-add.png or FILE-edit.png.", "add|edit"});
    parser.process(app);

    const QString title = parser.value("view");
    const NvViewTable* view = NvViewCatalogue::byOpener(title.toStdString());
    if (!view) {
        std::fprintf(stderr, "form-viewer: no view \"%s\" in the catalogue\n", qPrintable(title));
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

    auto form = std::make_unique<TConfigForm>(nullptr);
    auto binding = std::make_unique<NvSNMPRequest2Edits>(form.get());
    binding->request.varList.assign(NvSNMPVarList(view->table, view->listKind, view->indexCount));
    if (view->listKind == NvSNMPVarList::SingleInstance)
        binding->request.varList.instance = "1";

    const QString screenshot = parser.value("screenshot");
    bool taken = false;
    if (!screenshot.isEmpty()) {
        // Once the first read has finished: save the form, then optionally the Add dialog.
        binding->onGetDone = [&](NvSNMPRequest2Controls&, const NvSNMPError&) {
            if (taken)
                return;
            taken = true;
            QTimer::singleShot(300, [&] {
                form->grab().save(screenshot);
                auto* table = form->findChild<TSNMPListViewPanel*>();
                const QString which = parser.value("dialog");
                QPushButton* button = !table ? nullptr
                                      : which == "add" ? table->buttons->AddBtn
                                      : which == "edit" ? table->buttons->EditBtn
                                                        : nullptr;
                if (button && !button->isHidden()) {
                    if (which == "edit" && table->listPanel->listView->topLevelItemCount() > 0) {
                        table->listPanel->listView->setCurrentItem(table->listPanel->listView->topLevelItem(0));
                        button->setEnabled(true);
                    }
                    QTimer::singleShot(300, [&, table, which] {
                        if (QWidget* dialog = table->openDialog()) {
                            QString file = screenshot;
                            file.insert(file.lastIndexOf('.'), "-" + which);
                            dialog->grab().save(file);
                            dialog->close();
                        }
                        QTimer::singleShot(0, [&] { form->close(); });
                    });
                    button->click();
                    return;
                }
                form->close();
            });
        };
    }

    try {
        if (view->listKind == NvSNMPVarList::Table || view->listKind == NvSNMPVarList::EditableTable) {
            const int status = parser.value("status").toInt();
            const bool rowStatus = status >= 0;
            form->showTable(std::move(binding), status,
                            rowStatus ? parser.value("add-text").toStdString() : std::string(), status,
                            rowStatus ? parser.value("delete-text").toStdString() : std::string());
        } else {
            form->showEditor(std::move(binding));
        }
    } catch (const NvSNMPException& x) {
        std::fprintf(stderr, "form-viewer: %s\n", x.what());
        return 1;
    }
    form->setWindowTitle(title + ":" + QString::fromStdString(NvSNMPDevice.address));
    form->exec();
    form.reset();
    return 0;
}
