#include "bars/toolbarlayout.h"

#include <QSet>

namespace kelvane {

namespace {

const QString kVersion = QStringLiteral("1");
const QChar kHidden = QLatin1Char('-');

} // namespace

QString ToolbarLayout::toText(const QList<Entry>& entries) {
    QStringList parts{kVersion};
    for (const Entry& entry : entries)
        parts.append(entry.visible ? entry.key : kHidden + entry.key);
    return parts.join(QLatin1Char(' '));
}

std::optional<QList<ToolbarLayout::Entry>> ToolbarLayout::fromText(const QString& text,
                                                                   const QStringList& keys) {
    const QStringList parts = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (parts.isEmpty() || parts.first() != kVersion)
        return std::nullopt;
    QList<Entry> entries;
    QSet<QString> seen;
    for (qsizetype i = 1; i < parts.size(); ++i) {
        Entry entry;
        entry.key = parts[i];
        if (entry.key.startsWith(kHidden)) {
            entry.key.remove(0, 1);
            entry.visible = false;
        }
        if (!keys.contains(entry.key) || seen.contains(entry.key))
            return std::nullopt;
        seen.insert(entry.key);
        entries.append(entry);
    }
    if (entries.size() != keys.size())
        return std::nullopt;
    return entries;
}

} // namespace kelvane
