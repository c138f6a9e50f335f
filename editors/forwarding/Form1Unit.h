#pragma once
// The request gate: a hidden form that lives for the whole program run and
// carries two flags shared by the GARP and the port-capability views. A view
// clears getDone before each walk and its after-get callback sets both flags,
// so that a second walk cannot start before the first has ended.
#include <QWidget>

class TForm1 : public QWidget {
    Q_OBJECT
public:
    bool getDone = false;
    bool setDone = false;

    // The after-get callback of the gated views: a walk has ended.
    void walkEnded();

    // Creates the program's gate; the application does this at start and
    // owns it. A gate is also created on first use when none exists.
    static TForm1* create();
    static TForm1* instance();

private:
    TForm1();
};
