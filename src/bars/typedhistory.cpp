#include "bars/typedhistory.h"

#include "base/settingscatalogue.h"
#include "base/textforms.h"

namespace kelvane {

namespace {
const QString kCountKey = QStringLiteral("HistoryCount");
const QString kSitePrefix = QStringLiteral("HistorySite");
} // namespace

bool TypedHistory::goesOnTop(const QStringList& items, const QString& url) {
    return items.isEmpty() || items.first() != url;
}

void TypedHistory::save(const QStringList& items, const HistoryStore& store) {
    QStringList kept; // top first
    for (const QString& item : items) {
        if (!item.isEmpty())
            kept.append(item);
    }
    if (kept.size() > kMaxStored)
        kept.resize(kMaxStored);

    int count = 0;
    for (auto it = kept.crbegin(); it != kept.crend(); ++it)
        store.write(numberedKey(kSitePrefix, ++count), *it);
    store.write(kCountKey, int16Text(qint16(count)));
}

QStringList TypedHistory::load(const HistoryStore& store) {
    const QString zero = QStringLiteral("0");
    const int count = int16FromText(store.read(kCountKey, zero)).value_or(0);
    QStringList items;
    for (int i = 1; i <= count; ++i)
        items.prepend(store.read(numberedKey(kSitePrefix, i), zero));
    return items;
}

HistoryStore TypedHistory::settingsStore() {
    return {[](const QString& key, const QString& defaultValue) {
                return Settings::readText(key, defaultValue);
            },
            [](const QString& key, const QString& value) { Settings::writeText(key, value); }};
}

} // namespace kelvane
