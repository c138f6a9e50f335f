#pragma once
// Common body of the device pictures (the unit panels and the expansion-module
// forms): a borderless form showing painted artwork with LED host frames and
// flat port buttons at the positions of its layout, the LED binding that
// polls the unit's LED octets into those hosts, and the port buttons' tags.
// The form owns its LED binding until FormClose.
#include <memory>

#include <QPointer>
#include <QWidget>

#include "panels/PanelLayout.h"

class QFrame;
class QLabel;
class NvSNMPRequest2Leds;
class NvSNMPLedGroup;
class TPortButton;
class TPortButtonList;

class TDevicePictureForm : public QWidget {
    Q_OBJECT
public:
    ~TDevicePictureForm() override;

    const TPanelLayout& layout() const { return m_layout; }

    // Set by the main window before the LEDs and buttons are built.
    void setUnitNumber(int unit) { m_unitNumber = unit; }
    int unitNumber() const { return m_unitNumber; }
    // Where the LED binding reports (the main window's status panel); set
    // before the LEDs are built.
    void setStatusPanel(QLabel* panel);

    // Tags every port button that stands for a port with (unit - 1) * 64 + that
    // port and appends it to list, in layout order.
    void buildPortButtons(TPortButtonList& list);
    // The form's close handling: stops the LEDs and frees the binding.
    void FormClose();

    NvSNMPLedGroup* ledBinding() const;
    // The polling binding (none before the LEDs are built or after FormClose).
    NvSNMPRequest2Leds* ledRequest() const { return m_ledBinding.get(); }
    // An LED host by name ("PowerLedPanel", "LedPanel1", "pLedPort1", ...), or none.
    QFrame* ledHost(const QString& name) const;
    // A port button by name ("SpeedButton1", "SpeedButtonX", ...), or none.
    TPortButton* portButton(const QString& name) const;

    QLabel* Image1 = nullptr;

protected:
    TDevicePictureForm(QWidget* owner, TPanelLayout layout, const QString& objectName);

    // Creates the LED binding (its timers on timerOwner) and adds the LEDs of
    // every layout row. Failures leave fewer or no LEDs; nothing is reported.
    void buildLedRows(QWidget* timerOwner);
    // The octets the LEDs of layout row i follow; empty: the row gets none.
    virtual QString ledOffsets(size_t row) const;
    // The unit's port a button stands for; 0: the button is left untagged.
    virtual int portOf(const TPanelLayout::Button& button) const;

private:
    TPanelLayout m_layout;
    int m_unitNumber = 0;
    std::unique_ptr<NvSNMPRequest2Leds> m_ledBinding;
    QPointer<QLabel> m_statusPanel;
};
