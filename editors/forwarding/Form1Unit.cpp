#include "editors/forwarding/Form1Unit.h"

namespace {

TForm1* s_gate = nullptr;

} // namespace

TForm1::TForm1()
{
    setObjectName(QStringLiteral("Form1"));
    hide();
}

TForm1* TForm1::create()
{
    if (!s_gate) {
        s_gate = new TForm1();
        QObject::connect(s_gate, &QObject::destroyed, [] { s_gate = nullptr; });
    }
    return s_gate;
}

TForm1* TForm1::instance()
{
    return create();
}

void TForm1::walkEnded()
{
    getDone = true;
    setDone = true;
}
