// Unit panels and module forms: button tags and positions, LED octets, the
// stack-number picture, the port-button group and its pop-up menu.
#include <functional>
#include <memory>
#include <string>

#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include "bind/NvSNMPLedGroup.h"
#include "panels/PanelFormTable.h"
#include "panels/PanelHV630FormUnit.h"
#include "panels/PanelHV640FormUnit.h"
#include "panels/PanelHV710FormUnit.h"
#include "panels/PanelHV720FormUnit.h"
#include "panels/PortButtonList.h"
#include "panels/StackImageList.h"
#include "panels/frmHM10Unit.h"
#include "panels/frmHM20Unit.h"

namespace {

using Carrier = TExpansionModuleForm::Carrier;

const NvLedColour Black = NvSNMPLedColorMapList::rgb(0, 0, 0);
const NvLedColour Green = NvSNMPLedColorMapList::rgb(0, 255, 0);
const NvLedColour Red = NvSNMPLedColorMapList::rgb(255, 0, 0);
const NvLedColour White = NvSNMPLedColorMapList::rgb(255, 255, 255);

using PanelFactory = std::function<std::unique_ptr<TUnitPanelForm>()>;

template <class T>
PanelFactory factory()
{
    return [] { return std::make_unique<T>(); };
}

std::unique_ptr<TUnitPanelForm> buildPanel(const PanelFactory& make, int unit, TPortButtonList& list)
{
    auto panel = make();
    panel->setUnitNumber(unit);
    panel->buildLeds(nullptr);
    panel->buildPortButtons(list);
    return panel;
}

struct ButtonCase {
    const char* model;
    PanelFactory make;
    int unit;
    int button;
    int tag;
    QRect rect;
};

TEST(UnitPanel, PortButtonsCarryTheStackPortIndexAtTheirLayoutPositions)
{
    const ButtonCase cases[] = {
        {"HV-720", factory<TPanelHV720Form>(), 3, 1, 129, QRect(335, 21, 23, 22)},
        {"HV-720", factory<TPanelHV720Form>(), 3, 24, 152, QRect(630, 47, 23, 23)},
        {"HV-720", factory<TPanelHV720Form>(), 3, 25, 149, QRect(663, 48, 23, 22)},
        {"HV-720", factory<TPanelHV720Form>(), 3, 28, 152, QRect(752, 49, 23, 22)},
        {"HV-710", factory<TPanelHV710Form>(), 1, 47, 47, QRect(682, 20, 23, 22)},
        {"HV-710", factory<TPanelHV710Form>(), 1, 49, 45, QRect(713, 20, 23, 22)},
        {"HV-710", factory<TPanelHV710Form>(), 1, 52, 48, QRect(741, 48, 24, 23)},
        {"HV-630", factory<TPanelHV630Form>(), 2, 25, 81, QRect(662, 19, 23, 22)},
        {"HV-630", factory<TPanelHV630Form>(), 2, 32, 88, QRect(751, 49, 23, 23)},
        {"HV-640", factory<TPanelHV640Form>(), 12, 2, 706, QRect(348, 46, 23, 23)},
        {"HV-640", factory<TPanelHV640Form>(), 12, 28, 728, QRect(753, 52, 23, 22)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.model << " unit " << c.unit << " button " << c.button);
        TPortButtonList list;
        auto panel = buildPanel(c.make, c.unit, list);
        EXPECT_EQ(panel->size(), QSize(780, 89));
        EXPECT_EQ(panel->modelName(), QString::fromLatin1(c.model));
        TPortButton* b = panel->portButton(c.button);
        ASSERT_NE(b, nullptr);
        EXPECT_EQ(b->objectName(), QStringLiteral("SpeedButton%1").arg(c.button));
        EXPECT_EQ(b->tag(), c.tag);
        EXPECT_EQ(b->geometry(), c.rect);
        EXPECT_FALSE(b->isPortDown());
        // Every button joins the stack's list, in button order.
        ASSERT_EQ(list.count(), panel->portButtonCount());
        EXPECT_EQ(list.at(c.button - 1), b);
    }
}

// Where an octet of the status value is shown: its host, its colour map and
// the LED's place inside the host (left = first left + i * (gap + width), top 1).
struct LedPlace {
    int offset;
    const char* host;
    bool mapB;
    QRect rect;
};

struct ModelLedCase {
    const char* model;
    PanelFactory make;
    int ledCount;
    std::vector<LedPlace> places;
    int shortLength;  // a value this long leaves the LEDs of later octets white
};

TEST(UnitPanel, LedsFollowTheirOctetsThroughTheirModelsColourMaps)
{
    const ModelLedCase cases[] = {
        {"HV-710", factory<TPanelHV710Form>(), 4 + 48 + 2,
         {{0, "PowerLedPanel", false, QRect(1, 1, 7, 7)},
          {3, "RPowerLedPanel", false, QRect(1, 1, 7, 7)},
          {4, "LedPanel1", false, QRect(0, 1, 7, 7)},
          {66, "LedPanel2", false, QRect(195, 1, 7, 7)},
          {98, "LedPanel3", false, QRect(195, 1, 7, 7)},
          {104, "SIOPanel1", false, QRect(1, 1, 7, 7)},
          {106, "SIOPanel2", false, QRect(1, 1, 7, 7)}},
         60},
        {"HV-720", factory<TPanelHV720Form>(), 4 + 24 + 2,
         {{0, "PowerLedPanel", false, QRect(1, 1, 7, 7)},
          {2, "ConsoleLedPanel", false, QRect(1, 1, 7, 7)},
          {4, "LedPanel1", false, QRect(0, 1, 6, 6)},
          {48, "LedPanel1", false, QRect(143, 1, 6, 6)},
          {6, "LedPanel2", false, QRect(0, 1, 6, 6)},
          {50, "LedPanel2", false, QRect(143, 1, 6, 6)},
          {56, "SIOPanel1", false, QRect(1, 1, 7, 7)},
          {58, "SIOPanel2", false, QRect(1, 1, 7, 7)}},
         50},
        {"HV-630", factory<TPanelHV630Form>(), 4 + 48 + 6,
         {{0, "PowerLedPanel", true, QRect(1, 1, 5, 5)},
          {3, "RPowerLedPanel", true, QRect(1, 1, 5, 5)},
          {4, "LedPanel1", false, QRect(0, 1, 6, 5)},
          {5, "LedPanel2", true, QRect(0, 1, 6, 5)},
          {46, "LedPanel3", false, QRect(120, 1, 6, 5)},
          {51, "LedPanel4", true, QRect(132, 1, 6, 5)},
          {52, "SIOPanel1", true, QRect(1, 1, 5, 5)},
          {62, "SIOPanel6", true, QRect(1, 1, 5, 5)}},
         52},
        {"HV-640", factory<TPanelHV640Form>(), 4 + 48 + 2,
         {{1, "MasterLedPanel", true, QRect(1, 1, 5, 5)},
          {4, "LedPanel1", false, QRect(0, 1, 6, 5)},
          {49, "LedPanel2", true, QRect(132, 1, 6, 5)},
          {50, "LedPanel3", false, QRect(132, 1, 6, 5)},
          {7, "LedPanel4", true, QRect(0, 1, 6, 5)},
          {52, "SIOPanel1", true, QRect(1, 1, 5, 5)},
          {54, "SIOPanel2", true, QRect(1, 1, 5, 5)}},
         53},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.model);
        TPortButtonList list;
        auto panel = buildPanel(c.make, 1, list);
        NvSNMPLedGroup* leds = panel->ledBinding();
        ASSERT_NE(leds, nullptr);
        ASSERT_EQ(leds->ledCount(), c.ledCount);

        for (const auto& p : c.places) {
            SCOPED_TRACE(testing::Message() << "octet " << p.offset);
            int found = 0;
            for (int i = 0; i < leds->ledCount(); ++i) {
                const LedBinding& led = leds->led(i);
                if (led.byteOffset != p.offset)
                    continue;
                ++found;
                EXPECT_EQ(led.shape->parentWidget(), panel->ledHost(QString::fromLatin1(p.host)));
                EXPECT_EQ(led.map, p.mapB ? &NvSNMPLedColorMapList::mapB() : &NvSNMPLedColorMapList::mapA());
                EXPECT_EQ(led.shape->geometry(), p.rect);
            }
            EXPECT_EQ(found, 1);
        }

        // Value 5 is red in map B and dark in map A.
        ASSERT_EQ(leds->applyOctets(std::string(110, '\x05')), 0);
        for (int i = 0; i < leds->ledCount(); ++i) {
            const LedBinding& led = leds->led(i);
            const bool mapB = led.map == &NvSNMPLedColorMapList::mapB();
            EXPECT_EQ(led.shape->brushColour(), mapB ? Red : Black) << led.byteOffset;
        }
        // A short value, all "link up": the LEDs of missing octets are white.
        ASSERT_EQ(leds->applyOctets(std::string(static_cast<size_t>(c.shortLength), '\x02')), 0);
        for (int i = 0; i < leds->ledCount(); ++i) {
            const LedBinding& led = leds->led(i);
            EXPECT_EQ(led.shape->brushColour(), led.byteOffset >= c.shortLength ? White : Green) << led.byteOffset;
        }
    }
}

TEST(UnitPanel, StackNumberPictureShowsTheUnitsGlyph)
{
    TStackImageList images;
    auto panel = std::make_unique<TPanelHV720Form>();
    panel->setUnitNumber(2);
    panel->buildLeds(&images);
    ASSERT_NE(panel->Panel1, nullptr);
    EXPECT_EQ(panel->Panel1->geometry(), QRect(111, 47, 26, 23));
    const QImage shown = panel->StackImage->pixmap().toImage();
    ASSERT_EQ(shown.size(), QSize(24, 21));
    const QImage glyph = images.image(1).toImage().convertToFormat(shown.format());
    EXPECT_EQ(shown.copy(4, 2, 16, 16), glyph);

    // A model without the picture, and a unit beyond the glyphs, draw nothing and do not fail.
    TPanelHV630Form hv630;
    hv630.setUnitNumber(1);
    hv630.buildLeds(&images);
    EXPECT_EQ(hv630.Panel1, nullptr);
    TPanelHV640Form hv640;
    hv640.setUnitNumber(15);
    hv640.buildLeds(&images);
    EXPECT_EQ(hv640.StackImage->pixmap().toImage().pixelColor(12, 10), QColor(Qt::black));
}

TEST(StackImages, FourteenDistinctLightOnBlackGlyphs)
{
    TStackImageList images;
    ASSERT_EQ(images.count(), 14);
    for (int i = 0; i < images.count(); ++i) {
        const QImage img = images.image(i).toImage();
        ASSERT_EQ(img.size(), QSize(16, 16)) << i;
        EXPECT_EQ(img.pixelColor(0, 0), QColor(Qt::black)) << i;
        bool light = false;
        for (int y = 0; y < 16 && !light; ++y)
            for (int x = 0; x < 16 && !light; ++x)
                light = img.pixelColor(x, y).lightness() > 150;
        EXPECT_TRUE(light) << i;
        for (int j = 0; j < i; ++j)
            EXPECT_NE(img, images.image(j).toImage()) << i << " " << j;
    }
    EXPECT_TRUE(images.image(14).isNull());
}

struct ModuleCase {
    const char* name;
    std::function<std::unique_ptr<TExpansionModuleForm>()> make;
    TExpansionModuleForm::Carrier carrier;
    int unit;
    int tagX;       // 0: no buttons join the list
    int octetX;     // -1: no LEDs
    int octetY;
};

TEST(ModuleForm, CarrierDecidesTagsAndLedOctets)
{
    auto hm20 = [] { return std::unique_ptr<TExpansionModuleForm>(new TfrmHM20); };
    auto hm10 = [] { return std::unique_ptr<TExpansionModuleForm>(new TfrmHM10); };
    const ModuleCase cases[] = {
        {"HM20 on HV-720 unit 2", hm20, Carrier::HV720, 2, 89, 52, 54},
        {"HM10 on HV-720 unit 1", hm10, Carrier::HV720, 1, 25, 52, 54},
        {"HM10 on HV-710 unit 1", hm10, Carrier::HV710, 1, 49, 100, 102},
        {"HM20 on HV-710 unit 3", hm20, Carrier::HV710, 3, 177, 100, 102},
        {"HM20 without carrier", hm20, Carrier::None, 1, 0, -1, -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto form = c.make();
        EXPECT_EQ(form->size(), QSize(194, 40));
        form->setUnitNumber(c.unit);
        form->setCarrier(c.carrier);
        form->buildLeds();
        TPortButtonList list;
        form->buildPortButtons(list);

        if (c.tagX == 0) {
            EXPECT_EQ(list.count(), 0);
        } else {
            ASSERT_EQ(list.count(), 2);
            EXPECT_EQ(list.at(0), form->SpeedButtonX);
            EXPECT_EQ(form->SpeedButtonX->tag(), c.tagX);
            EXPECT_EQ(form->SpeedButtonY->tag(), c.tagX + 1);
        }

        NvSNMPLedGroup* leds = form->ledBinding();
        ASSERT_NE(leds, nullptr);
        if (c.octetX < 0) {
            EXPECT_EQ(leds->ledCount(), 0);
            continue;
        }
        ASSERT_EQ(leds->ledCount(), 2);
        EXPECT_EQ(leds->led(0).byteOffset, c.octetX);
        EXPECT_EQ(leds->led(1).byteOffset, c.octetY);
        EXPECT_EQ(leds->led(0).shape->parentWidget(), form->pLedPort1);
        EXPECT_EQ(leds->led(1).shape->parentWidget(), form->pLedPort2);
        EXPECT_EQ(leds->led(0).shape->size(), QSize(6, 6));
        std::string value(110, '\0');
        value[static_cast<size_t>(c.octetX)] = 2;
        ASSERT_EQ(leds->applyOctets(value), 0);
        EXPECT_EQ(leds->led(0).shape->brushColour(), Green);
        EXPECT_EQ(leds->led(1).shape->brushColour(), 0);
    }
}

TEST(ModuleForm, LedTimersLiveOnTheOwnerAndStopWhenTheFormCloses)
{
    QWidget mainWindow;
    auto* form = new TfrmHM20(&mainWindow);
    form->setUnitNumber(1);
    form->setCarrier(Carrier::HV720);
    form->buildLeds();
    NvSNMPLedGroup* leds = form->ledBinding();
    ASSERT_NE(leds, nullptr);
    EXPECT_EQ(leds->blinkTimer()->parent(), &mainWindow);
    leds->startPollTimer(300);
    QPointer<QTimer> poll = leds->pollTimer();
    form->FormClose();
    EXPECT_EQ(form->ledBinding(), nullptr);
    // The timers stay with their owner, stopped and tied to nothing.
    ASSERT_FALSE(poll.isNull());
    EXPECT_FALSE(poll->isActive());
    poll->start(0);
    QCoreApplication::processEvents();
    poll->stop();
    delete form;
}

TEST(PanelFormTable, NamesChooseTheirFormsExactly)
{
    const struct {
        const char* name;
        const char* panelClass;  // none: no panel
        Carrier carrier;
    } models[] = {
        {"HV-710", "TPanelHV710Form", Carrier::HV710}, {"HV710", "TPanelHV710Form", Carrier::HV710},
        {"HV-720", "TPanelHV720Form", Carrier::HV720}, {"HV720", "TPanelHV720Form", Carrier::HV720},
        {"HV-630", "TPanelHV630Form", Carrier::None},  {"HV630", "TPanelHV630Form", Carrier::None},
        {"HV-640", "TPanelHV640Form", Carrier::None},  {"HV640", "TPanelHV640Form", Carrier::None},
        {"HV-640*", "TPanelHV640Form", Carrier::None}, {"HV-640 ", nullptr, Carrier::None},
        {"hv-720", nullptr, Carrier::None},            {"HV-650", nullptr, Carrier::None},
    };
    for (const auto& m : models) {
        SCOPED_TRACE(m.name);
        const TPanelFormTable::Model* row = TPanelFormTable::model(QString::fromLatin1(m.name));
        if (!m.panelClass) {
            EXPECT_EQ(row, nullptr);
            continue;
        }
        ASSERT_NE(row, nullptr);
        std::unique_ptr<TUnitPanelForm> panel(row->create(nullptr));
        EXPECT_STREQ(panel->metaObject()->className(), m.panelClass);
        EXPECT_EQ(panel->objectName(), QString::fromLatin1(m.panelClass));
        EXPECT_EQ(row->carrier, m.carrier);
    }

    const struct {
        const char* name;
        const char* formClass;
    } modules[] = {{"HM20", "TfrmHM20"}, {"HM10", "TfrmHM10"}, {"-", nullptr}, {"HM-20", nullptr}, {"hm10", nullptr}};
    for (const auto& m : modules) {
        SCOPED_TRACE(m.name);
        const TPanelFormTable::Module* row = TPanelFormTable::module(QString::fromLatin1(m.name));
        if (!m.formClass) {
            EXPECT_EQ(row, nullptr);
            continue;
        }
        ASSERT_NE(row, nullptr);
        std::unique_ptr<TExpansionModuleForm> form(row->create(nullptr));
        EXPECT_STREQ(form->metaObject()->className(), m.formClass);
        EXPECT_EQ(form->objectName(), QString::fromLatin1(m.formClass).mid(1));
        EXPECT_EQ(form->carrier(), Carrier::None);
    }
}

TEST(PortButtons, OneButtonOfTheWholeStackIsDown)
{
    TPortButtonList list;
    auto first = buildPanel(factory<TPanelHV720Form>(), 1, list);
    auto second = buildPanel(factory<TPanelHV710Form>(), 2, list);
    TfrmHM10 module;
    module.setUnitNumber(2);
    module.setCarrier(Carrier::HV710);
    module.buildPortButtons(list);
    list.makeGroup();
    list.makeGroup();  // a second call must not connect twice

    const struct {
        TPortButton* button;
        int tag;
    } clicks[] = {
        {first->portButton(5), 5},
        {second->portButton(52), 64 + 48},
        {second->portButton(52), 64 + 48},  // clicking the down button keeps it down
        {module.SpeedButtonY, 64 + 50},
        {first->portButton(28), 24},
    };
    for (const auto& c : clicks) {
        QTest::mouseClick(c.button, Qt::LeftButton);
        TPortButton* down = list.selected();
        ASSERT_EQ(down, c.button);
        EXPECT_EQ(down->tag(), c.tag);
        int downCount = 0;
        for (const auto& b : list.buttons())
            downCount += b->isPortDown() ? 1 : 0;
        EXPECT_EQ(downCount, 1);
    }
}

TEST(PortButtons, RightClickOffersThePopupMenuNamingTheButton)
{
    TPortButtonList list;
    auto panel = buildPanel(factory<TPanelHV720Form>(), 3, list);
    QMenu menu;
    menu.addAction(QStringLiteral("Port Information"));
    list.setPopupMenu(&menu);
    TPortButton* b = panel->portButton(25);
    QSignalSpy spy(b, &TPortButton::popupRequested);
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(3, 3), b->mapToGlobal(QPoint(3, 3)));
    QCoreApplication::sendEvent(b, &event);
    ASSERT_EQ(spy.count(), 1);
    EXPECT_EQ(spy.at(0).at(0).value<TPortButton*>(), b);
    auto* named = qobject_cast<TPortButton*>(menu.property("popupComponent").value<QObject*>());
    ASSERT_EQ(named, b);
    EXPECT_EQ(named->tag(), 149);
    EXPECT_FALSE(b->isPortDown());  // a right click does not select
    menu.close();
}

TEST(UnitPanel, ClosingStopsAndFreesTheLedBinding)
{
    TPortButtonList list;
    auto panel = buildPanel(factory<TPanelHV640Form>(), 1, list);
    NvSNMPLedGroup* leds = panel->ledBinding();
    ASSERT_NE(leds, nullptr);
    leds->startPollTimer(300);
    ASSERT_EQ(leds->applyOctets(std::string(60, '\x05')), 0);
    TLedShape* shape = leds->led(0).shape;
    EXPECT_EQ(shape->brushColour(), NvSNMPLedColorMapList::rgb(255, 0, 0));
    panel->FormClose();
    EXPECT_EQ(panel->ledBinding(), nullptr);
    EXPECT_EQ(shape->brushColour(), 0);  // back to black
    for (const QTimer* timer : panel->findChildren<QTimer*>())
        EXPECT_FALSE(timer->isActive()) << timer->objectName().toStdString();
}

}  // namespace
