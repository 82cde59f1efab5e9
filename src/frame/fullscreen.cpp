#include "frame/fullscreen.h"

#include "documents/documentarea.h"
#include "documents/documentwindow.h"
#include "platform/engine/engine.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiSubWindow>
#include <QWidget>

namespace kelvane {

namespace {

QMdiSubWindow* subWindowOf(const DocumentWindow* document) {
    return document ? qobject_cast<QMdiSubWindow*>(document->parentWidget()) : nullptr;
}

// How long the notice of the way out stays, and its place below the screen's top edge.
constexpr int kNoticeMs = 4000;
constexpr int kNoticeTop = 24;

} // namespace

FullScreenPage::FullScreenPage(QWidget* window, DocumentArea& documents, QWidget* navigator)
    : QObject(window)
    , m_window(window)
    , m_documents(documents)
    , m_navigator(navigator)
    , m_noticeTimer(new QTimer(this)) {
    connect(&documents, &DocumentArea::activeDocumentChanged, this, [this] {
        if (m_document && m_documents.activeDocument() != m_document)
            leave();
    });
    connect(&documents, &DocumentArea::countChanged, this, [this] {
        if (m_document && m_document->isClosing())
            leave();
    });
    m_noticeTimer->setObjectName(QStringLiteral("fullScreenNoticeTimer"));
    m_noticeTimer->setSingleShot(true);
    m_noticeTimer->setInterval(kNoticeMs);
    connect(m_noticeTimer, &QTimer::timeout, this, [this] {
        if (m_notice)
            m_notice->hide();
    });
}

void FullScreenPage::showNotice() {
    if (!m_notice) {
        m_notice = new QLabel(tr("Press Esc to leave full screen"), m_window);
        m_notice->setObjectName(QStringLiteral("fullScreenNotice"));
        m_notice->setAttribute(Qt::WA_TransparentForMouseEvents);
        m_notice->setStyleSheet(QStringLiteral("background: rgba(32, 32, 32, 215); color: white; "
                                               "padding: 12px 24px; border-radius: 8px;"));
    }
    QFont font = m_notice->font();
    font.setPointSizeF(font.pointSizeF() * 1.25);
    m_notice->setFont(font);
    m_notice->adjustSize();
    placeNotice();
    m_notice->show();
    m_notice->raise();
    m_noticeTimer->start();
}

void FullScreenPage::placeNotice() {
    if (m_notice)
        m_notice->move((m_window->width() - m_notice->width()) / 2, kNoticeTop);
}

void FullScreenPage::watch(DocumentWindow* document) {
    connect(document->engine(), &Engine::fullScreenRequested, this,
            [this, document](FullScreenRequest* request) { this->request(document, request); });
}

void FullScreenPage::request(DocumentWindow* document, FullScreenRequest* request) {
    if (!request->on) {
        // The page left by itself (or after leave() told it to).
        request->accept = true;
        if (m_document == document)
            restore();
        return;
    }
    // Only the page the user is looking at may take the screen.
    if (document != m_documents.activeDocument() || document->isClosing() ||
        (m_document && m_document != document))
        return;
    request->accept = true;
    if (!m_document)
        enter(document);
}

void FullScreenPage::enter(DocumentWindow* document) {
    m_document = document;
    m_page = document->engine()->widget();
    m_windowState = m_window->windowState();
    const QMdiSubWindow* sub = subWindowOf(document);
    m_documentMaximized = sub && sub->isMaximized();
    m_navigatorWasVisible = m_navigator && m_navigator->isVisible();
    if (m_navigatorWasVisible)
        m_navigator->hide();
    // The page moves over the whole window, which stays the one native window it draws in.
    m_page->setParent(m_window);
    m_page->setGeometry(m_window->rect());
    m_page->show();
    m_page->raise();
    m_page->setFocus();
    m_window->installEventFilter(this);
    qApp->installEventFilter(this);
    m_window->setWindowState((m_windowState & ~Qt::WindowMinimized) | Qt::WindowFullScreen);
    showNotice();
}

void FullScreenPage::leave() {
    if (!m_document)
        return;
    const QPointer<DocumentWindow> document = m_document;
    restore();
    if (document)
        document->engine()->leaveFullScreen();
}

void FullScreenPage::restore() {
    if (!m_document && !m_page)
        return;
    qApp->removeEventFilter(this);
    m_window->removeEventFilter(this);
    m_noticeTimer->stop();
    if (m_notice)
        m_notice->hide();
    m_window->setWindowState(m_windowState);
    if (m_page && m_document) {
        m_page->setParent(m_document);
        m_page->setGeometry(m_document->rect());
        m_page->setVisible(!m_document->isClosing());
    }
    // A switch or a close that ended full screen put another document in front, while no
    // maximized document was in sight: it takes the state the documents had. The focus goes
    // to the page in front; the page that left would take its document back to the front.
    if (DocumentWindow* active = m_documents.activeDocument()) {
        QMdiSubWindow* sub = subWindowOf(active);
        if (sub && m_documentMaximized && !sub->isMaximized())
            sub->showMaximized();
        active->engine()->widget()->setFocus();
    }
    if (m_navigatorWasVisible && m_navigator)
        m_navigator->show();
    m_document = nullptr;
    m_page = nullptr;
}

bool FullScreenPage::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_window && event->type() == QEvent::Resize && m_page) {
        m_page->setGeometry(m_window->rect());
        placeNotice();
    }
    // Esc in this window; a dialog over it keeps its own Esc. The key is looked at before the
    // receiver: items of the page's own scene pass by too, of classes built without type
    // information, and are better not touched.
    if (event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->window() == m_window) {
        leave();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace kelvane
