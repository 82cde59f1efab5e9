#pragma once

#include <QObject>

namespace kelvane {

class BrowsingHistory;
class DocumentWindow;

// Puts every page a document finishes loading into the browsing history, with its title when
// the title comes. A load of the address the document recorded last (a reload, a redirect back
// to it) adds no second visit; only the web's own addresses count, not blank or source pages.
class VisitRecorder : public QObject {
    Q_OBJECT
public:
    VisitRecorder(BrowsingHistory& history, QObject* parent = nullptr);

    // Records the loads of document from now on.
    void watch(DocumentWindow* document);

private:
    BrowsingHistory& m_history;
};

} // namespace kelvane
