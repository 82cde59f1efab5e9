#pragma once

#include <QList>
#include <QMap>
#include <QPair>
#include <QString>

#include <optional>

namespace kelvane {

// One answer the user asked the browser to remember.
struct RememberedAnswer {
    // A page's origin ("https://example.org:8443").
    QString site;
    // What was asked: "notifications", "location", ..., "open-outside:mailto".
    QString kind;
    bool allow = false;

    bool operator==(const RememberedAnswer&) const = default;
};

// The answers to site questions the user asked to remember, kept in a small file written whole:
// one line per site and kind, "<site> <kind> allow" or "... block", in UTF-8.
class RememberedAnswers {
public:
    // dataFolder()/permissions.txt.
    static QString defaultPath();

    explicit RememberedAnswers(QString path = defaultPath())
        : m_path(std::move(path)) {}

    QString path() const { return m_path; }

    // Reads the file; a missing or unreadable one gives no answers. A line that is not
    // "<site> <kind> allow|block" with a site of printable characters without blanks and a kind
    // of lower-case letters and hyphens (and after a colon a scheme) is skipped; of two lines for
    // the same site and kind, the later counts. Only the first MiB is read.
    void load();
    // Writes every answer, whole or not at all; false when the file could not be written, and
    // the old one then stays.
    bool save() const;

    std::optional<bool> answer(const QString& site, const QString& kind) const;
    // False, and nothing kept, for a site or kind the file could not hold.
    bool remember(const QString& site, const QString& kind, bool allow);
    void forget(const QString& site, const QString& kind);
    // Sorted by site, then kind.
    QList<RememberedAnswer> entries() const;

    static bool isValidSite(const QString& site);
    static bool isValidKind(const QString& kind);

private:
    QString m_path;
    QMap<QPair<QString, QString>, bool> m_answers;
};

} // namespace kelvane
