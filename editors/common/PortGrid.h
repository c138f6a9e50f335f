#pragma once
// The port grid of the feature editors: one stack-wide port picker placed in a
// host (a group box, a panel or a tab page), filled from the stack's unit list
// and bound, box k to bit k, to a port-list row of an editor binding. Box k is
// port (k mod 64) + 1 of unit (k div 64) + 1, that is the port with the stack
// number k + 1. Every editor that shows ports uses this one component.
#include <string>
#include <vector>

#include <QList>
#include <QObject>

#include "editors/common/EditorRegistry.h"

class NvSNMPRequest2Edits;
class QCheckBox;
class QWidget;
class TStackingPortUitForm;

class PortGrid : public QObject {
    Q_OBJECT
public:
    static constexpr int PortsPerUnit = 64;
    static constexpr int BoxCount = 768;  // 12 units of 64 ports

    // Places a picker filling host (the host gets a layout when it has none);
    // the grid belongs to host. Scaled by 1.25 when the context's LargeFonts is set.
    PortGrid(QWidget* host, const EditorContext& context);

    // Twelve unit pages, the present units shown (the main window's unit list,
    // re-read first when it is empty). Throws what re-reading the unit list
    // throws; the pages then show no units.
    void fillFromStack();
    // Binds the 768 boxes to the port-list row of binding: box k shows bit k.
    void bindTo(NvSNMPRequest2Edits& binding, int row) const;

    TStackingPortUitForm* picker() const { return m_picker; }
    const QList<QCheckBox*>& boxes() const;
    // The box of stack port number n (1 to 768).
    QCheckBox* box(int portNumber) const;
    bool isChecked(int portNumber) const;
    bool anyChecked() const;
    // Whether the stack has port n: its unit is present and has that many ports.
    bool hasPort(int portNumber) const;
    // Unchecks every box.
    void clear();

    // "0,1,2,...,767": the bit numbers of a port list shown on the 768 boxes.
    static const std::string& allBitNumbers();
    // (unit - 1) * 64 + port.
    static int portNumber(int unit, int port);
    // A stack port number split for display: 64 is unit 1 port 64, 65 is unit 2
    // port 1, 0 is unit 0 port 0.
    struct UnitPort {
        int unit;
        int port;
    };
    static UnitPort splitPortNumber(int portNumber);

private:
    EditorContext m_context;
    TStackingPortUitForm* m_picker = nullptr;
};
