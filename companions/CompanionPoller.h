#pragma once
// One poll of a companion view: sysUpTime, then every section of the view in
// turn through the module's request engine (tables walked with GETBULK where the
// version allows, scalars read with one get), without blocking the window. The
// sample is handed over when the last section is read or a request fails.
#include <QObject>
#include <QString>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "companions/CounterRate.h"

class NvSNMPRequest;
class NvSNMPError;
struct CompanionView;

struct CompanionRow {
    std::string instance;             // the instance suffix; the object's label for scalar sections
    std::vector<std::string> values;  // per column (tables) or one value (scalars); empty where absent
};

struct CompanionSample {
    CounterPoint point;
    std::vector<std::vector<CompanionRow>> sections;  // rows per section, in instance order
    QString error;                                    // set when a request failed; sections read so far stay
};

class CompanionPoller : public QObject {
    Q_OBJECT

public:
    // Most lines one table section keeps (an agent that never ends a column).
    static constexpr size_t kMostRows = 20000;

    explicit CompanionPoller(const CompanionView& view, QObject* parent = nullptr);
    ~CompanionPoller() override;

    // Starts a poll; nothing when one is running.
    void poll();
    bool busy() const { return m_busy; }

signals:
    void sampled(const CompanionSample& sample);

private:
    void readNextSection();
    void onReply(NvSNMPRequest& request, const NvSNMPError& reply);
    void finish(const QString& error);
    // Takes the object a scalar get failed on out of the section and asks again;
    // false when the failure names no such object.
    bool excludeFailedObject(NvSNMPRequest& request, const NvSNMPError& reply);

    const CompanionView& m_view;
    std::vector<std::unique_ptr<NvSNMPRequest>> m_requests;  // sysUpTime, then one per section
    size_t m_current = 0;
    bool m_busy = false;
    CompanionSample m_sample;
    std::vector<std::string> m_lastOids;  // per column of the section being walked
};
