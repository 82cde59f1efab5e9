#include "dialogs/restoredocumentsdialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace kelvane {

RestoreDocumentsDialog::RestoreDocumentsDialog(const QStringList& addresses, QWidget* parent)
    : QDialog(parent)
    , m_list(new QListWidget(this)) {
    setWindowTitle(tr("Open Saved Documents"));
    auto* text = new QLabel(tr("Kelvane closed unexpectedly the last two times it opened these "
                               "documents; one of them may be the cause. Choose the documents "
                               "to open:"),
                            this);
    text->setWordWrap(true);
    for (const QString& address : addresses) {
        // An address is shown as text, whatever it holds.
        auto* item = new QListWidgetItem(address, m_list);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Checked);
    }
    m_list->setCurrentRow(0);
    m_list->setAccessibleName(tr("Documents to open"));
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* open = buttons->addButton(tr("&Open"), QDialogButtonBox::AcceptRole);
    buttons->addButton(tr("Open &None"), QDialogButtonBox::RejectRole);
    open->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addWidget(m_list);
    layout->addWidget(buttons);
    resize(520, 320);
    m_list->setFocus();
}

QStringList RestoreDocumentsDialog::chosen() const {
    QStringList addresses;
    for (int row = 0; row < m_list->count(); ++row) {
        if (m_list->item(row)->checkState() == Qt::Checked)
            addresses << m_list->item(row)->text();
    }
    return addresses;
}

QStringList RestoreDocumentsDialog::choose(const QStringList& addresses, QWidget* parent) {
    RestoreDocumentsDialog dialog(addresses, parent);
    return dialog.exec() == QDialog::Accepted ? dialog.chosen() : QStringList();
}

} // namespace kelvane
