#include "frame/developertools.h"

#include "documents/documentarea.h"
#include "documents/documentwindow.h"
#include "platform/engine/engine.h"

namespace kelvane {

DeveloperTools::DeveloperTools(DocumentArea& documents, QObject* parent)
    : QObject(parent)
    , m_documents(documents) {
    connect(&documents, &DocumentArea::documentCreated, this, [this](DocumentWindow* doc) {
        connect(doc->engine(), &Engine::developerToolsRequested, this, [this, doc] { open(doc); });
    });
}

DocumentWindow* DeveloperTools::toolsOf(DocumentWindow* page) const {
    return m_tools.value(page).data();
}

void DeveloperTools::toggle() {
    DocumentWindow* active = m_documents.activeDocument();
    if (!active)
        return;
    for (auto it = m_tools.cbegin(); it != m_tools.cend(); ++it) {
        if (it.value() == active || (it.key() == active && it.value())) {
            it.value()->closeNow();
            return;
        }
    }
    open(active);
}

void DeveloperTools::open(DocumentWindow* page) {
    if (DocumentWindow* tools = toolsOf(page)) {
        tools->bringToFront();
        return;
    }
    DocumentWindow* tools = m_documents.openWindowForRequest(page->isPrivate());
    m_tools.insert(page, tools);
    page->engine()->showDeveloperToolsIn(tools->engine());
    const QPointer<DocumentWindow> inspected = page;
    // Queued: the page's own close runs on meanwhile.
    connect(page, &DocumentWindow::closing, tools, &DocumentWindow::closeDocument,
            Qt::QueuedConnection);
    connect(tools, &DocumentWindow::closing, this, [this, inspected, page] {
        m_tools.remove(page);
        if (inspected && !inspected->isClosing())
            inspected->engine()->showDeveloperToolsIn(nullptr);
    });
}

} // namespace kelvane
