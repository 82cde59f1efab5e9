#pragma once

#include <QString>
#include <QStringList>

#include <functional>

namespace kelvane {

// Where the typed history is kept: texts by key, each read with a default. The program keeps
// it in section "Settings" of the settings store; tests keep the keys in a map.
struct HistoryStore {
    std::function<QString(const QString& key, const QString& defaultValue)> read;
    std::function<void(const QString& key, const QString& value)> write;
};

// The rules of the typed history: the addresses opened from the address bar and in new
// documents, newest first, without an upper limit.
class TypedHistory {
public:
    // Whether url goes on top of items (top first): when the list is empty or its top item
    // differs, compared exactly and case-sensitively. Older duplicates further down do not count.
    static bool goesOnTop(const QStringList& items, const QString& url);

    // Writes items (top first) oldest first as "HistorySite"1 to count, leaving out empty ones,
    // then "HistoryCount" = count. Higher-numbered keys from an earlier, longer list stay; they
    // are never read. The count is a 16-bit number: past 32767 items the oldest are not written,
    // so the stored count never wraps round and loses the whole list.
    static void save(const QStringList& items, const HistoryStore& store);

    // Reads "HistoryCount" as a 16-bit number (unreadable: 0) and "HistorySite"1 to count, a
    // missing one as the text "0"; each goes on top of the ones before, so the list comes back
    // in its saved order. Returns it top first.
    static QStringList load(const HistoryStore& store);

    // Section "Settings" of the program's settings store.
    static HistoryStore settingsStore();

    static constexpr int kMaxStored = 32767;
};

} // namespace kelvane
