#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>

class QLabel;

class QWidget;

namespace kelvane {

class DocumentArea;
class DocumentWindow;
struct FullScreenRequest;

// A page's request to fill the screen: the main window goes full screen with that document's
// page over all of it, so the bars, the menus, the other documents and the Navigator are out of
// sight but untouched. Esc, the page itself, closing the document or another document becoming
// the active one leave, and the window, its bars and the document come back as they were.
class FullScreenPage : public QObject {
    Q_OBJECT
public:
    FullScreenPage(QWidget* window, DocumentArea& documents, QWidget* navigator);

    // Answers the document's full-screen requests from now on.
    void watch(DocumentWindow* document);
    bool isActive() const { return m_document != nullptr; }
    DocumentWindow* document() const { return m_document; }
    // Leaves full screen, telling the page.
    void leave();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void request(DocumentWindow* document, FullScreenRequest* request);
    void enter(DocumentWindow* document);
    void restore();
    // "Press Esc to leave full screen" over the page's top edge, for a few seconds.
    void showNotice();
    void placeNotice();

    QWidget* m_window;
    DocumentArea& m_documents;
    QPointer<QWidget> m_navigator;
    QPointer<DocumentWindow> m_document;
    QPointer<QWidget> m_page;
    QPointer<QLabel> m_notice;
    QTimer* m_noticeTimer;
    Qt::WindowStates m_windowState;
    bool m_navigatorWasVisible = false;
    bool m_documentMaximized = false;
};

} // namespace kelvane
