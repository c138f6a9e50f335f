#include "editors/auth/MethodListFormUnit.h"

#include <QComboBox>
#include <QLineEdit>

#include "editors/common/EditorSupport.h"

namespace {

constexpr int kNameRow = 0;
constexpr int kRowStatusRow = 9;
constexpr int kMethods = 4;
// Method k (0-based) has its type in row 2k + 1 and its server group in row 2k + 2.
int typeRow(int k) { return 2 * k + 1; }
int serverRow(int k) { return 2 * k + 2; }
// Item indexes of "local" ("local-enable") and "none" in the type lists.
constexpr int kLocalItem = 5;
constexpr int kNoneItem = 6;

} // namespace

TMethodListForm::TMethodListForm(const EditorContext& context, QWidget* owner, const Texts& texts)
    : TListEditorForm(context, owner, texts.caption, "StaticText1", 560, 420)
    , m_texts(texts)
{
    nameEdit = newEdit(texts.nameEdit);
    addField(texts.labels[kNameRow], nameEdit);
    RowComboBox = newCombo("RowComboBox");
    addField(texts.labels[kRowStatusRow], RowComboBox);
    for (int k = 0; k < kMethods; ++k) {
        typeCombos[k] = newCombo(texts.typeCombos[k]);
        serverEdits[k] = newEdit(texts.serverEdits[k]);
        addField(texts.labels[typeRow(k)], typeCombos[k]);
        addField(texts.labels[serverRow(k)], serverEdits[k]);
    }
    m_indexControls = {nameEdit};
    m_clearedEdits = {nameEdit, serverEdits[0], serverEdits[1], serverEdits[2], serverEdits[3]};
    m_clearedCombos = {typeCombos[0], typeCombos[1], typeCombos[2], typeCombos[3]};
    start(texts.table, 1);
}

void TMethodListForm::bindControls(NvSNMPRequest2Edits& binding)
{
    binding.bindEdit(kNameRow, "%s{l15}", nameEdit);
    for (int k = 0; k < kMethods; ++k) {
        binding.bindComboBox(typeRow(k), typeCombos[k]);
        binding.bindEdit(serverRow(k), "%s{l15}", serverEdits[k]);
    }
    binding.bindComboBox(kRowStatusRow, RowComboBox);
}

bool TMethodListForm::checkOrder(std::vector<int>& leftOut)
{
    auto present = [this](int k) {
        const QString type = typeCombos[k]->currentText();
        return !type.isEmpty() && type != QStringLiteral("other");
    };
    int firstFinal = -1;  // the first present "local" or "none"
    for (int k = 0; k < kMethods && firstFinal < 0; ++k) {
        const int item = typeCombos[k]->currentIndex();
        if (present(k) && (item == kLocalItem || item == kNoneItem))
            firstFinal = k;
    }
    if (firstFinal < 0)
        return true;
    bool followed = false;
    for (int k = firstFinal + 1; k < kMethods; ++k)
        followed = followed || present(k);
    if (!followed)
        return true;
    if (editor::askYesNo(this, QString::fromLatin1(kOrderQuestion)))
        return false;
    for (int k = firstFinal + 1; k < kMethods; ++k) {
        leftOut.push_back(typeRow(k));
        leftOut.push_back(serverRow(k));
    }
    return true;
}

void TMethodListForm::addColumnRules(std::vector<int>& leftOut) const
{
    for (int k = 0; k < kMethods; ++k) {
        const QString type = typeCombos[k]->currentText();
        if (type.isEmpty() || type == QStringLiteral("other")) {
            leftOut.push_back(typeRow(k));
            leftOut.push_back(serverRow(k));
        } else if (type != QStringLiteral("server-group")) {
            leftOut.push_back(serverRow(k));
        }
    }
}

void TMethodListForm::AddButtonClick()
{
    const QString name = nameEdit->text();
    if (name.isEmpty())
        return refuse(m_texts.nameMissing, nameEdit);
    if (hasLine(name))
        return refuse(m_texts.nameTaken, nameEdit);
    if (RowComboBox->currentText() != QStringLiteral("createAndGo"))
        return refuse("Row State must be createAndGo.", RowComboBox);
    std::vector<int> leftOut;
    if (!checkOrder(leftOut))
        return;
    addColumnRules(leftOut);
    write(leftOut);
}

void TMethodListForm::EditButtonClick()
{
    if (nameEdit->text().isEmpty())
        return refuse(m_texts.nameMissing, nullptr);
    if (RowComboBox->currentText() == QStringLiteral("destroy"))
        return write({2, 3, 4, 5, 6, 7, 8});
    std::vector<int> leftOut;
    if (!checkOrder(leftOut))
        return;
    addColumnRules(leftOut);
    leftOut.push_back(kRowStatusRow);
    write(leftOut);
}

void TMethodListForm::DeleteButtonClick()
{
    write({2, 3, 4, 5, 6, 7, 8}, "destroy");
}
