#pragma once

#include <QByteArray>
#include <QList>
#include <QRect>
#include <QString>

#include <optional>

namespace kelvane {

// How deep a document sleeps: a frozen page keeps its renderer but runs no scripts or timers;
// a discarded page has no renderer left, only its address, title and history.
enum class SleepDepth { Awake, Frozen, Discarded };

// What the browser knows of a document when it decides whether it may sleep.
struct SleepState {
    bool active = false;    // the document the commands act on
    bool visible = false;   // not wholly covered in the document area
    bool audible = false;   // playing sound
    bool capturing = false; // camera, microphone or screen
    bool fullScreen = false;
    bool typedText = false; // a form holds text the user typed
    bool devTools = false;  // its developer tools are open
    bool loading = false;
};

// The deepest sleep the rules allow a document in state.
SleepDepth deepestSleep(const SleepState& state);

// The time a document stays unseen before it is frozen, and before it is discarded. Kept as
// the text "FREEZE,DISCARD" in minutes, or "Never".
struct SleepTimes {
    static constexpr int kDefaultFreezeMinutes = 5;
    static constexpr int kDefaultDiscardMinutes = 30;

    bool never = false;
    int freezeMinutes = kDefaultFreezeMinutes;
    int discardMinutes = kDefaultDiscardMinutes;

    // Text that is not a valid form gives the defaults.
    static SleepTimes fromText(const QString& text);
    QString toText() const;
    friend bool operator==(const SleepTimes&, const SleepTimes&) = default;
};

// The sleep due to a document unseen for unseenMs, within what its state allows.
SleepDepth dueSleep(const SleepState& state, qint64 unseenMs, const SleepTimes& times);

// The share (0..1) of the machine's memory still available, from the text of /proc/meminfo;
// none when MemTotal or MemAvailable is missing.
std::optional<double> availableMemoryShare(const QByteArray& meminfo);
// Below this share the least recently seen documents are discarded, one at a time.
inline constexpr double kLowMemoryShare = 0.10;

// Which windows of the document area the user sees any part of: windows bottom to top in
// their stacking order, each true unless the ones above it cover it wholly.
QList<bool> uncoveredWindows(const QList<QRect>& bottomToTop);

// The documents a restore loads at once, of the windows bottom to top with the active one
// last: the active one first, then the others the user sees, top down. The rest wait until
// they are first shown.
QList<int> restoreLoadOrder(const QList<QRect>& bottomToTop);

} // namespace kelvane
