#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>

namespace kelvane {

class DocumentArea;
class DocumentWindow;

// The engine's developer tools, each in a document of its own beside the page it inspects, so
// they tile, cascade and show in the Navigator like any document. F12 opens the active page's
// tools, or closes them (from the page or from the tools); closing a page closes its tools.
class DeveloperTools : public QObject {
    Q_OBJECT
public:
    explicit DeveloperTools(DocumentArea& documents, QObject* parent = nullptr);

    void toggle();
    // Opens the tools of page, or brings them forward when they are open.
    void open(DocumentWindow* page);
    // The document showing page's tools; null for none.
    DocumentWindow* toolsOf(DocumentWindow* page) const;

private:
    DocumentArea& m_documents;
    QHash<DocumentWindow*, QPointer<DocumentWindow>> m_tools; // page -> its tools
};

} // namespace kelvane
