#include "documents/tabbar.h"

#include "documents/documentset.h"
#include "ui/pictures.h"

#include <QContextMenuEvent>
#include <QMimeData>
#include <QMouseEvent>

namespace kelvane {

TabBar::TabBar(DocumentSet& documents, QWidget* parent)
    : QTabBar(parent)
    , m_documents(documents) {
    setDrawBase(false);
    setExpanding(false);
    setElideMode(Qt::ElideNone); // the caption rule already shortens titles
    setUsesScrollButtons(true);
    setDocumentMode(true);
    setFocusPolicy(Qt::NoFocus);
    setAcceptDrops(true);

    connect(&documents, &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex&, int first, int last) { insertRows(first, last); });
    connect(&documents, &QAbstractItemModel::rowsRemoved, this,
            [this](const QModelIndex&, int first, int last) { removeRows(first, last); });
    connect(&documents, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex& from, const QModelIndex& to) {
                updateRows(from.row(), to.row());
            });
    insertRows(0, documents.count() - 1);
}

void TabBar::insertRows(int first, int last) {
    for (int row = first; row <= last; ++row) {
        insertTab(row, QString());
        updateRows(row, row);
    }
}

void TabBar::removeRows(int first, int last) {
    for (int row = last; row >= first; --row)
        removeTab(row);
}

void TabBar::changeEvent(QEvent* event) {
    QTabBar::changeEvent(event);
    // The sleeping captions' dimmed colour is the palette's of the moment.
    if (event->type() == QEvent::PaletteChange)
        updateRows(0, count() - 1);
}

void TabBar::showEvent(QShowEvent* event) {
    QTabBar::showEvent(event);
    if (std::exchange(m_coloursPending, false))
        updateRows(0, count() - 1);
}

void TabBar::updateRows(int first, int last) {
    for (int row = first; row <= last && row < count(); ++row) {
        const int docIndex = row + 1;
        // Each change of a caption, picture or colour lays the whole bar out again (also while
        // hidden); most changes of a document leave them as they were.
        if (const QString caption = m_documents.tabCaption(docIndex); tabText(row) != caption)
            setTabText(row, caption);
        setTabToolTip(row, m_documents.tabToolTip(docIndex));
        if (const QIcon icon = tabPicture(m_documents.tabIcon(docIndex));
            tabIcon(row).cacheKey() != icon.cacheKey())
            setTabIcon(row, icon);
        // A sleeping document's caption is dimmed, as the Navigator dims its row.
        if (const QColor colour = m_documents.isSleeping(docIndex)
                                      ? palette().color(QPalette::Disabled, QPalette::WindowText)
                                      : QColor();
            tabTextColor(row) != colour) {
            // A hidden bar would be laid out for it, once per tab of a restore.
            if (isVisible())
                setTabTextColor(row, colour);
            else
                m_coloursPending = true;
        }
        // A shrunk tab's caption is cut short: a screen reader hears the whole title.
        const QString name = tabToolTip(row).isEmpty() ? tabText(row) : tabToolTip(row);
        setAccessibleTabName(row, name.isEmpty() ? tr("Untitled document") : name);
    }
}

void TabBar::selectTab(int docIndex) {
    m_selecting = true;
    if (docIndex >= 1 && docIndex <= count())
        setCurrentIndex(docIndex - 1);
    m_selecting = false;
}

void TabBar::mousePressEvent(QMouseEvent* event) {
    const int index = tabAt(event->position().toPoint());
    if (index < 0 && event->button() == Qt::LeftButton) {
        QTabBar::mousePressEvent(event); // the scroll buttons
        return;
    }
    // Other buttons stay with the tab bar, tab or not: the bars' menu is not the tabs'.
    event->accept();
    if (index >= 0)
        Q_EMIT tabClicked(index + 1, event->button());
}

void TabBar::mouseReleaseEvent(QMouseEvent* event) {
    // The release of a press that closed its tab finds no tab under it, and must not reach
    // the bars either.
    if (event->button() == Qt::LeftButton && tabAt(event->position().toPoint()) < 0)
        QTabBar::mouseReleaseEvent(event);
    else
        event->accept();
}

void TabBar::mouseDoubleClickEvent(QMouseEvent* event) {
    const int index = tabAt(event->position().toPoint());
    if (index >= 0 && event->button() == Qt::LeftButton)
        Q_EMIT tabDoubleClicked(index + 1);
    event->accept();
}

void TabBar::contextMenuEvent(QContextMenuEvent* event) {
    // A right click closes the tab it is on; the bars' menu belongs to the bars, not here.
    event->accept();
}

void TabBar::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void TabBar::dragMoveEvent(QDragMoveEvent* event) {
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void TabBar::dropEvent(QDropEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.isEmpty())
        return;
    event->acceptProposedAction();
    Q_EMIT addressDropped(urls.first().toString());
}

} // namespace kelvane
