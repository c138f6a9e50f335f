#include "panels/UnitPanelFormUnit.h"

#include <QFrame>
#include <QLabel>
#include <QPainter>

#include "panels/StackImageList.h"

namespace {

QString formName(const QString& model)
{
    return QStringLiteral("TPanel") + QString(model).remove(QLatin1Char('-')) + QStringLiteral("Form");
}

}  // namespace

TUnitPanelForm::TUnitPanelForm(QWidget* owner, TPanelLayout layout)
    : TDevicePictureForm(owner, layout, formName(layout.model))
{
    if (this->layout().stackPicture) {
        Panel1 = new QFrame(this);
        Panel1->setObjectName(QStringLiteral("Panel1"));
        Panel1->setGeometry(QRect(this->layout().stackPicturePos, QSize(26, 23)));
        Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        Panel1->setLineWidth(1);
        StackImage = new QLabel(Panel1);
        StackImage->setObjectName(QStringLiteral("StackImage"));
        StackImage->setGeometry(1, 1, 24, 21);
        StackImage->setAutoFillBackground(true);
        QPalette pal = StackImage->palette();
        pal.setColor(QPalette::Window, Qt::black);
        StackImage->setPalette(pal);
    }
}

void TUnitPanelForm::buildLeds(const TStackImageList* imageList)
{
    buildLedRows(this);

    if (StackImage && imageList) {
        QPixmap pm(StackImage->size());
        pm.fill(Qt::black);
        QPainter p(&pm);
        imageList->draw(p, (pm.width() - TStackImageList::ImageSize) / 2,
                        (pm.height() - TStackImageList::ImageSize) / 2, unitNumber() - 1);
        p.end();
        StackImage->setPixmap(pm);
    }
}

TPortButton* TUnitPanelForm::portButton(int n) const
{
    return portButton(TPanelLayout::portButtonName(n));
}
