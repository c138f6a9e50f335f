#include "panels/PanelLayout.h"

const TPanelLayout::LedHost* TPanelLayout::host(const QString& name) const
{
    for (const auto& h : hosts) {
        if (h.name == name)
            return &h;
    }
    return nullptr;
}

std::vector<QRect> TPanelLayout::ledRects(const LedGroup& group) const
{
    std::vector<QRect> out;
    const LedHost* h = host(group.host);
    if (!h)
        return out;
    const int n = static_cast<int>(group.byteOffsets.split(QLatin1Char(',')).size());
    for (int i = 0; i < n; ++i)
        out.emplace_back(h->rect.left() + group.left + i * (group.gap + group.width), h->rect.top() + 1,
                         group.width, group.height);
    return out;
}

void TPanelLayout::addPortRows(const std::vector<int>& lefts, int upperTop, int lowerTop, int upperHeight,
                               int lowerHeight)
{
    for (size_t i = 0; i < lefts.size(); ++i) {
        const int odd = static_cast<int>(2 * i + 1);
        addButton(odd, odd, lefts[i], upperTop, 23, upperHeight, TPortButton::RjUpper);
        addButton(odd + 1, odd + 1, lefts[i], lowerTop, 23, lowerHeight, TPortButton::RjLower);
    }
}

void TPanelLayout::addButton(int number, int port, int left, int top, int width, int height,
                             TPortButton::Style style)
{
    buttons.push_back(Button{number, port, QRect(left, top, width, height), style});
}

void TPanelLayout::addLabel(const QString& text, const QRect& rect, int flags, int pixelSize, bool bold)
{
    labels.push_back(Label{text, rect, flags, pixelSize, bold});
}
