#include "editors/tables/RouteRedistributFormUnit.h"

#include <QComboBox>
#include <algorithm>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>

#include "catalogue/NvCatalogueTables.h"
#include "editors/common/EditorSupport.h"
#include "snmp/NvStrictValue.h"

namespace {

enum RouteRow { SourceRow, DestinationRow, TypeRow, MetricRow, RowStatusRow };

const char* const kRadioCaptions[10] = {"other",    "all",      "type-1",   "type-2",   "internal",
                                        "external", "inter-E1", "inter-E2", "extType1", "extType2"};
// The type texts of the list lines, radio button k + 1 for text k.
const char* const kTypeTexts[10] = {"other",    "all",      "type-1",   "type-2",   "internal",
                                    "external", "inter+E1", "inter+E2", "extType1", "extType2"};
constexpr int kOther = 1;          // radio button "other": no type value of its own
constexpr int kActiveItem = 0;
constexpr int kCreateAndGoItem = 3;
constexpr int kDestroyItem = 5;

} // namespace

TRouteRedistributForm::TRouteRedistributForm(const EditorContext& context, QWidget* owner)
    : QDialog(owner)
{
    setWindowTitle(QStringLiteral("Route Redistribution Table"));
    ListView1 = editor::newReportListView(this, "ListView1");
    auto* band = new QWidget(this);
    auto* grid = new QGridLayout(band);
    grid->setContentsMargins(0, 0, 0, 0);
    ComboBox1 = new QComboBox(band);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox2 = new QComboBox(band);
    ComboBox2->setObjectName(QStringLiteral("ComboBox2"));
    ComboBox3 = new QComboBox(band);
    ComboBox3->setObjectName(QStringLiteral("ComboBox3"));
    ComboBox3->hide();
    StComboBox = new QComboBox(band);
    StComboBox->setObjectName(QStringLiteral("StComboBox"));
    StComboBox->hide();
    Edit1 = new QLineEdit(band);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setMaxLength(8);
    Label5 = new QLabel(QStringLiteral("[0..16777214]"), band);
    Label5->setObjectName(QStringLiteral("Label5"));
    grid->addWidget(new QLabel(QStringLiteral("Source Protocol"), band), 0, 0);
    grid->addWidget(ComboBox1, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Destination Protocol"), band), 1, 0);
    grid->addWidget(ComboBox2, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("Metric"), band), 2, 0);
    grid->addWidget(Edit1, 2, 1);
    grid->addWidget(Label5, 2, 2);
    auto* typeGroup = new QGroupBox(QStringLiteral("Type"), band);
    auto* radios = new QGridLayout(typeGroup);
    for (int i = 0; i < 10; ++i) {
        RadioButtons[i] = new QRadioButton(QString::fromLatin1(kRadioCaptions[i]), typeGroup);
        RadioButtons[i]->setObjectName(QStringLiteral("RadioButton%1").arg(i + 1));
        radios->addWidget(RadioButtons[i], i / 5, i % 5);
        connect(RadioButtons[i], &QRadioButton::clicked, this, [this, i] { RadioButtonClick(i + 1); });
    }
    grid->addWidget(typeGroup, 0, 3, 3, 1);

    Memo1 = editor::newStatusMemo(this);
    RefreshButton = editor::newButton(this, "RefreshButton", "Refresh");
    SetButton = editor::newButton(this, "SetButton", "Set");
    AddButton = editor::newButton(this, "AddButton", "Add");
    DeleteButton = editor::newButton(this, "DeleteButton", "Delete");
    CloseButton = editor::newButton(this, "CloseButton", "Close");
    editor::layoutListForm(this, ListView1, band, Memo1,
                           {RefreshButton, SetButton, AddButton, DeleteButton, CloseButton});
    editor::applyDesignedSize(this, context, 640, 430, false);
    connect(RefreshButton, &QPushButton::clicked, this, &TRouteRedistributForm::RefreshButtonClick);
    connect(SetButton, &QPushButton::clicked, this, &TRouteRedistributForm::SetButtonClick);
    connect(AddButton, &QPushButton::clicked, this, &TRouteRedistributForm::AddButtonClick);
    connect(DeleteButton, &QPushButton::clicked, this, &TRouteRedistributForm::DeleteButtonClick);
    connect(CloseButton, &QPushButton::clicked, this, &QDialog::reject);

    m_binding = std::make_unique<NvSNMPRequest2Edits>(this);
    try {
        m_binding->request.varList = NvSNMPVarList(RouteRedistributionVars, NvSNMPVarList::EditableTable, 2);
        m_binding->attachListView(ListView1, true);
        m_binding->bindComboBox(SourceRow, ComboBox1);
        m_binding->bindComboBox(DestinationRow, ComboBox2);
        m_binding->bindComboBox(TypeRow, ComboBox3);
        m_binding->bindEdit(MetricRow, "%i{n0x16777214l8a}", Edit1);
        m_binding->bindComboBox(RowStatusRow, StComboBox);
        m_binding->setStatusTarget(Memo1);
        // After the binding's own handler, which loads the line into the controls.
        connect(ListView1, &QTreeWidget::itemSelectionChanged, this, &TRouteRedistributForm::ListView1Click);
        connect(ComboBox1, &QComboBox::currentIndexChanged, this, &TRouteRedistributForm::ProtocolChange);
        connect(ComboBox2, &QComboBox::currentIndexChanged, this, &TRouteRedistributForm::ProtocolChange);
        m_binding->get();
    } catch (const std::exception& x) {
        m_binding->showStatus(x.what());
    }
    DeleteButton->setEnabled(false);
}

TRouteRedistributForm::~TRouteRedistributForm()
{
    NvSNMPRequest2Controls::close(m_binding);
}

void TRouteRedistributForm::done(int result)
{
    NvSNMPRequest2Controls::close(m_binding);
    QDialog::done(result);
}

void TRouteRedistributForm::ProtocolChange()
{
    const QString source = ComboBox1->currentText();
    const QString destination = ComboBox2->currentText();
    auto enableOnly = [this](std::initializer_list<int> buttons) {
        for (int k = 1; k <= 10; ++k)
            RadioButtons[k - 1]->setEnabled(std::find(buttons.begin(), buttons.end(), k) != buttons.end());
    };
    if (destination == QStringLiteral("rip")) {
        if (source == QStringLiteral("ospf")) {
            Label5->setText(QStringLiteral("[0..16]"));
            enableOnly({1, 2, 5, 6, 7, 8, 9, 10});
        } else if (source == QStringLiteral("static") || source == QStringLiteral("local")) {
            Label5->setText(QStringLiteral("[0..16]"));
            enableOnly({2});
        }
    } else if (destination == QStringLiteral("ospf")) {
        Label5->setText(QStringLiteral("[0..16777214]"));
        enableOnly({3, 4});
    }
}

void TRouteRedistributForm::ListView1Click()
{
    const QList<QTreeWidgetItem*> selected = ListView1->selectedItems();
    if (selected.isEmpty()) {
        DeleteButton->setEnabled(false);
        return;
    }
    DeleteButton->setEnabled(true);
    int typeColumn = -1;
    for (int c = 0; c < ListView1->columnCount(); ++c) {
        if (ListView1->headerItem()->text(c) == QStringLiteral("Type"))
            typeColumn = c;
    }
    const QString type = typeColumn >= 0 ? selected.first()->text(typeColumn) : QString();
    for (int i = 0; i < 10; ++i) {
        if (type == QString::fromLatin1(kTypeTexts[i]))
            RadioButtons[i]->setChecked(true);
    }
    ProtocolChange();
}

void TRouteRedistributForm::RadioButtonClick(int k)
{
    if (RadioButtons[k - 1]->isChecked())
        ComboBox3->setCurrentIndex(k - 2);
}

bool TRouteRedistributForm::metricAccepted()
{
    if (Edit1->text().isEmpty()) {
        Edit1->setFocus();
        return false;
    }
    // A text that is no whole number lies outside every bound.
    const int64_t metric = readWholeNumber(Edit1->text().toStdString()).value_or(-1);
    const QString destination = ComboBox2->currentText();
    const char* refusal = nullptr;
    if (destination == QStringLiteral("rip") && (metric < 0 || metric > 16))
        refusal = "Metric out of Bound [0..16]";
    else if (destination == QStringLiteral("ospf") && (metric < 0 || metric > 16777214))
        refusal = "Metric out of Bound [0..16777214]";
    if (!refusal)
        return true;
    editor::showMessage(this, QString::fromLatin1(refusal));
    Edit1->setFocus();
    return false;
}

void TRouteRedistributForm::write()
{
    NvSNMPVarRow& type = m_binding->request.varList.row(TypeRow);
    const int32_t saved = type.access;
    if (RadioButtons[kOther - 1]->isChecked())
        type.access |= AccessExcluded;
    try {
        m_binding->set(true, true);
    } catch (const std::exception& x) {
        m_binding->showStatus(x.what());
    }
    type.access = saved;
    // The status chosen for Add or Delete is not carried into a later Set.
    StComboBox->setCurrentIndex(kActiveItem);
}

void TRouteRedistributForm::SetButtonClick()
{
    if (ListView1->selectedItems().isEmpty()) {
        editor::showMessage(this, QStringLiteral("Please select an entry."));
        return;
    }
    if (metricAccepted())
        write();
}

void TRouteRedistributForm::AddButtonClick()
{
    if (!metricAccepted())
        return;
    StComboBox->setCurrentIndex(kCreateAndGoItem);
    write();
}

void TRouteRedistributForm::DeleteButtonClick()
{
    if (ListView1->selectedItems().isEmpty())
        return;
    StComboBox->setCurrentIndex(kDestroyItem);
    write();
}

void TRouteRedistributForm::RefreshButtonClick()
{
    try {
        m_binding->get();
    } catch (const std::exception& x) {
        m_binding->showStatus(x.what());
    }
}
