#pragma once

#include "base/startguard.h"

#include <QObject>

class QTimer;

namespace kelvane {

class DocumentArea;

// The documents of the last session: "DocumentCount" and "Document"1..n, the addresses of the
// open documents in the document set's order, and beside the settings a session file with each
// document's back and forward history. While "save all documents" is on, the list is also
// written a few seconds after it changes, so a crash or a power cut reopens what was open.
// Documents that brought the browser down at its last starts are not reopened unasked.
class SavedDocuments : public QObject {
    Q_OBJECT
public:
    static constexpr int kAutoSaveDelayMs = 3000;

    explicit SavedDocuments(DocumentArea& documents, QObject* parent = nullptr);

    // The keys, and the session file whole.
    void save() const;
    // Opens the saved documents; a missing "Document"+i opens the first home page instead.
    // Each comes back with its history when the session file holds one for its address; a
    // damaged session file is named on stderr and the documents open without history. After
    // unclean starts with the same documents the user chooses which to open.
    void restore();
    // The close ended as it should: the next start opens the saved documents unasked.
    void closedCleanly() { m_guard.closedCleanly(); }
    // From now on only the close writes the list.
    void stopAutoSave();

private:
    void scheduleAutoSave();
    void autoSave();

    DocumentArea& m_documents;
    QTimer* m_autoSave;
    StartGuard m_guard;
    bool m_autoSaving = true;
};

} // namespace kelvane
