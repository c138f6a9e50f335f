// Blocking requests wait with the event loop running: the window keeps
// painting and its timers run, user input is held back, a note with Cancel
// shows when the answer is late, and Cancel ends the wait with a failure.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>
#include <string>

#include "bind/NvSNMPRequest2Edits.h"
#include "bind/RequestWait.h"
#include "snmp/NvEventWait.h"
#include "snmp/NvSNMPError.h"
#include "snmp/NvSNMPSession.h"
#include "snmp/NvSNMPVarDescriptor.h"
#include "tests/common/AgentSession.h"
#include "tests/common/SimulatorProcess.h"
#include "tests/common/SimulatorSuite.h"
#include "tests/common/SnmpdFixture.h"

namespace {

const std::string kDelayControl = "1.3.6.1.4.1.497.999.1.1.0";
const std::string kSysName = "1.3.6.1.2.1.1.5.0";

const NvSNMPVarDescriptor kName[] = {
    {"1.3.6.1.2.1.1.5", "Name", SyntaxDisplayString, AccessReadable | AccessWritable},
    {nullptr},
};

class RequestWaitAgent : public SimulatorSuite {
protected:
    void SetUp() override
    {
        SimulatorSuite::SetUp();
        RequestWait::install();
        form = std::make_unique<QWidget>();
        other = new QPushButton("Other", form.get());
        QObject::connect(other, &QPushButton::clicked, [this] { ++otherClicks; });
        name = new QLineEdit(form.get());
        makeBinding();
        form->show();
        // Watches the wait: timer ticks, the note, and what a test does meanwhile.
        watch.setInterval(10);
        QObject::connect(&watch, &QTimer::timeout, [this] {
            ++ticks;
            if (RequestWait::note() && !noteSeen) {
                noteSeen = true;
                if (onNote)
                    onNote(RequestWait::note());
            }
        });
    }
    // A request takes the session records as they are when it is made.
    void makeBinding()
    {
        NvSNMPRequest2Controls::close(binding);
        binding = std::make_unique<NvSNMPRequest2Edits>(form.get());
        binding->request.varList.assign(NvSNMPVarList(kName, NvSNMPVarList::ScalarGroup, 0));
        binding->asynchronous = false;
        binding->bindEdit(0, "%s{l32}", name);
    }
    void TearDown() override
    {
        watch.stop();
        NvSNMPRequest2Controls::close(binding);
        setAnswerWait(nullptr);
        sim->set({kDelayControl, "i", "0"});
    }
    std::unique_ptr<QWidget> form;
    QPushButton* other = nullptr;
    QLineEdit* name = nullptr;
    std::unique_ptr<NvSNMPRequest2Edits> binding;
    QTimer watch;
    int ticks = 0;
    int otherClicks = 0;
    bool noteSeen = false;
    std::function<void(QWidget*)> onNote;
};

TEST_F(RequestWaitAgent, ALateAnswerKeepsTheLoopRunningHoldsInputAndCompletesInOrder)
{
    struct Case {
        const char* name;
        bool set;
    };
    for (const Case c : {Case{"get", false}, Case{"set", true}}) {
        SCOPED_TRACE(c.name);
        ticks = 0;
        noteSeen = false;
        otherClicks = 0;
        ASSERT_EQ(sim->set({kDelayControl, "i", "700"}).exitCode, 0);
        // A click while waiting must not reach the form.
        onNote = [this](QWidget*) { QTest::mouseClick(other, Qt::LeftButton); };
        const std::string written = std::string("late-") + c.name;
        name->setText(QString::fromStdString(written));
        watch.start();
        if (c.set)
            binding->set(false, true);
        else
            binding->get();
        watch.stop();
        EXPECT_GT(ticks, 0);  // timers ran while the answer was awaited
        EXPECT_TRUE(noteSeen);
        EXPECT_EQ(RequestWait::note(), nullptr);  // gone with the wait
        EXPECT_EQ(otherClicks, 0);
        EXPECT_FALSE(binding->busy);
        // The operation finished before the call returned.
        sim->set({kDelayControl, "i", "0"});
        if (c.set) {
            EXPECT_NE(sim->get({kSysName}).out.find(written), std::string::npos);
        } else {
            EXPECT_FALSE(name->text().isEmpty());
        }
        // Input reaches the form again.
        QTest::mouseClick(other, Qt::LeftButton);
        EXPECT_EQ(otherClicks, 1);
    }
}

TEST_F(RequestWaitAgent, CancelEndsTheWaitOnASilentAgentAndNothingIsReportedDone)
{
    struct Case {
        const char* name;
        bool set;
        const char* message;
    };
    const Case cases[] = {
        {"get", false, "Cancelled before the device answered"},
        {"set", true, "Cancelled: the device has not confirmed the change"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        pointSessionAt(SnmpdFixture::freeUdpPort(), 1000);  // nothing answers there
        makeBinding();
        noteSeen = false;
        onNote = [](QWidget* note) { QTest::mouseClick(note->findChild<QPushButton*>("CancelBtn"), Qt::LeftButton); };
        name->setText("never-written");
        int setDone = 0;
        binding->onSetDone = [&](NvSNMPRequest2Controls&, const NvSNMPError&) { ++setDone; };
        watch.start();
        try {
            if (c.set)
                binding->set(false, true);
            else
                binding->get();
            ADD_FAILURE() << "the cancelled wait did not fail";
        } catch (const NvSNMPException& x) {
            EXPECT_EQ(x.code(), kAnswerWaitCancelled);
            EXPECT_EQ(std::string(x.what()).rfind(c.message, 0), 0u) << x.what();
        }
        watch.stop();
        EXPECT_TRUE(noteSeen);
        EXPECT_FALSE(binding->busy);
        EXPECT_EQ(setDone, 0);
        EXPECT_EQ(name->text(), "never-written");
    }
    // The session still serves a live agent afterwards.
    pointSessionAt(sim->port());
    makeBinding();
    binding->get();
    EXPECT_NE(name->text(), "never-written");
}

}  // namespace
