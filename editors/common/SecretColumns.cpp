#include "editors/common/SecretColumns.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QStyledItemDelegate>
#include <QTreeWidget>

namespace secret {
namespace {

// Item data role marking a revealed cell.
constexpr int kRevealedRole = Qt::UserRole + 71;

bool isSecretColumn(const QAbstractItemModel* model, int column, const QStringList& headers)
{
    return headers.contains(model->headerData(column, Qt::Horizontal).toString());
}

class MaskingDelegate : public QStyledItemDelegate {
public:
    MaskingDelegate(QTreeWidget* list, QStringList headers) : QStyledItemDelegate(list), m_headers(std::move(headers)) {}

    QString textOf(const QModelIndex& index) const
    {
        const QString text = index.data(Qt::DisplayRole).toString();
        if (text.isEmpty() || !isSecretColumn(index.model(), index.column(), m_headers)
            || index.data(kRevealedRole).toBool())
            return text;
        // A fixed length: the mask does not tell how long the secret is.
        return QString(8, QChar(0x2022));
    }

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        option->text = textOf(index);
    }

private:
    QStringList m_headers;
};

}  // namespace

void hideTyping(QLineEdit* edit)
{
    edit->setEchoMode(QLineEdit::Password);
}

void maskColumns(QTreeWidget* list, const QStringList& headers)
{
    list->setItemDelegate(new MaskingDelegate(list, headers));
    QObject::connect(list, &QTreeWidget::itemDoubleClicked, list, [list, headers](QTreeWidgetItem* item, int column) {
        if (!isSecretColumn(list->model(), column, headers))
            return;
        item->setData(column, kRevealedRole, !item->data(column, kRevealedRole).toBool());
    });
}

QString shownText(const QTreeWidget* list, const QModelIndex& index)
{
    if (const auto* masking = dynamic_cast<const MaskingDelegate*>(list->itemDelegate()))
        return masking->textOf(index);
    return index.data(Qt::DisplayRole).toString();
}

}  // namespace secret
