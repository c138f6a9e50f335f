#pragma once
// The window of a companion view: a tab per section with the agent's lines,
// each counter shown as its value and its rate per second since the last poll;
// a poll interval that can be paused; a live chart of the selected lines; the
// visible table exported as CSV and the chart as PNG.
#include <QMainWindow>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "companions/CompanionPoller.h"
#include "companions/RateHistory.h"

class QAction;
class QChartView;
class QComboBox;
class QLabel;
class QSpinBox;
class QTabWidget;
class QTimer;
class QTreeWidget;
struct CompanionView;

class TCompanionWindow : public QMainWindow {
    Q_OBJECT

public:
    static constexpr int kDefaultIntervalSeconds = 5;
    static constexpr int kDefaultKeepMinutes = 10;

    // address names the agent in the caption; polling starts when the window is shown.
    TCompanionWindow(const CompanionView& view, const QString& address, QWidget* parent = nullptr);
    ~TCompanionWindow() override;

    const CompanionView& view() const { return m_view; }
    // The table of a section.
    QTreeWidget* table(int section) const;
    int samplesTaken() const { return m_samples; }
    // The status line (the last poll's time or its failure).
    QString statusText() const;
    QChartView* chartView() const { return m_chartView; }

    // Starts a poll now (nothing when one is running).
    void pollNow();
    void setPaused(bool paused);
    void setIntervalSeconds(int seconds);
    // Chooses the charted counter by label; an empty label charts every counter.
    void setChartedCounter(const QString& label);

    // The visible table as CSV: a header line, then one line per table line.
    QString tableCsv() const;
    bool exportCsv(const QString& path) const;
    bool exportPng(const QString& path) const;

signals:
    void sampleShown();

protected:
    void showEvent(QShowEvent* event) override;

private:
    struct Column {
        int object;       // descriptor row
        bool rate;        // the rate column of a counter
        QString caption;
    };
    struct Section {
        QTreeWidget* tree = nullptr;
        std::vector<Column> columns;
        int rowNameObject = -1;
    };

    void buildWindow();
    void buildSection(int index);
    void onSample(const CompanionSample& sample);
    // Shows a section's lines; before (with its poll's point) gives the rates.
    void fillSection(int index, const std::vector<CompanionRow>& rows, const std::vector<CompanionRow>* before,
                     const CounterPoint& beforePoint, const CounterPoint& point);
    void refreshChartChoices();
    void redrawChart();
    void drawRates(int section);
    void drawSamples(int section);
    QString lineName(int section, const QString& instance) const;
    NvSyntax syntaxOf(int section, int object, const QString& instance) const;

    const CompanionView& m_view;
    QString m_address;
    CompanionPoller* m_poller = nullptr;
    QTimer* m_timer = nullptr;
    QTabWidget* m_tabs = nullptr;
    QChartView* m_chartView = nullptr;
    QComboBox* m_counterChoice = nullptr;
    QSpinBox* m_interval = nullptr;
    QSpinBox* m_keep = nullptr;
    QAction* m_pause = nullptr;
    QLabel* m_status = nullptr;
    std::vector<Section> m_sections;
    std::optional<CompanionSample> m_last;
    RateHistory m_history;
    int m_samples = 0;
    bool m_started = false;
};
