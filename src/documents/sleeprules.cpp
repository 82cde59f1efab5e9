#include "documents/sleeprules.h"

#include <QRegion>

namespace kelvane {

SleepDepth deepestSleep(const SleepState& s) {
    if (s.active || s.visible || s.audible || s.capturing || s.fullScreen || s.devTools ||
        s.loading)
        return SleepDepth::Awake;
    // The engine cannot keep typed text through a discard.
    if (s.typedText)
        return SleepDepth::Frozen;
    return SleepDepth::Discarded;
}

SleepTimes SleepTimes::fromText(const QString& text) {
    SleepTimes times;
    if (text.trimmed().compare(QLatin1String("Never"), Qt::CaseInsensitive) == 0) {
        times.never = true;
        return times;
    }
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() != 2)
        return times;
    bool freezeOk = false;
    bool discardOk = false;
    const int freeze = parts.at(0).trimmed().toInt(&freezeOk);
    const int discard = parts.at(1).trimmed().toInt(&discardOk);
    // A week at most: longer is never in practice, and minutes in milliseconds stay in range.
    constexpr int kMaxMinutes = 7 * 24 * 60;
    if (!freezeOk || !discardOk || freeze < 1 || discard < freeze || discard > kMaxMinutes)
        return times;
    times.freezeMinutes = freeze;
    times.discardMinutes = discard;
    return times;
}

QString SleepTimes::toText() const {
    return never ? QStringLiteral("Never")
                 : QStringLiteral("%1,%2").arg(freezeMinutes).arg(discardMinutes);
}

SleepDepth dueSleep(const SleepState& state, qint64 unseenMs, const SleepTimes& times) {
    if (times.never)
        return SleepDepth::Awake;
    constexpr qint64 kMinuteMs = 60 * 1000;
    SleepDepth due = SleepDepth::Awake;
    if (unseenMs >= times.discardMinutes * kMinuteMs)
        due = SleepDepth::Discarded;
    else if (unseenMs >= times.freezeMinutes * kMinuteMs)
        due = SleepDepth::Frozen;
    return std::min(due, deepestSleep(state));
}

std::optional<double> availableMemoryShare(const QByteArray& meminfo) {
    std::optional<qint64> total;
    std::optional<qint64> available;
    for (const QByteArray& line : meminfo.split('\n')) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.size() < 2)
            continue;
        bool ok = false;
        const qint64 value = fields.at(1).toLongLong(&ok);
        if (!ok || value < 0)
            continue;
        if (fields.at(0) == "MemTotal:")
            total = value;
        else if (fields.at(0) == "MemAvailable:")
            available = value;
    }
    if (!total || !available || *total <= 0)
        return std::nullopt;
    return std::min(1.0, double(*available) / double(*total));
}

QList<bool> uncoveredWindows(const QList<QRect>& bottomToTop) {
    QList<bool> uncovered(bottomToTop.size(), false);
    QRegion above;
    for (qsizetype i = bottomToTop.size() - 1; i >= 0; --i) {
        const QRect& window = bottomToTop.at(i);
        uncovered[i] = !window.isEmpty() && !QRegion(window).subtracted(above).isEmpty();
        above += window;
    }
    return uncovered;
}

QList<int> restoreLoadOrder(const QList<QRect>& bottomToTop) {
    const QList<bool> uncovered = uncoveredWindows(bottomToTop);
    QList<int> order;
    for (qsizetype i = uncovered.size() - 1; i >= 0; --i) {
        // The active window loads even when it has no size yet.
        if (uncovered.at(i) || i == uncovered.size() - 1)
            order.append(int(i));
    }
    return order;
}

} // namespace kelvane
