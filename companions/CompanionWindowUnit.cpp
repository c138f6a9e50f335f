#include "companions/CompanionWindowUnit.h"

#include <QAction>
#include <QComboBox>
#include <QDateTime>
#include <QFile>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QSaveFile>
#include <QSet>
#include <QSpinBox>
#include <QSplitter>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>
#include <QTreeWidget>
#include <QtCharts/QChart>
#include <QtCharts/QChartView>
#include <QtCharts/QDateTimeAxis>
#include <QtCharts/QLineSeries>
#include <QtCharts/QValueAxis>
#include <set>

#include "companions/CompanionViews.h"
#include "companions/CounterRate.h"

namespace {

constexpr int kLineColumn = 0;  // instance (tables) or object label (scalars)
const QString kAllCounters = QStringLiteral("All counters");

QString text(const std::string& value)
{
    return QString::fromStdString(value);
}

QString csvField(const QString& field)
{
    if (!field.contains(QLatin1Char(',')) && !field.contains(QLatin1Char('"')) && !field.contains(QLatin1Char('\n'))
        && !field.contains(QLatin1Char('\r')))
        return field;
    QString quoted = field;
    quoted.replace(QLatin1String("\""), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

int objectCount(const NvSNMPVarDescriptor* objects)
{
    int n = 0;
    while (objects[n].oid)
        ++n;
    return n;
}

bool isNumeric(NvSyntax syntax)
{
    return syntax == SyntaxCounter || syntax == SyntaxCounter64 || syntax == SyntaxGauge || syntax == SyntaxInteger;
}

}  // namespace

TCompanionWindow::TCompanionWindow(const CompanionView& view, const QString& address, QWidget* parent)
    : QMainWindow(parent)
    , m_view(view)
    , m_address(address)
    , m_history(kDefaultKeepMinutes)
{
    setObjectName(QStringLiteral("CompanionWindow"));
    setWindowTitle(QStringLiteral("%1 - %2").arg(QString::fromLatin1(view.title), address));
    m_poller = new CompanionPoller(view, this);
    connect(m_poller, &CompanionPoller::sampled, this, &TCompanionWindow::onSample);
    m_timer = new QTimer(this);
    m_timer->setInterval(kDefaultIntervalSeconds * 1000);
    connect(m_timer, &QTimer::timeout, this, &TCompanionWindow::pollNow);
    buildWindow();
    resize(980, 640);
}

TCompanionWindow::~TCompanionWindow() = default;

void TCompanionWindow::buildWindow()
{
    QToolBar* bar = addToolBar(QStringLiteral("Polling"));
    bar->setObjectName(QStringLiteral("PollingBar"));
    bar->setMovable(false);
    bar->addWidget(new QLabel(QStringLiteral(" Poll every "), bar));
    m_interval = new QSpinBox(bar);
    m_interval->setObjectName(QStringLiteral("PollInterval"));
    m_interval->setRange(1, 3600);
    m_interval->setSuffix(QStringLiteral(" s"));
    m_interval->setValue(kDefaultIntervalSeconds);
    connect(m_interval, &QSpinBox::valueChanged, this, [this](int s) { m_timer->setInterval(s * 1000); });
    bar->addWidget(m_interval);
    m_pause = bar->addAction(QStringLiteral("Pause"));
    m_pause->setObjectName(QStringLiteral("Pause"));
    m_pause->setCheckable(true);
    connect(m_pause, &QAction::toggled, this, &TCompanionWindow::setPaused);
    bar->addAction(QStringLiteral("Refresh"), this, &TCompanionWindow::pollNow);
    bar->addSeparator();
    bar->addWidget(new QLabel(QStringLiteral(" Chart "), bar));
    m_counterChoice = new QComboBox(bar);
    m_counterChoice->setObjectName(QStringLiteral("ChartedCounter"));
    m_counterChoice->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    connect(m_counterChoice, &QComboBox::currentIndexChanged, this, &TCompanionWindow::redrawChart);
    bar->addWidget(m_counterChoice);
    bar->addWidget(new QLabel(QStringLiteral(" Keep "), bar));
    m_keep = new QSpinBox(bar);
    m_keep->setObjectName(QStringLiteral("KeepMinutes"));
    m_keep->setRange(1, 240);
    m_keep->setSuffix(QStringLiteral(" min"));
    m_keep->setValue(kDefaultKeepMinutes);
    connect(m_keep, &QSpinBox::valueChanged, this, [this](int m) {
        m_history.setKeepMinutes(m);
        redrawChart();
    });
    bar->addWidget(m_keep);
    bar->addSeparator();
    bar->addAction(QStringLiteral("Export CSV..."), this, [this] {
        const QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Export table"), QString(),
                                                          QStringLiteral("CSV files (*.csv)"));
        if (!path.isEmpty() && !exportCsv(path))
            statusBar()->showMessage(QStringLiteral("Cannot write %1").arg(path), 10000);
    });
    bar->addAction(QStringLiteral("Export PNG..."), this, [this] {
        const QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Export chart"), QString(),
                                                          QStringLiteral("PNG images (*.png)"));
        if (!path.isEmpty() && !exportPng(path))
            statusBar()->showMessage(QStringLiteral("Cannot write %1").arg(path), 10000);
    });

    auto* splitter = new QSplitter(Qt::Vertical, this);
    m_tabs = new QTabWidget(splitter);
    m_tabs->setObjectName(QStringLiteral("Sections"));
    m_sections.resize(m_view.sections.size());
    for (int i = 0; i < static_cast<int>(m_view.sections.size()); ++i)
        buildSection(i);
    connect(m_tabs, &QTabWidget::currentChanged, this, [this] {
        refreshChartChoices();
        redrawChart();
    });

    auto* chart = new QChart;
    chart->legend()->setAlignment(Qt::AlignRight);
    chart->setMargins(QMargins(4, 4, 4, 4));
    m_chartView = new QChartView(chart, splitter);
    m_chartView->setObjectName(QStringLiteral("Chart"));
    m_chartView->setRenderHint(QPainter::Antialiasing);
    m_chartView->setMinimumHeight(220);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 2);
    setCentralWidget(splitter);

    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("CompanionStatus"));
    statusBar()->addWidget(m_status, 1);
    m_status->setText(QStringLiteral("Reading %1 ...").arg(m_address));
    refreshChartChoices();
    redrawChart();
}

void TCompanionWindow::buildSection(int index)
{
    const CompanionSection& def = m_view.sections[static_cast<size_t>(index)];
    Section& section = m_sections[static_cast<size_t>(index)];
    section.tree = new QTreeWidget(m_tabs);
    section.tree->setObjectName(QStringLiteral("Section%1").arg(index));
    section.tree->setRootIsDecorated(false);
    section.tree->setUniformRowHeights(true);
    section.tree->setSelectionMode(QAbstractItemView::ExtendedSelection);
    section.tree->setAlternatingRowColors(true);
    QStringList headers;
    if (def.layout == CompanionLayout::Scalars) {
        headers << QStringLiteral("Object") << QStringLiteral("Value") << QStringLiteral("Rate/s");
        section.columns = {{.object = -1, .rate = false, .caption = headers[1]},
                           {.object = -1, .rate = true, .caption = headers[2]}};
    } else {
        headers << QStringLiteral("Instance");
        for (int o = 0; o < objectCount(def.objects); ++o) {
            const QString label = QString::fromLatin1(def.objects[o].label);
            section.columns.push_back({.object = o, .rate = false, .caption = label});
            headers << label;
            if (CounterRate::isCounter(def.objects[o].syntax) && !def.buckets) {
                section.columns.push_back({.object = o, .rate = true, .caption = label + QStringLiteral("/s")});
                headers << label + QStringLiteral("/s");
            }
            if (def.rowName && label == QLatin1String(def.rowName))
                section.rowNameObject = o;
        }
    }
    section.tree->setHeaderLabels(headers);
    // Widths follow the contents at the first polls only: measuring every cell
    // on every change would cost more than the poll itself.
    section.tree->header()->setSectionResizeMode(QHeaderView::Interactive);
    connect(section.tree, &QTreeWidget::itemSelectionChanged, this, &TCompanionWindow::redrawChart);
    m_tabs->addTab(section.tree, QString::fromLatin1(def.caption));
}

QTreeWidget* TCompanionWindow::table(int section) const
{
    return section >= 0 && section < static_cast<int>(m_sections.size()) ? m_sections[static_cast<size_t>(section)].tree
                                                                        : nullptr;
}

QString TCompanionWindow::statusText() const
{
    return m_status->text();
}

void TCompanionWindow::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!m_started) {
        m_started = true;
        pollNow();
        if (!m_pause->isChecked())
            m_timer->start();
    }
}

void TCompanionWindow::pollNow()
{
    m_poller->poll();
}

void TCompanionWindow::setPaused(bool paused)
{
    if (m_pause->isChecked() != paused)
        m_pause->setChecked(paused);  // comes back here through toggled
    if (paused)
        m_timer->stop();
    else if (m_started)
        m_timer->start();
}

void TCompanionWindow::setIntervalSeconds(int seconds)
{
    m_interval->setValue(seconds);
}

void TCompanionWindow::setChartedCounter(const QString& label)
{
    const int i = m_counterChoice->findText(label.isEmpty() ? kAllCounters : label);
    if (i >= 0)
        m_counterChoice->setCurrentIndex(i);
}

void TCompanionWindow::onSample(const CompanionSample& sample)
{
    // An agent whose clock went back restarted: every counter began again, so
    // no rate is drawn across it and the charted series start afresh.
    const bool restarted = m_last && m_last->point.upTime && sample.point.upTime
                           && *sample.point.upTime < *m_last->point.upTime;
    if (restarted)
        m_history.clear();
    for (size_t s = 0; s < sample.sections.size() && s < m_sections.size(); ++s) {
        const std::vector<CompanionRow>* before =
            m_last && !restarted && s < m_last->sections.size() ? &m_last->sections[s] : nullptr;
        fillSection(static_cast<int>(s), sample.sections[s], before, before ? m_last->point : sample.point,
                    sample.point);
    }
    ++m_samples;
    const QString when = QDateTime::fromMSecsSinceEpoch(qint64(sample.point.wallSeconds * 1000)).toString("hh:mm:ss");
    if (sample.error.isEmpty()) {
        m_status->setText(QStringLiteral("%1: polled at %2%3").arg(m_address, when,
                              m_pause->isChecked() ? QStringLiteral(", paused")
                                                   : QStringLiteral(", every %1 s").arg(m_interval->value())));
        // A failed poll keeps the last good one as the base of the next rates.
        m_last = sample;
    } else {
        m_status->setText(QStringLiteral("%1: poll at %2 failed: %3").arg(m_address, when, sample.error));
    }
    if (m_samples == 1) {
        refreshChartChoices();
        // The chart starts with the first line, so that a fresh view is alive.
        for (const Section& section : m_sections) {
            if (section.tree->selectedItems().isEmpty() && section.tree->topLevelItemCount() > 0)
                section.tree->topLevelItem(0)->setSelected(true);
        }
    }
    redrawChart();
    emit sampleShown();
}

NvSyntax TCompanionWindow::syntaxOf(int section, int object, const QString& instance) const
{
    const CompanionSection& def = m_view.sections[static_cast<size_t>(section)];
    if (object >= 0)
        return def.objects[object].syntax;
    for (int o = 0; def.objects[o].oid; ++o) {
        if (instance == QLatin1String(def.objects[o].label))
            return def.objects[o].syntax;
    }
    return SyntaxOctets;
}

void TCompanionWindow::fillSection(int index, const std::vector<CompanionRow>& rows,
                                   const std::vector<CompanionRow>* before, const CounterPoint& beforePoint,
                                   const CounterPoint& point)
{
    Section& section = m_sections[static_cast<size_t>(index)];
    QTreeWidget* tree = section.tree;
    std::map<std::string, const CompanionRow*> previous;
    if (before) {
        for (const CompanionRow& row : *before)
            previous[row.instance] = &row;
    }
    QHash<QString, QTreeWidgetItem*> items;
    for (int i = 0; i < tree->topLevelItemCount(); ++i)
        items.insert(tree->topLevelItem(i)->text(kLineColumn), tree->topLevelItem(i));
    QSet<QString> present;
    const bool scalars = m_view.sections[static_cast<size_t>(index)].layout == CompanionLayout::Scalars;

    tree->setUpdatesEnabled(false);
    for (size_t r = 0; r < rows.size(); ++r) {
        const CompanionRow& row = rows[r];
        const QString instance = text(row.instance);
        present.insert(instance);
        QTreeWidgetItem* item = items.value(instance);
        if (!item) {
            item = new QTreeWidgetItem;
            item->setText(kLineColumn, instance);
            tree->insertTopLevelItem(static_cast<int>(r) < tree->topLevelItemCount() ? static_cast<int>(r)
                                                                                        : tree->topLevelItemCount(),
                                     item);
        }
        const auto prev = previous.find(row.instance);
        for (size_t c = 0; c < section.columns.size(); ++c) {
            const Column& column = section.columns[c];
            const size_t valueIndex = scalars ? 0 : static_cast<size_t>(column.object);
            const std::string& value = valueIndex < row.values.size() ? row.values[valueIndex] : std::string();
            const int treeColumn = static_cast<int>(c) + 1;
            if (!column.rate) {
                item->setText(treeColumn, text(value));
                continue;
            }
            const NvSyntax syntax = syntaxOf(index, column.object, instance);
            std::optional<double> rate;
            if (CounterRate::isCounter(syntax) && prev != previous.end() && valueIndex < prev->second->values.size())
                rate = CounterRate::rate(syntax, prev->second->values[valueIndex], value, beforePoint, point);
            item->setText(treeColumn, rate ? text(CounterRate::text(*rate)) : QString());
            item->setTextAlignment(treeColumn, Qt::AlignRight | Qt::AlignVCenter);
            if (rate) {
                const QString counter = scalars ? instance : QString::fromLatin1(m_view.sections[static_cast<size_t>(index)]
                                                                                     .objects[column.object].label);
                m_history.add({instance, counter}, point.wallSeconds, *rate);
            }
        }
    }
    for (int i = tree->topLevelItemCount() - 1; i >= 0; --i) {
        if (!present.contains(tree->topLevelItem(i)->text(kLineColumn)))
            delete tree->takeTopLevelItem(i);
    }
    if (m_samples < 2) {  // the first values, then the first rates
        for (int c = 0; c < tree->columnCount(); ++c)
            tree->resizeColumnToContents(c);
    }
    tree->setUpdatesEnabled(true);
}

QString TCompanionWindow::lineName(int section, const QString& instance) const
{
    const Section& s = m_sections[static_cast<size_t>(section)];
    if (s.rowNameObject < 0)
        return instance;
    for (size_t c = 0; c < s.columns.size(); ++c) {
        if (s.columns[c].object != s.rowNameObject || s.columns[c].rate)
            continue;
        for (int i = 0; i < s.tree->topLevelItemCount(); ++i) {
            const QTreeWidgetItem* item = s.tree->topLevelItem(i);
            if (item->text(kLineColumn) == instance && !item->text(static_cast<int>(c) + 1).isEmpty())
                return item->text(static_cast<int>(c) + 1);
        }
    }
    return instance;
}

void TCompanionWindow::refreshChartChoices()
{
    const int section = m_tabs->currentIndex();
    const QString chosen = m_counterChoice->currentText();
    QSignalBlocker block(m_counterChoice);
    m_counterChoice->clear();
    if (section < 0)
        return;
    const CompanionSection& def = m_view.sections[static_cast<size_t>(section)];
    if (def.layout == CompanionLayout::Table) {
        const bool samples = def.buckets;
        if (!samples)
            m_counterChoice->addItem(kAllCounters);
        for (int o = 0; def.objects[o].oid; ++o) {
            const NvSyntax syntax = def.objects[o].syntax;
            if (samples ? isNumeric(syntax) && !def.objects[o].options : CounterRate::isCounter(syntax))
                m_counterChoice->addItem(QString::fromLatin1(def.objects[o].label));
        }
    }
    const int keep = m_counterChoice->findText(chosen);
    // A fresh chart draws one counter (counters of one line differ by orders of
    // magnitude): the sampled view its packet count, the others their first counter.
    const int packets = m_counterChoice->findText(QStringLiteral("etherHistoryPkts"));
    const int firstCounter = m_counterChoice->count() > 1 ? 1 : 0;
    m_counterChoice->setCurrentIndex(keep >= 0 ? keep : packets >= 0 ? packets : firstCounter);
    m_counterChoice->setEnabled(m_counterChoice->count() > 1);
}

void TCompanionWindow::redrawChart()
{
    QChart* chart = m_chartView->chart();
    chart->removeAllSeries();
    for (QAbstractAxis* axis : chart->axes())
        chart->removeAxis(axis), delete axis;
    const int section = m_tabs->currentIndex();
    if (section < 0)
        return;
    if (m_view.sections[static_cast<size_t>(section)].buckets)
        drawSamples(section);
    else
        drawRates(section);
}

void TCompanionWindow::drawRates(int section)
{
    QChart* chart = m_chartView->chart();
    const CompanionSection& def = m_view.sections[static_cast<size_t>(section)];
    const bool scalars = def.layout == CompanionLayout::Scalars;
    const QString chosen = m_counterChoice->currentText();
    QStringList counters;
    for (int o = 0; !scalars && def.objects[o].oid; ++o) {
        const QString label = QString::fromLatin1(def.objects[o].label);
        if (CounterRate::isCounter(def.objects[o].syntax) && (chosen == kAllCounters || chosen == label))
            counters << label;
    }
    auto* time = new QDateTimeAxis;
    time->setFormat(QStringLiteral("hh:mm:ss"));
    time->setTitleText(QStringLiteral("time"));
    auto* value = new QValueAxis;
    value->setTitleText(QStringLiteral("per second"));
    value->setLabelFormat(QStringLiteral("%.0f"));
    chart->addAxis(time, Qt::AlignBottom);
    chart->addAxis(value, Qt::AlignLeft);

    double low = 0, high = 1, first = 0, last = 0;
    int drawn = 0;
    for (const QTreeWidgetItem* item : m_sections[static_cast<size_t>(section)].tree->selectedItems()) {
        const QString instance = item->text(kLineColumn);
        const QStringList keys = scalars ? QStringList{instance} : counters;
        for (const QString& counter : keys) {
            const std::vector<QPointF> points = m_history.points({instance, counter});
            auto* series = new QLineSeries;
            series->setName(scalars ? counter : lineName(section, instance) + QLatin1Char(' ') + counter);
            for (const QPointF& p : points) {
                series->append(p.x() * 1000, p.y());
                high = std::max(high, p.y());
                first = first == 0 ? p.x() : std::min(first, p.x());
                last = std::max(last, p.x());
            }
            chart->addSeries(series);
            series->attachAxis(time);
            series->attachAxis(value);
            ++drawn;
        }
    }
    if (first == 0)
        first = last = QDateTime::currentMSecsSinceEpoch() / 1000.0;
    time->setRange(QDateTime::fromMSecsSinceEpoch(qint64(std::min(first, last - 60) * 1000)),
                   QDateTime::fromMSecsSinceEpoch(qint64(last * 1000)));
    value->setRange(low, high * 1.1);
    chart->setTitle(drawn ? QStringLiteral("Rates per second, last %1 min").arg(m_history.keepMinutes())
                          : QStringLiteral("Select lines of the table to chart their rates"));
}

void TCompanionWindow::drawSamples(int section)
{
    QChart* chart = m_chartView->chart();
    const CompanionSection& def = m_view.sections[static_cast<size_t>(section)];
    const Section& s = m_sections[static_cast<size_t>(section)];
    const QString chosen = m_counterChoice->currentText();
    int column = -1;
    for (size_t c = 0; c < s.columns.size(); ++c) {
        if (!s.columns[c].rate && s.columns[c].caption == chosen)
            column = static_cast<int>(c) + 1;
    }
    auto* sampleAxis = new QValueAxis;
    sampleAxis->setTitleText(QStringLiteral("sample"));
    sampleAxis->setLabelFormat(QStringLiteral("%d"));
    auto* value = new QValueAxis;
    value->setTitleText(chosen);
    value->setLabelFormat(QStringLiteral("%.0f"));
    chart->addAxis(sampleAxis, Qt::AlignBottom);
    chart->addAxis(value, Qt::AlignLeft);

    // Lines are "control.sample"; a selected line charts every sample of its control entry.
    std::set<QString> controls;
    for (const QTreeWidgetItem* item : s.tree->selectedItems())
        controls.insert(item->text(kLineColumn).section(QLatin1Char('.'), 0, 0));
    double low = 0, high = 1, first = 1, last = 2;
    bool any = false;
    for (const QString& control : controls) {
        auto* series = new QLineSeries;
        series->setName(QStringLiteral("history %1 %2").arg(control, chosen));
        for (int i = 0; column > 0 && i < s.tree->topLevelItemCount(); ++i) {
            const QTreeWidgetItem* item = s.tree->topLevelItem(i);
            const QString instance = item->text(kLineColumn);
            if (instance.section(QLatin1Char('.'), 0, 0) != control)
                continue;
            bool okX = false, okY = false;
            const double x = instance.section(QLatin1Char('.'), 1, 1).toDouble(&okX);
            const double y = item->text(column).toDouble(&okY);
            if (!okX || !okY)
                continue;
            series->append(x, y);
            high = std::max(high, y);
            first = any ? std::min(first, x) : x;
            last = any ? std::max(last, x) : x;
            any = true;
        }
        chart->addSeries(series);
        series->attachAxis(sampleAxis);
        series->attachAxis(value);
    }
    sampleAxis->setRange(first, std::max(last, first + 1));
    value->setRange(low, high * 1.1);
    chart->setTitle(controls.empty() ? QStringLiteral("Select sample lines to chart their history")
                                     : QString::fromLatin1(def.caption));
}

QString TCompanionWindow::tableCsv() const
{
    const QTreeWidget* tree = m_sections[static_cast<size_t>(std::max(0, m_tabs->currentIndex()))].tree;
    QStringList lines;
    QStringList fields;
    for (int c = 0; c < tree->columnCount(); ++c)
        fields << csvField(tree->headerItem()->text(c));
    lines << fields.join(QLatin1Char(','));
    for (int i = 0; i < tree->topLevelItemCount(); ++i) {
        fields.clear();
        for (int c = 0; c < tree->columnCount(); ++c)
            fields << csvField(tree->topLevelItem(i)->text(c));
        lines << fields.join(QLatin1Char(','));
    }
    return lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}

bool TCompanionWindow::exportCsv(const QString& path) const
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(tableCsv().toUtf8());
    return file.commit();
}

bool TCompanionWindow::exportPng(const QString& path) const
{
    return m_chartView->grab().save(path, "PNG");
}
