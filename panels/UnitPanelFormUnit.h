#pragma once
// Common body of the four model panel forms: a borderless 780 x 89 form showing
// the unit's front panel picture, live LEDs on it, the stack number and one flat
// button over every port. The model forms only supply their layout.
// The main window calls, in this order: setUnitNumber, buildLeds,
// buildPortButtons; then it starts the LED binding's polling.
#include "panels/DevicePictureFormUnit.h"

class TStackImageList;

class TUnitPanelForm : public TDevicePictureForm {
    Q_OBJECT
public:
    const QString& modelName() const { return layout().model; }

    // Creates the LED binding, adds the LED groups and draws image (unit - 1) of
    // imageList into the stack-number picture. Failures leave fewer or no LEDs.
    void buildLeds(const TStackImageList* imageList);

    // "SpeedButton" + n, or none.
    TPortButton* portButton(int n) const;
    using TDevicePictureForm::portButton;
    int portButtonCount() const { return static_cast<int>(layout().buttons.size()); }

    QFrame* Panel1 = nullptr;  // none on models without a stack-number picture
    QLabel* StackImage = nullptr;

protected:
    TUnitPanelForm(QWidget* owner, TPanelLayout layout);
};
