#pragma once

#include "base/sessionfile.h"

#include <QList>
#include <QObject>

class QAction;
class QMenu;

namespace kelvane {

class DocumentArea;
class DocumentWindow;

// The documents closed in this session, most recent first, each with its address, title and
// history, so that it can come back as it was: the Window menu's "Recently Closed" and
// Ctrl+Shift+T, which reopens the most recent one.
class RecentlyClosed : public QObject {
    Q_OBJECT
public:
    static constexpr int kLimit = 20;

    // menu lists the documents after reopenLatest, which is enabled while there is one.
    RecentlyClosed(DocumentArea& documents, QMenu* menu, QAction* reopenLatest,
                   QObject* parent = nullptr);

    const QList<SavedPage>& pages() const { return m_pages; }
    // Reopens the document at index (0: the most recent) and takes it off the list.
    void reopen(int index = 0);
    void clear();

private:
    void documentClosing(DocumentWindow* document);
    void fillMenu();

    DocumentArea& m_documents;
    QMenu* m_menu;
    QAction* m_reopenLatest;
    QList<SavedPage> m_pages;
};

} // namespace kelvane
