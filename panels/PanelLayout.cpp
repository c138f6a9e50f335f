#include "panels/PanelLayout.h"

namespace {

// The system LEDs' hosts and the names printed left of them, top to bottom.
const char* const kSystemLedHosts[] = {"PowerLedPanel", "MasterLedPanel", "ConsoleLedPanel", "RPowerLedPanel"};
const char* const kSystemLedNames[] = {"Power", "Master", "Console", "RPS"};

}  // namespace

std::vector<QRect> TPanelLayout::ledRects(const LedRow& row)
{
    std::vector<QRect> out;
    const int n = static_cast<int>(row.byteOffsets.split(QLatin1Char(',')).size());
    for (int i = 0; i < n; ++i)
        out.emplace_back(row.at.left() + row.left + i * (row.gap + row.width), row.at.top() + 1, row.width,
                         row.height);
    return out;
}

QString TPanelLayout::portButtonName(int number)
{
    return QStringLiteral("SpeedButton%1").arg(number);
}

void TPanelLayout::addPortRows(const PortRows& rows)
{
    for (size_t i = 0; i < rows.lefts.size(); ++i) {
        const int odd = static_cast<int>(2 * i + 1);
        const int left = rows.lefts[i];
        addButton(odd, odd, QRect(left, rows.upperTop, 23, rows.upperHeight), TPortButton::RjUpper);
        addButton(odd + 1, odd + 1, QRect(left, rows.lowerTop, 23, rows.lowerHeight), TPortButton::RjLower);
    }
}

void TPanelLayout::addButton(int number, int port, const QRect& rect, TPortButton::Style style)
{
    buttons.push_back({.name = portButtonName(number), .port = port, .rect = rect, .style = style});
}

void TPanelLayout::addSingleLeds(LedMap map, int size, std::initializer_list<SingleLed> singles)
{
    for (const SingleLed& s : singles)
        leds.push_back({.host = s.host,
                        .at = QRect(s.at, QSize(size, size)),
                        .byteOffsets = s.byteOffset,
                        .map = map,
                        .left = 1,
                        .gap = 10,
                        .width = size,
                        .height = size});
}

void TPanelLayout::addSystemLeds(const SystemLeds& system)
{
    for (size_t i = 0; i < system.tops.size(); ++i) {
        const int top = system.tops[i];
        addSingleLeds(system.map, system.size,
                      {{.host = QString::fromLatin1(kSystemLedHosts[i]),
                        .at = QPoint(system.left, top),
                        .byteOffset = QString::number(i)}});
        labels.push_back({.text = QString::fromLatin1(kSystemLedNames[i]),
                          .rect = QRect(system.labelLeft, top - system.labelRise, system.labelWidth,
                                        system.labelHeight),
                          .flags = Qt::AlignRight | Qt::AlignVCenter,
                          .pixelSize = system.labelPixelSize});
    }
}

void TPanelLayout::addPortLedPairs(const PortLedPairs& pairs)
{
    struct Row {
        const char* offsets;
        LedMap map;
        NumberSide numbers;
        int numberFirst;
        const char* name;  // printed left of the row
    };
    const Row rows[] = {
        {.offsets = "4,8,12,16,20,24,28,32,36,40,44,48", .map = LedMap::A, .numbers = NumberSide::Above,
         .numberFirst = 1, .name = "Link"},
        {.offsets = "5,9,13,17,21,25,29,33,37,41,45,49", .map = LedMap::B, .numbers = NumberSide::None,
         .numberFirst = 0, .name = "Mode"},
        {.offsets = "6,10,14,18,22,26,30,34,38,42,46,50", .map = LedMap::A, .numbers = NumberSide::None,
         .numberFirst = 0, .name = "Link"},
        {.offsets = "7,11,15,19,23,27,31,35,39,43,47,51", .map = LedMap::B, .numbers = NumberSide::Below,
         .numberFirst = 2, .name = "Mode"},
    };
    for (size_t i = 0; i < pairs.tops.size(); ++i) {
        const Row& r = rows[i];
        leds.push_back({.host = QStringLiteral("LedPanel%1").arg(i + 1),
                        .at = QRect(pairs.left, pairs.tops[i], 148, 5),
                        .byteOffsets = QString::fromLatin1(r.offsets),
                        .map = r.map,
                        .left = 0,
                        .gap = 6,
                        .width = 6,
                        .height = 5,
                        .numbers = r.numbers,
                        .numberFirst = r.numberFirst,
                        .numberStep = r.numbers == NumberSide::None ? 0 : 2});
        labels.push_back({.text = QString::fromLatin1(r.name),
                          .rect = QRect(pairs.left - 28, pairs.tops[i] - 3, 25, 10),
                          .flags = Qt::AlignRight | Qt::AlignVCenter,
                          .pixelSize = 7});
    }
}

void TPanelLayout::addLedRows(std::initializer_list<LedRow> rows)
{
    leds.insert(leds.end(), rows);
}

void TPanelLayout::addLabels(std::initializer_list<Label> more)
{
    labels.insert(labels.end(), more);
}
