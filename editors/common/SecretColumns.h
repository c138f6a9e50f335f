#pragma once
// Secrets in the editors (member passwords, server keys, MD5 keys): typed with
// password echo, and their list columns drawn masked, one line at a time shown
// in clear by a double click on its cell (another double click masks it again).
// The item texts themselves stay whole: the binding reads and writes them.
#include <QString>
#include <QStringList>

class QLineEdit;
class QModelIndex;
class QTreeWidget;

namespace secret {

// Echoes what is typed into edit as dots.
void hideTyping(QLineEdit* edit);
// Masks the columns of list whose headers read one of headers, whatever
// position the binding gives them when it builds the columns.
void maskColumns(QTreeWidget* list, const QStringList& headers);
// The text the list shows for the cell: the mask unless the line was revealed.
QString shownText(const QTreeWidget* list, const QModelIndex& index);

}  // namespace secret
