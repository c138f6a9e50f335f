#include "editors/forwarding/ForwardingInfoFormUnit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "editors/common/EditorSupport.h"
#include "editors/common/PortGrid.h"
#include "editors/forwarding/Form1Unit.h"

TForwardingInfoForm::TForwardingInfoForm(const EditorContext& context, QWidget* owner, const Recipe& recipe)
    : QDialog(owner)
    , m_recipe(recipe)
{
    setWindowTitle(QString::fromLatin1(recipe.caption));
    auto* left = new QVBoxLayout;
    if (recipe.listView) {
        m_listView = editor::newReportListView(this, recipe.listView);
        left->addWidget(m_listView, 2);
    }

    if (!recipe.fields.empty()) {
        auto* panel = new QWidget(this);
        auto* fields = new QFormLayout(panel);
        fields->setContentsMargins(0, 0, 0, 0);
        for (const FieldRecipe& f : recipe.fields) {
            QWidget* control = nullptr;
            switch (f.kind) {
            case FieldKind::Edit: {
                auto* edit = new QLineEdit(panel);
                edit->setReadOnly(f.readOnly);
                control = edit;
                break;
            }
            case FieldKind::Combo:
                control = new QComboBox(panel);
                break;
            case FieldKind::StaticText: {
                auto* text = new QLabel(panel);
                text->setFrameStyle(QFrame::Panel | QFrame::Sunken);
                control = text;
                break;
            }
            }
            control->setObjectName(QString::fromLatin1(f.name));
            control->setEnabled(!f.disabled);
            fields->addRow(QString::fromLatin1(f.label), control);
            if (f.hidden)
                fields->setRowVisible(control, false);
            m_controls.push_back(control);
        }
        panel->setVisible(!recipe.fieldsHidden);
        left->addWidget(panel);
    }

    if (!recipe.grids.empty()) {
        QTabWidget* pages = nullptr;
        for (const GridRecipe& g : recipe.grids) {
            QWidget* host = nullptr;
            if (recipe.gridGroupBox) {
                host = new QGroupBox(QString::fromLatin1(recipe.gridGroupBox), this);
                left->addWidget(host, 3);
            } else {
                if (!pages) {
                    pages = new QTabWidget(this);
                    left->addWidget(pages, 3);
                }
                host = new QWidget(pages);
                pages->addTab(host, QString::fromLatin1(g.page));
            }
            m_grids.push_back(new PortGrid(host, context));
        }
    }

    Memo1 = editor::newStatusMemo(this);
    left->addWidget(Memo1);

    auto* column = new QVBoxLayout;
    for (const ButtonRecipe& b : recipe.buttons) {
        QPushButton* button = editor::newButton(this, b.name, b.caption);
        button->setVisible(!b.hidden);
        column->addWidget(button);
        m_buttons.push_back(button);
        switch (b.action) {
        case Action::Refresh:
            connect(button, &QPushButton::clicked, this, [this] { RefreshClick(); });
            break;
        case Action::Set:
            connect(button, &QPushButton::clicked, this, [this] { SetClick(); });
            break;
        case Action::Add:
            connect(button, &QPushButton::clicked, this, [this] { AddClick(); });
            break;
        case Action::Delete:
            connect(button, &QPushButton::clicked, this, [this] { DeleteClick(); });
            break;
        case Action::Close:
            connect(button, &QPushButton::clicked, this, &QDialog::reject);
            break;
        }
    }
    column->addStretch();
    if (recipe.showCount) {
        column->addWidget(new QLabel(QStringLiteral("Samples"), this));
        countText = new QLabel(QStringLiteral("0"), this);
        countText->setObjectName(QStringLiteral("countText"));
        countText->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        column->addWidget(countText);
    }

    auto* whole = new QHBoxLayout(this);
    whole->addLayout(left, 1);
    whole->addLayout(column);
    editor::applyDesignedSize(this, context, recipe.width, recipe.height);

    if (m_listView && countText) {
        QAbstractItemModel* model = m_listView->model();
        connect(model, &QAbstractItemModel::rowsInserted, this, &TForwardingInfoForm::updateCount);
        connect(model, &QAbstractItemModel::rowsRemoved, this, &TForwardingInfoForm::updateCount);
        // A re-read empties the list with a reset before any line comes.
        connect(model, &QAbstractItemModel::modelReset, this, &TForwardingInfoForm::updateCount);
    }
}

TForwardingInfoForm::~TForwardingInfoForm()
{
    closeBindings();
    // The list resets its model while QWidget deletes the children, after this
    // form's part is gone: the count must not hear it.
    if (m_listView)
        m_listView->model()->disconnect(this);
}

void TForwardingInfoForm::done(int result)
{
    closeBindings();
    QDialog::done(result);
}

void TForwardingInfoForm::closeBindings()
{
    // Both requests are switched off before either is waited for.
    for (auto& binding : m_bindings) {
        if (binding)
            binding->request.alive = false;
    }
    for (auto& binding : m_bindings)
        NvSNMPRequest2Controls::close(binding);
    // Closed from inside a reply, the walk's end is never reported to the
    // form: the gate is released here, or no gated view could refresh again.
    if (m_holdsGate) {
        m_holdsGate = false;
        TForm1::instance()->walkEnded();
    }
}

QWidget* TForwardingInfoForm::control(const char* name) const
{
    for (QWidget* c : m_controls) {
        if (c->objectName() == QLatin1String(name))
            return c;
    }
    return nullptr;
}

QPushButton* TForwardingInfoForm::button(const char* name) const
{
    for (QPushButton* b : m_buttons) {
        if (b->objectName() == QLatin1String(name))
            return b;
    }
    return nullptr;
}

void TForwardingInfoForm::start(bool gated)
{
    try {
        for (auto& grid : m_grids)
            grid->fillFromStack();
        for (int l = 0; l < 2; ++l) {
            const ListRecipe& list = m_recipe.lists[l];
            if (!list.table)
                continue;
            auto& binding = m_bindings[l];
            binding = std::make_unique<NvSNMPRequest2Edits>(this);
            binding->request.varList = NvSNMPVarList(list.table, list.kind, list.indexCount);
            if (m_listView && l == 0)
                binding->attachListView(m_listView, true);
            for (size_t i = 0; i < m_recipe.fields.size(); ++i) {
                const FieldRecipe& f = m_recipe.fields[i];
                if (f.row < 0 || f.list != l)
                    continue;
                QWidget* c = m_controls[i];
                if (f.kind == FieldKind::Edit)
                    binding->bindEdit(f.row, f.constraint, static_cast<QLineEdit*>(c));
                else if (f.kind == FieldKind::Combo)
                    binding->bindComboBox(f.row, static_cast<QComboBox*>(c));
                else
                    binding->bindControl(f.row, c);
            }
            if (l == 0) {
                for (size_t g = 0; g < m_grids.size(); ++g) {
                    if (m_recipe.grids[g].row >= 0)
                        m_grids[g]->bindTo(*binding, m_recipe.grids[g].row);
                }
            }
            binding->setStatusTarget(Memo1);
            if (gated)
                binding->onGetDone = [this](NvSNMPRequest2Controls&, const NvSNMPError&) {
                    m_holdsGate = false;
                    TForm1::instance()->walkEnded();
                };
        }
    } catch (const std::exception& x) {
        report(x.what());
    }
    if (gated)
        gatedGet();
    else
        TForwardingInfoForm::RefreshClick();
}

void TForwardingInfoForm::gatedGet()
{
    TForm1* gate = TForm1::instance();
    gate->getDone = false;
    m_holdsGate = true;
    try {
        if (m_bindings[0]) {
            m_bindings[0]->get();
        } else {
            m_holdsGate = false;
            gate->getDone = true;
        }
    } catch (const std::exception& x) {
        m_holdsGate = false;
        gate->getDone = true;
        report(x.what());
    }
    updateCount();
}

void TForwardingInfoForm::report(const std::string& message)
{
    if (m_bindings[0])
        m_bindings[0]->showStatus(message);
    else
        editor::appendLine(Memo1, message);
}

void TForwardingInfoForm::guarded(const std::function<void()>& operation)
{
    try {
        operation();
    } catch (const std::exception& x) {
        report(x.what());
    }
}

void TForwardingInfoForm::RefreshClick()
{
    for (auto& binding : m_bindings) {
        if (binding)
            guarded([&] { binding->get(); });
    }
    updateCount();
}

void TForwardingInfoForm::SetClick()
{
    for (auto& binding : m_bindings) {
        if (binding)
            guarded([&] { binding->set(true, true); });
    }
    updateCount();
}

void TForwardingInfoForm::updateCount()
{
    if (countText && m_listView)
        countText->setText(QString::number(m_listView->topLevelItemCount()));
}

void TForwardingInfoForm::uncheckGrids()
{
    for (PortGrid* grid : m_grids)
        grid->clear();
}

void TForwardingInfoForm::selectItem(const char* comboName, int item)
{
    if (auto* combo = qobject_cast<QComboBox*>(control(comboName)))
        combo->setCurrentIndex(item);
}
