#pragma once

namespace kelvane {

class DocumentArea;

// The documents of the last session: "DocumentCount" and "Document"1..n, the addresses of the
// open documents in the document set's order.
class SavedDocuments {
public:
    explicit SavedDocuments(DocumentArea& documents)
        : m_documents(documents) {}

    void save() const;
    // Opens the saved documents; a missing "Document"+i opens the first home page instead.
    void restore();

private:
    DocumentArea& m_documents;
};

} // namespace kelvane
