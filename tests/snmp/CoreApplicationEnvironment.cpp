// The request engine's asynchronous paths run on Qt timers and socket
// notifiers, which need an application object on the main thread.
#include <QCoreApplication>
#include <gtest/gtest.h>

namespace {

class CoreApplicationEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        if (!QCoreApplication::instance()) {
            static int argc = 1;
            static char name[] = "test_snmp";
            static char* argv[] = {name, nullptr};
            new QCoreApplication(argc, argv);
        }
    }
};

[[maybe_unused]] ::testing::Environment* const environment =
    ::testing::AddGlobalTestEnvironment(new CoreApplicationEnvironment);

}  // namespace
