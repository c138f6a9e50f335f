// Shows every unit panel and module form stacked as in the main window, with
// made-up LED octets, so that the artwork can be looked at without a device.
#include <memory>
#include <string>
#include <vector>

#include <QApplication>
#include <QCheckBox>
#include <QCommandLineParser>
#include <QPixmap>
#include <QScrollArea>
#include <QTimer>
#include <QTreeWidget>

#include "panels/ExpansionModuleFormUnit.h"
#include "bind/NvSNMPLedGroup.h"
#include "panels/PanelFormTable.h"
#include "panels/PanelHV630FormUnit.h"
#include "panels/PanelHV640FormUnit.h"
#include "panels/PanelHV710FormUnit.h"
#include "panels/PanelHV720FormUnit.h"
#include "panels/PortButton.h"
#include "panels/PortButtonList.h"
#include "panels/StackImageList.h"
#include "panels/StackingPortUitFormUnit.h"
#include "panels/frmHM10Unit.h"
#include "panels/frmHM20Unit.h"

namespace {

// A plausible status value: system LEDs on, most ports linked, some with
// activity (blink bit), some down, the odd one in the red state of map B.
std::string fakeOctets(int unit, int length)
{
    std::string o(static_cast<size_t>(length), '\0');
    o[0] = 2;                       // power
    o[1] = unit == 1 ? 2 : 0;       // master
    o[2] = 0;                       // console
    o[3] = unit % 2 ? 4 : 0;        // redundant power
    const unsigned char link[] = {2, 0x82, 2, 0, 4, 0x82, 2, 2, 0, 0x84, 2, 0};
    const unsigned char mode[] = {2, 3, 5, 0, 4, 2, 1, 3, 0, 2, 5, 4};
    for (int i = 4; i < length; ++i) {
        const int k = (i * 7 + unit * 3) % 12;
        o[static_cast<size_t>(i)] = static_cast<char>(i % 2 ? mode[k] : link[k]);
    }
    return o;
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    QCommandLineOption shot(QStringLiteral("screenshot"), QStringLiteral("Save a picture and exit."),
                            QStringLiteral("file.png"));
    QCommandLineOption ticks(QStringLiteral("blink-ticks"),
                             QStringLiteral("Blink ticks to run before the picture."), QStringLiteral("n"),
                             QStringLiteral("0"));
    QCommandLineOption zoom(QStringLiteral("zoom"), QStringLiteral("Enlarge the picture n times."),
                            QStringLiteral("n"), QStringLiteral("1"));
    QCommandLineOption crop(QStringLiteral("crop"), QStringLiteral("Save only this part (x,y,w,h)."),
                            QStringLiteral("x,y,w,h"));
    QCommandLineOption picker(QStringLiteral("picker"), QStringLiteral("Show the port picker instead."));
    parser.addOption(picker);
    parser.addOption(shot);
    parser.addOption(zoom);
    parser.addOption(crop);
    parser.addOption(ticks);
    parser.process(app);

    auto save = [&](QWidget& w) {
        w.show();
        QApplication::processEvents();
        QPixmap pm = w.grab();
        const QStringList c = parser.value(crop).split(QLatin1Char(','));
        if (c.size() == 4)
            pm = pm.copy(c[0].toInt(), c[1].toInt(), c[2].toInt(), c[3].toInt());
        const int z = std::max(1, parser.value(zoom).toInt());
        if (z > 1)
            pm = pm.scaled(pm.size() * z, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        return pm.save(parser.value(shot)) ? 0 : 1;
    };

    if (parser.isSet(picker)) {
        QTreeWidget unitList;
        unitList.setColumnCount(9);
        const char* rows[][5] = {{"1", "exist", "1", "52", "HV-710"},
                                 {"2", "exist", "65", "26", "HV-720"},
                                 {"3", "not-exist", "0", "0", "HV-630"}};
        for (const auto& r : rows) {
            auto* item = new QTreeWidgetItem(&unitList);
            item->setText(0, QString::fromLatin1(r[0]));
            item->setText(1, QString::fromLatin1(r[1]));
            item->setText(3, QString::fromLatin1(r[2]));
            item->setText(4, QString::fromLatin1(r[3]));
            item->setText(8, QString::fromLatin1(r[4]));
        }
        TStackingPortUitForm form;
        form.fillFromStack(&unitList, nullptr);
        for (int k : {0, 3, 7, 20, 47})
            form.checkBoxList().at(k)->setChecked(true);
        if (parser.isSet(shot))
            return save(form);
        form.show();
        return app.exec();
    }

    QWidget window;
    window.setWindowTitle(QStringLiteral("Panel preview"));
    TStackImageList images;
    TPortButtonList buttons;

    struct Unit {
        TUnitPanelForm* panel;
        TExpansionModuleForm* module;
    };
    std::vector<Unit> units = {
        {new TPanelHV710Form(&window), new TfrmHM10(&window)},
        {new TPanelHV720Form(&window), new TfrmHM20(&window)},
        {new TPanelHV630Form(&window), nullptr},
        {new TPanelHV640Form(&window), nullptr},
    };

    int top = 0;
    int width = 0;
    for (size_t i = 0; i < units.size(); ++i) {
        const int unit = static_cast<int>(i) + 1;
        Unit& u = units[i];
        u.panel->setUnitNumber(unit);
        u.panel->buildLeds(&images);
        u.panel->buildPortButtons(buttons);
        u.panel->move(0, top);
        width = std::max(width, u.panel->width() + 4);
        if (u.module) {
            u.module->setUnitNumber(unit);
            u.module->setCarrier(TPanelFormTable::model(u.panel->modelName())->carrier);
            u.module->buildLeds();
            u.module->buildPortButtons(buttons);
            u.module->move(u.panel->width() + 1, top);
            width = std::max(width, u.panel->width() + u.module->width() + 8);
            u.module->ledBinding()->applyOctets(fakeOctets(unit, 110));
        }
        u.panel->ledBinding()->applyOctets(fakeOctets(unit, 110));
        top += u.panel->height() + 1;
    }
    buttons.makeGroup();
    if (buttons.count() > 60)
        buttons.select(buttons.at(56));  // a port of the second unit, to show the selected look
    window.resize(width, top + 3);

    for (int t = parser.value(ticks).toInt(); t > 0; --t) {
        for (auto& u : units) {
            u.panel->ledBinding()->blinkTick();
            if (u.module)
                u.module->ledBinding()->blinkTick();
        }
    }

    if (parser.isSet(shot)) {
        for (auto& u : units) {
            u.panel->ledBinding()->blinkTimer()->stop();
            if (u.module)
                u.module->ledBinding()->blinkTimer()->stop();
        }
        return save(window);
    }

    // Fresh made-up values every 3 s, as a poll would bring.
    QTimer poll;
    int round = 0;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        ++round;
        for (size_t i = 0; i < units.size(); ++i) {
            const int unit = static_cast<int>(i) + 1 + round;
            units[i].panel->ledBinding()->applyOctets(fakeOctets(unit, 110));
            if (units[i].module)
                units[i].module->ledBinding()->applyOctets(fakeOctets(unit, 110));
        }
    });
    poll.start(3000);
    window.show();
    return app.exec();
}
