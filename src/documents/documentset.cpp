#include "documents/documentset.h"

#include "documents/tabrules.h"

#include <QFont>
#include <QGuiApplication>
#include <QPalette>

namespace kelvane {

DocumentSet::DocumentSet(QObject* parent)
    : QAbstractTableModel(parent) {}

int DocumentSet::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_entries.size();
}

int DocumentSet::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant DocumentSet::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= m_entries.size())
        return {};
    const Entry& e = m_entries.at(index.row());
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
        return index.column() == SiteColumn ? e.rowText : e.status;
    case Qt::AccessibleDescriptionRole:
        // The active row is told apart by its bold font alone.
        return e.active && index.column() == SiteColumn ? tr("Active document") : QVariant();
    case Qt::FontRole:
        if (e.active) {
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        return {};
    case Qt::ForegroundRole:
        if (e.sleeping)
            return QGuiApplication::palette().color(QPalette::Disabled, QPalette::Text);
        return {};
    case DocumentRole:
        return QVariant::fromValue(e.document.data());
    case DocIndexRole:
        return e.docIndex;
    case TabCaptionRole:
        return e.tabCaption;
    case TabToolTipRole:
        return e.tabToolTip;
    case TabIconRole:
        return e.tabIcon;
    case TabShrunkRole:
        return e.shrunk;
    case ActiveRole:
        return e.active;
    case AddressRole:
        return e.address;
    case SleepingRole:
        return e.sleeping;
    default:
        return {};
    }
}

QVariant DocumentSet::headerData(int section, Qt::Orientation orientation, int role) const {
    // The Navigator's header carries the string identifiers of its captions (2503, 2504).
    if (orientation == Qt::Horizontal && section >= 0 && section < ColumnCount) {
        if (role == Qt::UserRole)
            return section == SiteColumn ? QStringLiteral("2503") : QStringLiteral("2504");
        if (role == Qt::DisplayRole)
            return m_headers[section];
        // How many documents sleep, on the Navigator's header.
        if (role == Qt::ToolTipRole && sleepingCount() > 0)
            return tr("%n of %1 documents asleep", nullptr, sleepingCount()).arg(count());
    }
    return QAbstractTableModel::headerData(section, orientation, role);
}

bool DocumentSet::setHeaderData(int section, Qt::Orientation orientation, const QVariant& value,
                                int role) {
    if (orientation != Qt::Horizontal || section < 0 || section >= ColumnCount ||
        (role != Qt::DisplayRole && role != Qt::EditRole))
        return false;
    m_headers[section] = value.toString();
    Q_EMIT headerDataChanged(orientation, section, section);
    return true;
}

int DocumentSet::append(QObject* document, const QString& rowText, const QString& tabCaption) {
    const int row = m_entries.size();
    beginInsertRows({}, row, row);
    Entry e;
    e.document = document;
    e.docIndex = row + 1;
    e.rowText = rowText;
    e.tabCaption = tabCaption;
    m_entries.append(e);
    endInsertRows();
    return row + 1;
}

void DocumentSet::remove(int docIndex) {
    if (docIndex < 1 || docIndex > m_entries.size())
        return;
    for (int i = docIndex; i < m_entries.size(); ++i) {
        Entry& later = m_entries[i];
        later.docIndex -= 1;
        Q_EMIT renumbered(later.document, later.docIndex);
    }
    beginRemoveRows({}, docIndex - 1, docIndex - 1);
    m_entries.removeAt(docIndex - 1);
    endRemoveRows();
}

QObject* DocumentSet::document(int docIndex) const {
    const Entry* e = entry(docIndex);
    return e ? e->document.data() : nullptr;
}

int DocumentSet::docIndexOf(const QObject* document) const {
    for (const Entry& e : m_entries) {
        if (e.document == document)
            return e.docIndex;
    }
    return 0;
}

QList<QObject*> DocumentSet::documents() const {
    QList<QObject*> list;
    for (const Entry& e : m_entries)
        list.append(e.document.data());
    return list;
}

DocumentSet::Entry* DocumentSet::entry(int docIndex) {
    return docIndex >= 1 && docIndex <= m_entries.size() ? &m_entries[docIndex - 1] : nullptr;
}

const DocumentSet::Entry* DocumentSet::entry(int docIndex) const {
    return docIndex >= 1 && docIndex <= m_entries.size() ? &m_entries[docIndex - 1] : nullptr;
}

void DocumentSet::changed(int docIndex, int column, const QList<int>& roles) {
    const QModelIndex first = index(docIndex - 1, column < 0 ? 0 : column);
    const QModelIndex last = index(docIndex - 1, column < 0 ? ColumnCount - 1 : column);
    Q_EMIT dataChanged(first, last, roles);
}

void DocumentSet::setTabTitle(int docIndex, const QString& title) {
    const TabLook look = tabLook(title, isShrunk(docIndex), tabIcon(docIndex));
    setTabCaption(docIndex, look.caption);
    setTabIcon(docIndex, look.icon);
}

// Getters answer a field's empty value for a number that has no document, as a missing row or
// tab would; setters on a missing row or tab change nothing.
template <typename T> T DocumentSet::field(int docIndex, T Entry::*member) const {
    const Entry* e = entry(docIndex);
    return e ? e->*member : T();
}

template <typename T>
void DocumentSet::setField(int docIndex, T Entry::*member, const T& value, int column,
                           const QList<int>& roles) {
    Entry* e = entry(docIndex);
    if (!e || e->*member == value)
        return;
    e->*member = value;
    changed(docIndex, column, roles);
}

QString DocumentSet::rowText(int docIndex) const {
    return field(docIndex, &Entry::rowText);
}
QString DocumentSet::status(int docIndex) const {
    return field(docIndex, &Entry::status);
}
bool DocumentSet::isActive(int docIndex) const {
    return field(docIndex, &Entry::active);
}
QString DocumentSet::tabCaption(int docIndex) const {
    return field(docIndex, &Entry::tabCaption);
}
QString DocumentSet::tabToolTip(int docIndex) const {
    return field(docIndex, &Entry::tabToolTip);
}
int DocumentSet::tabIcon(int docIndex) const {
    return field(docIndex, &Entry::tabIcon);
}
bool DocumentSet::isShrunk(int docIndex) const {
    return field(docIndex, &Entry::shrunk);
}
QString DocumentSet::address(int docIndex) const {
    return field(docIndex, &Entry::address);
}
bool DocumentSet::isSleeping(int docIndex) const {
    return field(docIndex, &Entry::sleeping);
}

void DocumentSet::setSleeping(int docIndex, bool sleeping) {
    setField(docIndex, &Entry::sleeping, sleeping, -1, {Qt::ForegroundRole, SleepingRole});
}

int DocumentSet::sleepingCount() const {
    return int(std::count_if(m_entries.cbegin(), m_entries.cend(),
                             [](const Entry& e) { return e.sleeping; }));
}

void DocumentSet::setRowText(int docIndex, const QString& text) {
    setField(docIndex, &Entry::rowText, text, SiteColumn, {Qt::DisplayRole, Qt::ToolTipRole});
}
void DocumentSet::setStatus(int docIndex, const QString& text) {
    setField(docIndex, &Entry::status, text, StatusColumn, {Qt::DisplayRole, Qt::ToolTipRole});
}
void DocumentSet::setActive(int docIndex, bool active) {
    setField(docIndex, &Entry::active, active, -1, {Qt::FontRole, ActiveRole});
}
void DocumentSet::setTabCaption(int docIndex, const QString& caption) {
    setField(docIndex, &Entry::tabCaption, caption, SiteColumn, {TabCaptionRole});
}
void DocumentSet::setTabToolTip(int docIndex, const QString& text) {
    setField(docIndex, &Entry::tabToolTip, text, SiteColumn, {TabToolTipRole});
}
void DocumentSet::setTabIcon(int docIndex, int icon) {
    setField(docIndex, &Entry::tabIcon, icon, SiteColumn, {TabIconRole});
}
void DocumentSet::setShrunk(int docIndex, bool shrunk) {
    setField(docIndex, &Entry::shrunk, shrunk, SiteColumn, {TabShrunkRole});
}
void DocumentSet::setAddress(int docIndex, const QString& address) {
    setField(docIndex, &Entry::address, address, SiteColumn, {AddressRole});
}

} // namespace kelvane
