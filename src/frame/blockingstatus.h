#pragma once

#include <QObject>

namespace kelvane {

class ContentBlocking;
class DocumentArea;
class StatusBar;

// Keeps the status bar's word on content blocking with the active document (its count of
// blocked requests, its site's exception) and applies the exception the user switches there,
// loading the page again so that it takes effect.
class BlockingStatus : public QObject {
    Q_OBJECT
public:
    BlockingStatus(DocumentArea& documents, StatusBar& statusBar, ContentBlocking& blocking,
                   QObject* parent = nullptr);

private:
    void update();

    DocumentArea& m_documents;
    StatusBar& m_statusBar;
    ContentBlocking& m_blocking;
    int m_blocked = 0;
};

} // namespace kelvane
