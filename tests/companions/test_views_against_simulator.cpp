// The companion views against hv720-sim: every view shows lines with values in
// every column, counters get rates from the second poll on, the chart draws the
// selected lines, the table exports as CSV and the chart as PNG; the programs
// themselves start with the module's switches and hide the secrets.
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtCharts/QChart>
#include <QtCharts/QChartView>
#include <QtCharts/QLineSeries>
#include <gtest/gtest.h>

#include "companions/CompanionViews.h"
#include "snmp/NvEventWait.h"
#include "tests/common/SimulatorProcess.h"
#include "tests/common/SimulatorSuite.h"
#include "tests/common/TestFiles.h"
#include "tests/companions/CompanionFixture.h"

namespace {

class CompanionAgainstSimulator : public SimulatorSuite {};

const CompanionView& viewNamed(const char* argument)
{
    const CompanionView* view = CompanionViews::find(QString::fromLatin1(argument));
    EXPECT_TRUE(view) << argument;
    return *view;
}

QStringList seriesNames(const TCompanionWindow& window)
{
    QStringList names;
    for (const QAbstractSeries* series : window.chartView()->chart()->series())
        names << series->name();
    return names;
}

}  // namespace

TEST_F(CompanionAgainstSimulator, EveryViewShowsValuesInEveryColumn)
{
    for (const CompanionView& view : CompanionViews::all()) {
        SCOPED_TRACE(view.argument);
        const auto window = openCompanion(view);
        ASSERT_TRUE(window);
        EXPECT_FALSE(window->statusText().contains("failed")) << window->statusText().toStdString();
        for (int s = 0; s < static_cast<int>(view.sections.size()); ++s) {
            SCOPED_TRACE(view.sections[s].caption);
            const QTreeWidget* tree = window->table(s);
            ASSERT_GT(tree->topLevelItemCount(), 0);
            const QTreeWidgetItem* first = tree->topLevelItem(0);
            for (int c = 0; c < tree->columnCount(); ++c) {
                const QString header = tree->headerItem()->text(c);
                if (header.endsWith("/s") || header == "Rate/s")
                    continue;  // rates come with the second poll
                if (header.endsWith("AuthKey"))
                    continue;  // authentication keys read back empty
                EXPECT_FALSE(first->text(c).isEmpty()) << header.toStdString();
            }
        }
    }
}

TEST_F(CompanionAgainstSimulator, CountersGetRatesAndTheChartDrawsTheSelectedLines)
{
    const auto window = openCompanion(viewNamed("MIB_IFCounters"));
    ASSERT_TRUE(window);
    QTreeWidget* tree = window->table(0);
    ASSERT_GT(tree->topLevelItemCount(), 2);
    EXPECT_TRUE(cellOf(*window, 0, "1", "ifInOctets/s").isEmpty());
    waitUntil([] { return false; }, 1100);  // let the agent's clock move
    ASSERT_TRUE(pollAgain(*window));
    for (const char* instance : {"1", "2"}) {
        SCOPED_TRACE(instance);
        bool ok = false;
        EXPECT_GT(cellOf(*window, 0, instance, "ifInOctets/s").toDouble(&ok), 0);
        EXPECT_TRUE(ok);
        EXPECT_FALSE(cellOf(*window, 0, instance, "ifOutUcastPkts/s").isEmpty());
    }
    // Two ports of one counter: one series each, named by port and counter.
    window->setChartedCounter("ifInOctets");
    tree->topLevelItem(0)->setSelected(true);
    tree->topLevelItem(1)->setSelected(true);
    EXPECT_EQ(seriesNames(*window), (QStringList{"Unit 1 Port 1 ifInOctets", "Unit 1 Port 2 ifInOctets"}));
    const auto* series = qobject_cast<QLineSeries*>(window->chartView()->chart()->series().at(0));
    ASSERT_TRUE(series);
    EXPECT_EQ(series->count(), 1);  // one rate so far
    EXPECT_NEAR(series->at(0).y(), cellOf(*window, 0, "1", "ifInOctets/s").toDouble(), 0.5);

    QTemporaryDir dir;
    const QString png = dir.filePath("chart.png");
    ASSERT_TRUE(window->exportPng(png));
    const QImage image(png);
    EXPECT_EQ(image.size(), window->chartView()->size());
}

TEST_F(CompanionAgainstSimulator, HistoryChartDrawsTheSamplesOfTheSelectedEntry)
{
    const auto window = openCompanion(viewNamed("Rmon_History"));
    ASSERT_TRUE(window);
    QTreeWidget* tree = window->table(0);
    ASSERT_GT(tree->topLevelItemCount(), 0);
    tree->topLevelItem(0)->setSelected(true);
    ASSERT_EQ(seriesNames(*window), QStringList{"history 1 etherHistoryPkts"});
    const auto* series = qobject_cast<QLineSeries*>(window->chartView()->chart()->series().at(0));
    int samples = 0;
    for (int i = 0; i < tree->topLevelItemCount(); ++i)
        samples += tree->topLevelItem(i)->text(0).startsWith("1.") ? 1 : 0;
    ASSERT_EQ(series->count(), samples);
    EXPECT_EQ(series->at(2).x(), 3);
    EXPECT_EQ(series->at(2).y(), cellOf(*window, 0, "1.3", "etherHistoryPkts").toDouble());
}

TEST_F(CompanionAgainstSimulator, CsvExportHoldsTheVisibleTable)
{
    // A value with a comma and quotes must come back as one field.
    ASSERT_EQ(sim->set({"1.3.6.1.2.1.1.4.0", "s", "Ops \"night\", room 2"}).exitCode, 0);
    const auto window = openCompanion(viewNamed("MIB_Info"));
    ASSERT_TRUE(window);
    QTemporaryDir dir;
    const QString path = dir.filePath("table.csv");
    ASSERT_TRUE(window->exportCsv(path));
    const QStringList lines = QString::fromUtf8(readTestFile(path)).split("\r\n", Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), window->table(0)->topLevelItemCount() + 1);
    EXPECT_EQ(lines[0], "Object,Value,Rate/s");
    EXPECT_TRUE(lines.contains("sysContact,\"Ops \"\"night\"\", room 2\",")) << lines.join("\n").toStdString();
    EXPECT_TRUE(lines.contains("sysName,hv720-stack,"));
}

TEST_F(CompanionAgainstSimulator, ProgramStartsWithTheModuleSwitchesAndHidesSecrets)
{
    QTemporaryDir dir;
    const QString registry = writeModuleFiles(dir.path(), sim->port(), NV_BIN_DIR);
    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("NORVANE_REGISTRY", registry);
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("MIBS", "");
    program.setProcessEnvironment(env);
    program.setWorkingDirectory(dir.path());
    program.start(QString(NV_BIN_DIR) + "/MIB", {"/I127.0.0.1", "/Rquorel", "/Wtessany", "/TMIB_IFCounters"});
    ASSERT_TRUE(program.waitForStarted(5000));
    // Running with its view after a second (a refused start exits at once).
    EXPECT_FALSE(program.waitForFinished(1000)) << program.readAllStandardError().toStdString();
    const QByteArray arguments = readTestFile(QString("/proc/%1/cmdline").arg(program.processId()));
    EXPECT_TRUE(arguments.contains("/TMIB_IFCounters"));
    EXPECT_FALSE(arguments.contains("quorel"));
    EXPECT_FALSE(arguments.contains("tessany"));
    program.kill();
    program.waitForFinished(5000);
}
