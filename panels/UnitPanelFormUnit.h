#pragma once
// Common body of the four model panel forms: a borderless 780 x 89 form showing
// the unit's front panel picture, live LEDs on it, the stack number and one flat
// button over every port. The model forms only supply their layout.
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
class TStackImageList;

class TUnitPanelForm : public QWidget {
    Q_OBJECT
public:
    ~TUnitPanelForm() override;

    const QString& modelName() const { return m_layout.model; }
    const TPanelLayout& layout() const { return m_layout; }

    // Called by the main window in this order: unit number, LEDs, port buttons;
    // then it starts the LED binding's polling.
    void setUnitNumber(int unit) { m_unitNumber = unit; }
    int unitNumber() const { return m_unitNumber; }
    // Creates the LED binding, adds the LED groups and draws image (unit - 1) of
    // imageList into the stack-number picture. Failures leave fewer or no LEDs.
    void buildLeds(const TStackImageList* imageList);
    // Tags every port button with (unit - 1) * 64 + its port and appends it to list.
    void buildPortButtons(TPortButtonList& list);
    // The form's close handling: stops the LEDs and frees the binding.
    void FormClose();

    NvSNMPLedGroup* ledBinding() const;
    // The polling binding (none before buildLeds or after FormClose).
    NvSNMPRequest2Leds* ledRequest() const { return m_ledBinding.get(); }
    // Where the LED binding reports (the main window's status panel); set
    // before buildLeds.
    void setStatusPanel(QLabel* panel);
    // "SpeedButton" + n, or none.
    TPortButton* portButton(int n) const;
    int portButtonCount() const { return static_cast<int>(m_layout.buttons.size()); }
    // An LED host by name ("PowerLedPanel", "LedPanel1", "SIOPanel1", ...), or none.
    QFrame* ledHost(const QString& name) const;

    QLabel* Image1 = nullptr;
    QFrame* Panel1 = nullptr;      // none on models without a stack-number picture
    QLabel* StackImage = nullptr;

protected:
    TUnitPanelForm(QWidget* owner, TPanelLayout layout);
    // The binding the LEDs are added to: the polling binding of the unit.
    virtual std::unique_ptr<NvSNMPRequest2Leds> createLedBinding();

private:
    TPanelLayout m_layout;
    int m_unitNumber = 0;
    std::unique_ptr<NvSNMPRequest2Leds> m_ledBinding;
    QPointer<QLabel> m_statusPanel;
};
