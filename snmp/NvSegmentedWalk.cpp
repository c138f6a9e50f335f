#include "snmp/NvSegmentedWalk.h"

#include <algorithm>

#include "snmp/NvBulkWalk.h"
#include "snmp/NvMessageCatalogue.h"
#include "snmp/NvSNMPRequest.h"
#include "snmp/NvSNMPSession.h"
#include "snmp/NvStrictValue.h"

NvSegmentedWalk::NvSegmentedWalk(const NvSNMPVarList& list) : m_list(list) {}

NvSegmentedWalk::~NvSegmentedWalk()
{
    // Replies that come while the requests wind down find nobody listening.
    m_life.reset();
    stop();
    for (Range& r : m_ranges)
        r.request.reset();
}

int32_t NvSegmentedWalk::rowsPerRequest(const NvSNMPVarList& list)
{
    const NvSNMPSettings settings = currentSnmpSettings();
    if (settings.maxRepetitions > 0)
        return std::min(settings.maxRepetitions, NvBulkWalk::kMostRepetitions);
    return NvBulkWalk::repetitionsForDatagram(list, settings);
}

void NvSegmentedWalk::start(std::vector<uint32_t> bounds, DoneHandler done)
{
    std::sort(bounds.begin(), bounds.end());
    bounds.erase(std::unique(bounds.begin(), bounds.end()), bounds.end());
    std::erase(bounds, 0u);
    m_ranges.clear();
    m_ranges.resize(bounds.size() + 1);
    for (size_t i = 0; i < m_ranges.size(); ++i) {
        if (i > 0)
            m_ranges[i].from = bounds[i - 1];
        if (i < bounds.size())
            m_ranges[i].end = bounds[i];
    }
    m_done = std::move(done);
    m_next = 0;
    m_inFlight = 0;
    m_stopped = m_finished = false;
    m_started = true;
    try {
        launch(m_next++);
    } catch (...) {
        m_started = false;
        m_ranges.clear();
        throw;
    }
    while (m_next < m_ranges.size() && m_inFlight < kMostInFlight && !m_finished)
        launch(m_next++);
}

void NvSegmentedWalk::stop()
{
    m_stopped = true;
    for (Range& r : m_ranges)
        if (r.request)
            r.request->alive = false;
}

void NvSegmentedWalk::launch(size_t i)
{
    Range& range = m_ranges[i];
    range.request = std::make_unique<NvSNMPRequest>();
    range.request->varList.assign(m_list);
    ++m_inFlight;
    // A range after the first is sent once the first range's request is out;
    // a failure to send it ends that range only.
    try {
        if (range.from)
            range.request->walkAfterAsync(std::to_string(*range.from - 1), replyHandler(i));
        else
            range.request->getAsync(replyHandler(i), true);
    } catch (const NvSNMPException& x) {
        if (i == 0) {
            --m_inFlight;
            throw;
        }
        failRange(i, x);
    }
}

NvSNMPReplyHandler NvSegmentedWalk::replyHandler(size_t i)
{
    return [this, life = std::weak_ptr<int>(m_life), i](NvSNMPRequest& request, const NvSNMPError& reply) {
        if (!life.expired())
            onReply(i, request, reply);
    };
}

void NvSegmentedWalk::failRange(size_t i, const NvSNMPException& x)
{
    NvSNMPError& failure = m_ranges[i].failure;
    failure.code = x.code();
    failure.message = x.what();
    failure.finished = true;
    endRange(i);
}

void NvSegmentedWalk::onReply(size_t i, NvSNMPRequest& request, const NvSNMPError& reply)
{
    Range& range = m_ranges[i];
    if (range.ended)
        return;
    if (reply.code != 0) {
        range.failure = reply;
        endRange(i);
        return;
    }
    if (reply.finished) {
        endRange(i);
        return;
    }
    // The row's index as the walk read it from the instance.
    uint32_t index = 0;
    try {
        const auto arcs = readDottedNumbers(request.instanceSuffix(), UINT32_MAX);
        if (!arcs || arcs->size() != 1)
            throw errorOfCode(ErrBadKeyCount);
        index = (*arcs)[0];
    } catch (const NvSNMPException& x) {
        failRange(i, x);
        return;
    }
    if (range.end && index >= *range.end) {
        endRange(i);  // the next range's row
        return;
    }
    Values values;
    values.reserve(static_cast<size_t>(request.varList.count()));
    for (int r = 0; r < request.varList.count(); ++r)
        values.push_back(request.varList.row(r).value);
    range.rows.insert_or_assign(index, std::move(values));
    if ((range.end && static_cast<uint64_t>(index) + 1 >= *range.end) || m_stopped || !request.alive) {
        endRange(i);
        return;
    }
    try {
        request.getAsync(replyHandler(i), false);
    } catch (const NvSNMPException& x) {
        failRange(i, x);
    }
}

void NvSegmentedWalk::endRange(size_t i)
{
    m_ranges[i].ended = true;
    --m_inFlight;
    // Past a failure nothing more is needed.
    const bool failed = firstFailed() < m_ranges.size();
    while (m_next < m_ranges.size() && m_inFlight < kMostInFlight) {
        if (m_stopped || (failed && m_next > firstFailed())) {
            m_ranges[m_next++].ended = true;
            continue;
        }
        launch(m_next++);
    }
    if (m_inFlight > 0 || m_next < m_ranges.size() || m_finished)
        return;
    m_finished = true;
    NvSNMPError outcome;
    const size_t failedAt = firstFailed();
    if (failedAt < m_ranges.size())
        outcome = m_ranges[failedAt].failure;
    outcome.finished = true;
    if (m_done) {
        const DoneHandler done = m_done;
        done(outcome);
    }
}

size_t NvSegmentedWalk::firstFailed() const
{
    for (size_t i = 0; i < m_ranges.size(); ++i)
        if (m_ranges[i].failure.code != 0)
            return i;
    return m_ranges.size();
}

std::vector<NvSegmentedWalk::Values> NvSegmentedWalk::rows() const
{
    std::vector<Values> out;
    const size_t through = std::min(firstFailed() + 1, m_ranges.size());
    for (size_t i = 0; i < through; ++i)
        for (const auto& [index, values] : m_ranges[i].rows)
            out.push_back(values);
    return out;
}
