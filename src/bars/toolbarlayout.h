#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace kelvane {

// The text a customised toolbar is stored as: the version "1", then every button key in the
// order shown, separated by blanks, a hidden button's key preceded by "-":
//   "1 New Back -Forward Refresh Stop Home Home2 Separator Mail Search News"
// Blanks never need quoting in the store and keys have none.
class ToolbarLayout {
public:
    struct Entry {
        QString key;
        bool visible = true;

        bool operator==(const Entry&) const = default;
    };

    static QString toText(const QList<Entry>& entries);

    // The entries of a stored text, or nothing when the text cannot be trusted: another version,
    // an unknown key, a key twice, or a key of `keys` missing. Any order of `keys` is accepted.
    static std::optional<QList<Entry>> fromText(const QString& text, const QStringList& keys);
};

} // namespace kelvane
