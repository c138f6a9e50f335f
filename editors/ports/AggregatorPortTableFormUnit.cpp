#include "editors/ports/AggregatorPortTableFormUnit.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "bind/NvSNMPRequest2Edits.h"
#include "catalogue/NvCatalogueTables.h"
#include "snmp/NvSNMPVarList.h"

namespace {

// The four state columns and the names of their bits, bit 0 first.
enum AggregatorRow { ActorAdminState = 19, ActorOperState, PartnerAdminState, PartnerOperState };
const char* const kBitNames[] = {"lacpActivity", "lacpTimeout", "aggregation", "synchronisation",
                                 "collecting",   "distributing", "defaulted",   "expired"};
constexpr int kBitsPerState = 8;

}  // namespace

TAggregatorPortTableForm::TAggregatorPortTableForm(const EditorContext& context)
    : EditorDialog(context, QStringLiteral("Aggregator Port Table"), QSize(640, 480))
{
    m_binding = &addBinding(AggregatorPortVars, NvSNMPVarList::Table, 1);
    const NvSNMPVarList& list = m_binding->request.varList;
    auto* top = new QVBoxLayout(this);
    ListView1 = listView("ListView1");
    top->addWidget(ListView1, 3);

    StatePages = new QTabWidget(this);
    StatePages->setObjectName(QStringLiteral("StatePages"));
    for (int row = ActorAdminState; row <= PartnerOperState; ++row) {
        auto* page = new QWidget;
        auto* grid = new QGridLayout(page);
        // Two columns of four, filled top to bottom so that the bits read in order.
        for (int bit = 0; bit < kBitsPerState; ++bit) {
            auto* box = new QCheckBox(QString::fromLatin1(kBitNames[bit]), page);
            grid->addWidget(box, bit % 4, bit / 4);
            stateBoxes.push_back(box);
        }
        StatePages->addTab(page, QString::fromStdString(list.row(row).label));
    }
    top->addWidget(StatePages, 1);

    auto* bottom = addButtonRow(top, {
        {.caption = "Refresh", .objectName = "GetBtn", .button = &GetBtn, .onClick = [this] { GetBtnClick(); }},
    });
    bottom->addWidget(new QLabel(QStringLiteral("Samples"), this));
    ST_Count = staticText(this, "ST_Count");
    bottom->addWidget(ST_Count);
    Memo1 = makeMemo();
    top->addWidget(Memo1);

    followLineCount(ListView1, ST_Count);

    m_binding->setStatusTarget(Memo1);
    m_binding->onGetDone = [this](NvSNMPRequest2Controls&, const NvSNMPError&) {
        GetBtn->setEnabled(true);
        for (QCheckBox* box : stateBoxes)
            box->setEnabled(true);
    };
    report(*m_binding, [&] {
        m_binding->attachListView(ListView1, true);
        for (int row = ActorAdminState; row <= PartnerOperState; ++row) {
            const auto first = stateBoxes.begin() + (row - ActorAdminState) * kBitsPerState;
            m_binding->bindCheckBoxes(row, "0,1,2,3,4,5,6,7", std::vector<QCheckBox*>(first, first + kBitsPerState));
        }
    });
    GetBtn->setEnabled(false);
    if (!report(*m_binding, [&] { m_binding->get(); }))
        GetBtn->setEnabled(true);
}

void TAggregatorPortTableForm::GetBtnClick()
{
    GetBtn->setEnabled(false);
    if (!report(*m_binding, [&] { m_binding->get(); }))
        GetBtn->setEnabled(true);
    for (QCheckBox* box : stateBoxes)
        box->setChecked(false);
}
