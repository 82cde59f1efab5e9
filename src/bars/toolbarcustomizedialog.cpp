#include "bars/toolbarcustomizedialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace kelvane {

namespace {

constexpr int kKeyRole = Qt::UserRole;

} // namespace

ToolbarCustomizeDialog::ToolbarCustomizeDialog(const QList<Item>& items,
                                               const QList<ToolbarLayout::Entry>& current,
                                               const QList<ToolbarLayout::Entry>& design,
                                               QWidget* parent)
    : QDialog(parent)
    , m_items(items)
    , m_design(design)
    , m_list(new QListWidget(this))
    , m_up(new QPushButton(tr("Move &Up"), this))
    , m_down(new QPushButton(tr("Move &Down"), this)) {
    setObjectName(QStringLiteral("customizeToolbar"));
    setWindowTitle(tr("Customize Toolbar"));

    auto* label = new QLabel(tr("&Buttons shown on the toolbar, in their order:"), this);
    label->setBuddy(m_list);
    m_list->setAccessibleName(tr("Buttons shown on the toolbar"));
    m_list->setDragDropMode(QAbstractItemView::InternalMove);
    m_list->setDefaultDropAction(Qt::MoveAction);
    m_list->setIconSize(QSize(16, 16));

    auto* reset = new QPushButton(tr("&Reset"), this);
    reset->setToolTip(tr("Show every button in its original place"));
    auto* side = new QVBoxLayout;
    side->addWidget(m_up);
    side->addWidget(m_down);
    side->addSpacing(12);
    side->addWidget(reset);
    side->addStretch(1);

    auto* middle = new QHBoxLayout;
    middle->addWidget(m_list, 1);
    middle->addLayout(side);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addLayout(middle, 1);
    layout->addWidget(buttons);

    connect(m_up, &QPushButton::clicked, this, &ToolbarCustomizeDialog::moveUp);
    connect(m_down, &QPushButton::clicked, this, &ToolbarCustomizeDialog::moveDown);
    connect(reset, &QPushButton::clicked, this, &ToolbarCustomizeDialog::reset);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_list, &QListWidget::currentRowChanged, this, &ToolbarCustomizeDialog::updateButtons);

    fill(current);
}

void ToolbarCustomizeDialog::fill(const QList<ToolbarLayout::Entry>& entries) {
    m_list->clear();
    for (const ToolbarLayout::Entry& entry : entries) {
        auto* row = new QListWidgetItem(m_list);
        for (const Item& item : m_items) {
            if (item.key == entry.key) {
                // The mnemonic marks of a caption mean nothing in a list.
                QString caption = item.caption;
                row->setText(caption.remove(QLatin1Char('&')));
                row->setIcon(item.icon);
            }
        }
        row->setData(kKeyRole, entry.key);
        row->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable |
                      Qt::ItemIsDragEnabled);
        row->setCheckState(entry.visible ? Qt::Checked : Qt::Unchecked);
    }
    m_list->setCurrentRow(0);
    updateButtons();
}

QList<ToolbarLayout::Entry> ToolbarCustomizeDialog::entries() const {
    QList<ToolbarLayout::Entry> result;
    for (int i = 0; i < m_list->count(); ++i) {
        const QListWidgetItem* row = m_list->item(i);
        result.append({row->data(kKeyRole).toString(), row->checkState() == Qt::Checked});
    }
    return result;
}

void ToolbarCustomizeDialog::moveUp() {
    moveCurrent(-1);
}

void ToolbarCustomizeDialog::moveDown() {
    moveCurrent(1);
}

void ToolbarCustomizeDialog::reset() {
    fill(m_design);
}

void ToolbarCustomizeDialog::moveCurrent(int step) {
    const int from = m_list->currentRow();
    const int to = from + step;
    if (from < 0 || to < 0 || to >= m_list->count())
        return;
    QListWidgetItem* row = m_list->takeItem(from);
    m_list->insertItem(to, row);
    m_list->setCurrentRow(to);
}

void ToolbarCustomizeDialog::updateButtons() {
    const int row = m_list->currentRow();
    m_up->setEnabled(row > 0);
    m_down->setEnabled(row >= 0 && row + 1 < m_list->count());
}

} // namespace kelvane
