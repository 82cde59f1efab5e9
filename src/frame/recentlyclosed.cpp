#include "frame/recentlyclosed.h"

#include "documents/documentarea.h"
#include "documents/documentwindow.h"

#include <QAction>
#include <QFontMetrics>
#include <QMenu>

namespace kelvane {

namespace {

// Longest title shown in the menu, in pixels; longer ones are cut in the middle.
constexpr int kTitleWidth = 420;

} // namespace

RecentlyClosed::RecentlyClosed(DocumentArea& documents, QMenu* menu, QAction* reopenLatest,
                               QObject* parent)
    : QObject(parent)
    , m_documents(documents)
    , m_menu(menu)
    , m_reopenLatest(reopenLatest) {
    connect(&documents, &DocumentArea::documentClosing, this, &RecentlyClosed::documentClosing);
    connect(m_menu, &QMenu::aboutToShow, this, &RecentlyClosed::fillMenu);
    connect(m_reopenLatest, &QAction::triggered, this, [this] { reopen(0); });
    m_reopenLatest->setEnabled(false);
}

void RecentlyClosed::documentClosing(DocumentWindow* document) {
    // A window that never got a page (a pop-up stopped before it loaded) is nothing to reopen;
    // a private document leaves nothing behind.
    const SavedPage page = document->savedPage();
    if (page.url.isEmpty() || document->isPrivate())
        return;
    m_pages.prepend(page);
    if (m_pages.size() > kLimit)
        m_pages.removeLast();
    m_reopenLatest->setEnabled(true);
}

void RecentlyClosed::reopen(int index) {
    if (index < 0 || index >= m_pages.size())
        return;
    const SavedPage page = m_pages.takeAt(index);
    m_reopenLatest->setEnabled(!m_pages.isEmpty());
    m_documents.openWithHistory(page.url, page.history);
}

void RecentlyClosed::clear() {
    m_pages.clear();
    m_reopenLatest->setEnabled(false);
    fillMenu();
}

void RecentlyClosed::fillMenu() {
    const QList<QAction*> actions = m_menu->actions();
    for (QAction* action : actions) {
        if (action != m_reopenLatest)
            delete action;
    }
    if (!m_pages.isEmpty())
        m_menu->addSeparator();
    const QFontMetrics metrics(m_menu->font());
    for (int i = 0; i < m_pages.size(); ++i) {
        const SavedPage& page = m_pages.at(i);
        QString text = metrics.elidedText(page.title.isEmpty() ? page.url : page.title,
                                          Qt::ElideMiddle, kTitleWidth);
        QAction* action = m_menu->addAction(text.replace(QLatin1Char('&'), QStringLiteral("&&")));
        action->setToolTip(page.url);
        connect(action, &QAction::triggered, this, [this, i] { reopen(i); });
    }
}

} // namespace kelvane
