#pragma once
// Common body of the two expansion-module forms: a borderless 194 x 40 picture
// of the two-port module that an HV-710 or HV-720 unit carries, with two LEDs
// and two port buttons. Which octets and ports it stands for depends on the
// carrying model, set by the main window before the LEDs and buttons are built:
// the buttons stand for the carrier's ports 25/26 (HV-720) or 49/50 (HV-710),
// and without a carrier none joins the port-button list.
#include "panels/DevicePictureFormUnit.h"

class TExpansionModuleForm : public TDevicePictureForm {
    Q_OBJECT
public:
    // The model of the unit that carries the module; None after creation.
    enum class Carrier { None, HV720, HV710 };

    const QString& moduleName() const { return layout().model; }

    void setCarrier(Carrier carrier) { m_carrier = carrier; }
    Carrier carrier() const { return m_carrier; }

    // LEDs on octets 52 and 54 under an HV-720, 100 and 102 under an HV-710;
    // none without a carrier. The binding's timers live on the owner.
    void buildLeds();

    TPortButton* SpeedButtonX = nullptr;
    TPortButton* SpeedButtonY = nullptr;
    QFrame* pLedPort1 = nullptr;
    QFrame* pLedPort2 = nullptr;

protected:
    TExpansionModuleForm(QWidget* owner, TPanelLayout layout);

    QString ledOffsets(size_t row) const override;
    int portOf(const TPanelLayout::Button& button) const override;

private:
    QPointer<QWidget> m_owner;
    Carrier m_carrier = Carrier::None;
};
