#include "frame/frametitle.h"

#include "documents/documentarea.h"
#include "documents/documentwindow.h"

#include <QEvent>
#include <QMainWindow>
#include <QMdiSubWindow>
#include <QTimer>

namespace kelvane {

FrameTitle::FrameTitle(QMainWindow* window, DocumentArea& documents)
    : QObject(window)
    , m_window(window)
    , m_documents(documents) {
    window->installEventFilter(this);
    connect(&documents, &DocumentArea::activeDocumentChanged, this, &FrameTitle::update);
    connect(&documents, &DocumentArea::countChanged, this, &FrameTitle::update);
}

void FrameTitle::setBaseTitle(const QString& title) {
    m_base = title;
    update();
}

void FrameTitle::update() {
    if (m_base.isEmpty())
        return;
    QString title = m_base;
    const DocumentWindow* doc = m_documents.activeDocument();
    const auto* sub = doc ? qobject_cast<const QMdiSubWindow*>(doc->parentWidget()) : nullptr;
    if (sub && sub->isMaximized() && !sub->windowTitle().isEmpty())
        title += QStringLiteral(" - [") + sub->windowTitle() + QLatin1Char(']');
    if (m_window->windowTitle() != title) {
        m_setting = true;
        m_window->setWindowTitle(title);
        m_setting = false;
    }
}

bool FrameTitle::eventFilter(QObject* watched, QEvent* event) {
    // Whoever else set the title, the frame's own comes back once they are done.
    if (watched == m_window && event->type() == QEvent::WindowTitleChange && !m_setting)
        QTimer::singleShot(0, this, &FrameTitle::update);
    return QObject::eventFilter(watched, event);
}

} // namespace kelvane
