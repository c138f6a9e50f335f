#include "editors/auth/ServerInformationFormUnit.h"

#include <QComboBox>
#include <QLineEdit>

#include "catalogue/NvCatalogueTables.h"
#include "editors/common/SecretColumns.h"

namespace {

enum ServerRow { IpRow, ProtocolRow, PortRow, KeyRow, TimeoutRow, RetryRow, RowStatusRow };

} // namespace

TServerInformationForm::TServerInformationForm(const EditorContext& context, QWidget* owner)
    : TListEditorForm(context, owner, "Server Information Table", "Static", 560, 400)
{
    IPEdit = newEdit("IPEdit");
    ProtocolComboBox = newCombo("ProtocolComboBox");
    PortEdit = newEdit("PortEdit");
    KeyEdit = newEdit("KeyEdit");
    TimeoutEdit = newEdit("TimeoutEdit");
    RetryCEdit = newEdit("RetryCEdit");
    RowComboBox = newCombo("RowComboBox");
    addField("Server IP", IPEdit);
    addField("Server Auth Protocol", ProtocolComboBox);
    addField("Server Auth Port", PortEdit);
    addField("Server Auth Key", KeyEdit);
    addField("Server Timeout", TimeoutEdit);
    addField("Server Retry Count", RetryCEdit);
    addField("Server Row Status", RowComboBox);
    m_indexControls = {IPEdit, ProtocolComboBox};
    m_clearedEdits = {IPEdit, PortEdit, KeyEdit, TimeoutEdit, RetryCEdit};
    secret::hideTyping(KeyEdit);
    secret::maskColumns(ListView1, {QStringLiteral("Server AuthKey")});
    start(ServerInfoVars, 2);
}

void TServerInformationForm::bindControls(NvSNMPRequest2Edits& binding)
{
    binding.bindEdit(IpRow, "%s{l16}", IPEdit);
    binding.bindComboBox(ProtocolRow, ProtocolComboBox);
    binding.bindEdit(PortRow, "%i{n1x65535l5}", PortEdit);
    binding.bindEdit(KeyRow, "%s{l254}", KeyEdit);
    binding.bindEdit(TimeoutRow, "%i{n1x255}", TimeoutEdit);
    binding.bindEdit(RetryRow, "%i{n1x255}", RetryCEdit);
    binding.bindComboBox(RowStatusRow, RowComboBox);
}

bool TServerInformationForm::checkIndex()
{
    if (IPEdit->text().isEmpty()) {
        refuse("Server IP must be set.", IPEdit);
        return false;
    }
    if (ProtocolComboBox->currentText().isEmpty()) {
        refuse("Protocol must be set.", ProtocolComboBox);
        return false;
    }
    return true;
}

std::vector<int> TServerInformationForm::emptyColumns() const
{
    std::vector<int> leftOut;
    const std::pair<QLineEdit*, int> edits[] = {
        {PortEdit, PortRow}, {KeyEdit, KeyRow}, {TimeoutEdit, TimeoutRow}, {RetryCEdit, RetryRow}};
    for (const auto& [edit, row] : edits) {
        if (edit->text().isEmpty())
            leftOut.push_back(row);
    }
    return leftOut;
}

void TServerInformationForm::AddButtonClick()
{
    if (!checkIndex())
        return;
    const QString protocol = ProtocolComboBox->currentText();
    if (hasLine(IPEdit->text(), &protocol))
        return refuse("Has already a record with the same Server IP and Protocol. Please Change Server IP or "
                      "Protocol.",
                      IPEdit);
    if (RowComboBox->currentText() != QStringLiteral("createAndGo"))
        return refuse("Row State must be createAndGo.", RowComboBox);
    write(emptyColumns());
}

void TServerInformationForm::EditButtonClick()
{
    if (!checkIndex())
        return;
    if (RowComboBox->currentText() == QStringLiteral("destroy"))
        return write({PortRow, KeyRow, TimeoutRow, RetryRow});
    std::vector<int> leftOut = emptyColumns();
    leftOut.push_back(RowStatusRow);
    write(leftOut);
}

void TServerInformationForm::DeleteButtonClick()
{
    write({PortRow, KeyRow, TimeoutRow, RetryRow}, "destroy");
}
