#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace kelvane {

// Guards against a crash loop: saved documents that brought the browser down at its last
// starts are not all opened again unasked. A small file in the data folder counts the starts
// in a row that opened the same saved documents and did not end in a clean close.
class StartGuard {
public:
    // After this many such starts in a row, the next start asks which documents to open.
    static constexpr int kUncleanStartsBeforeAsking = 2;

    // dataFolder()/starts.kvn
    static QString defaultPath();

    explicit StartGuard(QString path = defaultPath());

    // Records a start that is about to open documents. True when the starts before it that
    // opened the same documents (same addresses, same order) ended without a clean close
    // kUncleanStartsBeforeAsking times in a row or more.
    bool beginRestore(const QStringList& documents);
    // The browser closed as it should: the count starts again.
    void closedCleanly();

private:
    QString m_path;
};

// The guard's file: the number of unclean starts on one line, then a digest of the documents
// those starts opened (the addresses themselves stay in the settings file alone).
struct UncleanStarts {
    int count = 0;
    QByteArray documents;
};

// Anything that is not such a record reads as no unclean start.
UncleanStarts parseUncleanStarts(const QByteArray& text);
QByteArray uncleanStartsText(const UncleanStarts& record);
QByteArray documentsDigest(const QStringList& documents);

} // namespace kelvane
