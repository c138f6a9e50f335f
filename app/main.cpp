#include <memory>

#include "app/Application.h"
#include "app/CommandLineHelp.h"
#include "editors/forwarding/Form1Unit.h"

int main(int argc, char** argv)
{
    if (const auto status = TCommandLineHelp::answer(argc, argv, TCommandLineHelp::moduleUsage()))
        return *status;
    TApplication::endReadablyWithoutDisplay("hv720");
    TApplication app(argc, argv);
    // The hidden request gate lives for the whole run.
    const std::unique_ptr<TForm1> requestGate(TForm1::create());
    return TApplication::runModule(argc, argv);
}
