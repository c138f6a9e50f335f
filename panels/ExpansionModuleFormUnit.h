#pragma once
// Common body of the two expansion-module forms: a borderless 194 x 40 picture
// of the two-port module that an HV-710 or HV-720 unit carries, with two LEDs
// and two port buttons. Which octets and ports it stands for depends on the
// carrying model, set by the main window before the LEDs and buttons are built.
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

class TExpansionModuleForm : public QWidget {
    Q_OBJECT
public:
    ~TExpansionModuleForm() override;

    const QString& moduleName() const { return m_layout.model; }

    void setUnitNumber(int unit) { m_unitNumber = unit; }
    int unitNumber() const { return m_unitNumber; }
    void setHV720Carrier(bool on) { m_hv720 = on; }
    bool isHV720Carrier() const { return m_hv720; }
    void setHV710Carrier(bool on) { m_hv710 = on; }
    bool isHV710Carrier() const { return m_hv710; }

    // LEDs on octets 52 and 54 under an HV-720, 100 and 102 under an HV-710;
    // none when no carrier is set. The binding's timers live on the owner.
    void buildLeds();
    // Tags the buttons with the carrier's ports 25/26 (HV-720) or 49/50 (HV-710)
    // and appends them to list; nothing without a carrier.
    void buildPortButtons(TPortButtonList& list);
    // Stops the LEDs and frees the binding.
    void FormClose();

    NvSNMPLedGroup* ledBinding() const;
    // The polling binding (none before buildLeds or after FormClose).
    NvSNMPRequest2Leds* ledRequest() const { return m_ledBinding.get(); }
    // Where the LED binding reports (the main window's status panel); set
    // before buildLeds.
    void setStatusPanel(QLabel* panel);

    QLabel* Image1 = nullptr;
    TPortButton* SpeedButtonX = nullptr;
    TPortButton* SpeedButtonY = nullptr;
    QFrame* pLedPort1 = nullptr;
    QFrame* pLedPort2 = nullptr;

protected:
    TExpansionModuleForm(QWidget* owner, TPanelLayout layout);
    // The binding the LEDs are added to: the polling binding of the unit.
    virtual std::unique_ptr<NvSNMPRequest2Leds> createLedBinding(QWidget* owner);

private:
    TPanelLayout m_layout;
    QPointer<QWidget> m_owner;
    int m_unitNumber = 0;
    bool m_hv720 = false;
    bool m_hv710 = false;
    std::unique_ptr<NvSNMPRequest2Leds> m_ledBinding;
    QPointer<QLabel> m_statusPanel;
};
