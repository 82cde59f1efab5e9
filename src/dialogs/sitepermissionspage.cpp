#include "dialogs/sitepermissionspage.h"

#include "dialogs/permissionquestion.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace kelvane {

namespace {

constexpr int kKeyRole = Qt::UserRole;

} // namespace

SitePermissionsPage::SitePermissionsPage(const RememberedAnswers& answers, QWidget* parent)
    : QWidget(parent)
    , m_answers(answers)
    , m_list(new QTreeWidget(this))
    , m_remove(new QPushButton(tr("&Remove"), this)) {
    auto* intro = new QLabel(
        tr("Sites you answered with \u201cRemember\u201d. Remove an answer to be asked again."),
        this);
    intro->setWordWrap(true);
    m_list->setObjectName(QStringLiteral("permissionList"));
    m_list->setAccessibleName(tr("Remembered answers"));
    m_list->setHeaderLabels({tr("Site"), tr("Asked to"), tr("Answer")});
    m_list->setRootIsDecorated(false);
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_list->header()->setStretchLastSection(false);
    m_remove->setObjectName(QStringLiteral("removePermission"));
    m_remove->setEnabled(false);
    connect(m_list, &QTreeWidget::itemSelectionChanged, this,
            [this] { m_remove->setEnabled(!m_list->selectedItems().isEmpty()); });
    connect(m_remove, &QPushButton::clicked, this, &SitePermissionsPage::removeSelected);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_remove);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addWidget(m_list, 1);
    layout->addLayout(buttons);
    fill();
}

void SitePermissionsPage::fill() {
    m_list->clear();
    for (const RememberedAnswer& entry : m_answers.entries()) {
        auto* item = new QTreeWidgetItem(m_list, {entry.site, kindDescription(entry.kind),
                                                  entry.allow ? tr("Allowed") : tr("Blocked")});
        item->setData(0, kKeyRole, entry.kind);
    }
    m_list->resizeColumnToContents(1);
    m_list->resizeColumnToContents(2);
}

void SitePermissionsPage::removeSelected() {
    for (const QTreeWidgetItem* item : m_list->selectedItems())
        m_answers.forget(item->text(0), item->data(0, kKeyRole).toString());
    fill();
}

} // namespace kelvane
