#include "companions/CompanionPoller.h"

#include <QDateTime>
#include <algorithm>
#include <map>

#include "companions/CompanionViews.h"
#include "snmp/NvSNMPRequest.h"
#include "snmp/NvSnmpPdu.h"
#include "snmp/NvValueText.h"

namespace {

const NvSNMPVarDescriptor kUpTime[] = {
    {.oid = "1.3.6.1.2.1.1.3", .label = "sysUpTime", .syntax = SyntaxTimeTicks, .access = AccessReadable},
    {},
};

double nowSeconds()
{
    return QDateTime::currentMSecsSinceEpoch() / 1000.0;
}

// Orders instance suffixes as identifiers ("2" before "10").
bool instanceLess(const std::string& a, const std::string& b)
{
    NvOid x;
    NvOid y;
    if (oidFromText(a, x) && oidFromText(b, y))
        return compareOids(x, y) < 0;
    return a < b;
}

}  // namespace

CompanionPoller::CompanionPoller(const CompanionView& view, QObject* parent)
    : QObject(parent)
    , m_view(view)
{
    auto request = std::make_unique<NvSNMPRequest>();
    request->varList = NvSNMPVarList(kUpTime, NvSNMPVarList::ScalarGroup, 0);
    m_requests.push_back(std::move(request));
    for (const CompanionSection& section : view.sections) {
        const bool table = section.layout == CompanionLayout::Table;
        request = std::make_unique<NvSNMPRequest>();
        request->varList = NvSNMPVarList(section.objects, table ? NvSNMPVarList::Table : NvSNMPVarList::ScalarGroup, 0);
        m_requests.push_back(std::move(request));
    }
}

CompanionPoller::~CompanionPoller()
{
    for (auto& request : m_requests)
        request->alive = false;
}

void CompanionPoller::poll()
{
    if (m_busy)
        return;
    m_busy = true;
    m_sample = CompanionSample{};
    m_current = 0;
    try {
        m_requests[0]->getAsync([this](NvSNMPRequest& r, const NvSNMPError& e) { onReply(r, e); }, true);
    } catch (const NvSNMPException& e) {
        finish(QString::fromStdString(e.what()));
    }
}

void CompanionPoller::readNextSection()
{
    ++m_current;
    if (m_current >= m_requests.size()) {
        finish({});
        return;
    }
    NvSNMPRequest& request = *m_requests[m_current];
    m_sample.sections.emplace_back();
    m_lastOids.assign(static_cast<size_t>(request.varList.count()), std::string());
    try {
        request.getAsync([this](NvSNMPRequest& r, const NvSNMPError& e) { onReply(r, e); }, true);
    } catch (const NvSNMPException& e) {
        finish(QString::fromStdString(e.what()));
    }
}

bool CompanionPoller::excludeFailedObject(NvSNMPRequest& request, const NvSNMPError& reply)
{
    NvSNMPVarList& vars = request.varList;
    if (m_current == 0 || vars.isTable() || reply.errorIndex <= 0)
        return false;
    // The error index counts the asked objects, which are the readable rows.
    int asked = 0;
    int remaining = 0;
    for (int r = 0; r < vars.count(); ++r) {
        if (!vars.isReadable(r))
            continue;
        if (++asked == reply.errorIndex)
            vars.row(r).access |= AccessExcluded;
        else
            ++remaining;
    }
    if (asked < reply.errorIndex || remaining == 0)
        return false;
    try {
        request.getAsync([this](NvSNMPRequest& r, const NvSNMPError& e) { onReply(r, e); }, true);
    } catch (const NvSNMPException&) {
        return false;
    }
    return true;
}

void CompanionPoller::onReply(NvSNMPRequest& request, const NvSNMPError& reply)
{
    // A scalar the agent does not have is left out of this and later polls,
    // so that the group's other objects are still shown.
    if (reply.code != 0 && excludeFailedObject(request, reply))
        return;
    if (reply.code != 0) {
        const QString text = QString::fromStdString(reply.message).trimmed();
        finish(QStringLiteral("Error %1%2").arg(reply.code).arg(text.isEmpty() ? QString() : QStringLiteral(": ") + text));
        return;
    }
    NvSNMPVarList& vars = request.varList;
    if (m_current == 0) {
        const std::string& text = vars.row(0).value;
        if (!text.empty() && text != kNullValueText)
            m_sample.point.upTime = textToTimeTicks(text);
        m_sample.point.wallSeconds = nowSeconds();
        readNextSection();
        return;
    }

    std::vector<CompanionRow>& rows = m_sample.sections.back();
    if (!vars.isTable()) {
        for (int r = 0; r < vars.count(); ++r) {
            const std::string& value = vars.row(r).value;
            const bool shown = vars.isReadable(r) && value != kNullValueText;
            rows.push_back({vars.row(r).label, {shown ? value : std::string()}});
        }
        readNextSection();
        return;
    }

    // Each column walks on its own: a value counts for the instance it came with,
    // so sparse tables keep their gaps instead of shifting values between lines.
    const size_t columns = static_cast<size_t>(vars.count());
    for (size_t c = 0; c < columns; ++c) {
        const NvSNMPVarRow& row = vars.row(static_cast<int>(c));
        const std::string& base = row.oid;
        if (row.lastOid == m_lastOids[c] || row.lastOid.size() <= base.size() + 1
            || row.lastOid.compare(0, base.size(), base) != 0 || row.lastOid[base.size()] != '.')
            continue;
        m_lastOids[c] = row.lastOid;
        const std::string instance = row.lastOid.substr(base.size() + 1);
        auto it = std::find_if(rows.rbegin(), rows.rend(), [&](const CompanionRow& l) { return l.instance == instance; });
        CompanionRow* line = nullptr;
        if (it != rows.rend()) {
            line = &*it;
        } else {
            rows.push_back({instance, std::vector<std::string>(columns)});
            line = &rows.back();
        }
        line->values[c] = row.value;
    }
    if (!reply.finished && rows.size() < kMostRows) {
        try {
            request.getAsync([this](NvSNMPRequest& r, const NvSNMPError& e) { onReply(r, e); }, false);
        } catch (const NvSNMPException& e) {
            finish(QString::fromStdString(e.what()));
        }
        return;
    }
    std::stable_sort(rows.begin(), rows.end(),
                     [](const CompanionRow& a, const CompanionRow& b) { return instanceLess(a.instance, b.instance); });
    readNextSection();
}

void CompanionPoller::finish(const QString& error)
{
    m_sample.error = error;
    if (m_sample.point.wallSeconds == 0)
        m_sample.point.wallSeconds = nowSeconds();
    m_busy = false;
    const CompanionSample sample = std::move(m_sample);
    emit sampled(sample);
}
