#include "downloads/downloadrules.h"

#include "base/stringtable.h"

#include <QLocale>

#include <algorithm>
#include <cmath>

namespace kelvane {

namespace {

constexpr int kSecondsLeftId = 5014;
constexpr int kMinutesLeftId = 5015;
constexpr int kHoursLeftId = 5016;
constexpr int kRunningPercentId = 5017;
constexpr int kRunningBytesId = 5018;

// Longer than this after its last dot, or with a blank there, a name has no extension but a
// dot in it.
constexpr int kMaxExtensionChars = 12;
constexpr int kMaxNumberedTries = 10'000;

// Marks that turn the order of the text around ("gpj.exe" shown as "exe.jpg") or hide in it.
bool isDirectionMark(char32_t c) {
    return c == 0x061c || c == 0x200e || c == 0x200f || (c >= 0x202a && c <= 0x202e) ||
           (c >= 0x2066 && c <= 0x2069);
}

// The longest start of text with at most maxBytes bytes of UTF-8, whole characters only.
QString fitUtf8(const QString& text, qsizetype maxBytes) {
    qsizetype bytes = 0;
    qsizetype end = 0;
    for (const char32_t c : text.toUcs4()) {
        bytes += c < 0x80 ? 1 : c < 0x800 ? 2 : c < 0x10000 ? 3 : 4;
        if (bytes > maxBytes)
            break;
        end += c < 0x10000 ? 1 : 2;
    }
    return text.left(end);
}

qsizetype utf8Size(const QString& text) {
    return text.toUtf8().size();
}

// "report.bin" -> ("report", ".bin"); "data.tar.gz" -> ("data", ".tar.gz").
std::pair<QString, QString> splitExtension(const QString& name) {
    qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot <= 0 || name.size() - dot > kMaxExtensionChars ||
        std::ranges::any_of(name.mid(dot), [](QChar c) { return c.isSpace(); }))
        return {name, QString()};
    if (name.left(dot).endsWith(QLatin1String(".tar"), Qt::CaseInsensitive) && dot > 4)
        dot -= 4;
    return {name.left(dot), name.mid(dot)};
}

// base + suffix + extension in at most maxBytes, the base cut first.
QString joinFitted(const QString& base, const QString& suffix, const QString& extension,
                   int maxBytes) {
    const qsizetype tail = utf8Size(suffix + extension);
    if (tail >= maxBytes / 2)
        return fitUtf8(base + suffix + extension, maxBytes);
    return fitUtf8(base, maxBytes - tail) + suffix + extension;
}

} // namespace

QString safeFileName(const QString& proposed, int maxBytes) {
    QString name = proposed.mid(
        qMax(proposed.lastIndexOf(QLatin1Char('/')), proposed.lastIndexOf(QLatin1Char('\\'))) + 1);
    QList<uint> kept = name.toUcs4();
    kept.removeIf([](char32_t c) {
        return QChar::category(c) == QChar::Other_Control || isDirectionMark(c);
    });
    name = QString::fromUcs4(reinterpret_cast<const char32_t*>(kept.constData()), kept.size())
               .trimmed();
    while (name.startsWith(QLatin1Char('.')))
        name = name.mid(1).trimmed();
    if (name.isEmpty())
        name = QStringLiteral("download");
    if (utf8Size(name) <= maxBytes)
        return name;
    const auto [base, extension] = splitExtension(name);
    return joinFitted(base, QString(), extension, maxBytes).trimmed();
}

QString uniqueFileName(const QString& name, const std::function<bool(const QString&)>& taken,
                       int maxBytes) {
    if (!taken(name))
        return name;
    const auto [base, extension] = splitExtension(name);
    QString candidate = name;
    for (int n = 1; n <= kMaxNumberedTries && taken(candidate); ++n)
        candidate = joinFitted(base, QStringLiteral(" (%1)").arg(n), extension, maxBytes);
    return candidate;
}

QString sizeText(qint64 bytes) {
    if (bytes < 0)
        return {};
    return QLocale().formattedDataSize(bytes, 1, QLocale::DataSizeTraditionalFormat);
}

QString speedText(double bytesPerSecond) {
    return sizeText(qint64(bytesPerSecond)) + QStringLiteral("/s");
}

QString timeLeftText(qint64 remainingBytes, double bytesPerSecond) {
    if (remainingBytes < 0 || bytesPerSecond <= 0)
        return {};
    const qint64 seconds = qint64(std::ceil(double(remainingBytes) / bytesPerSecond));
    if (seconds < 60)
        return tableString(kSecondsLeftId).arg(seconds);
    const qint64 minutes = (seconds + 59) / 60;
    if (minutes < 60)
        return tableString(kMinutesLeftId).arg(minutes);
    return tableString(kHoursLeftId).arg(minutes / 60).arg(minutes % 60);
}

int percentDone(qint64 received, qint64 total) {
    if (total <= 0)
        return total == 0 ? 100 : -1;
    return int(std::clamp<qint64>(received * 100 / total, 0, 100));
}

QString runningDownloadsText(const QList<RunningDownload>& running) {
    if (running.isEmpty())
        return {};
    qint64 received = 0, total = 0;
    bool totalsKnown = true;
    for (const RunningDownload& d : running) {
        received += d.received;
        total += d.total;
        totalsKnown = totalsKnown && d.total >= 0;
    }
    if (totalsKnown)
        return tableString(kRunningPercentId).arg(running.size()).arg(percentDone(received, total));
    return tableString(kRunningBytesId).arg(running.size()).arg(sizeText(received));
}

void TransferRate::note(qint64 ms, qint64 received) {
    if (!m_notes.isEmpty() && (received < m_notes.last().second || ms < m_notes.last().first))
        m_notes.clear(); // started again
    m_notes.append({ms, received});
    // The oldest note kept is the last one at or before the window's start.
    while (m_notes.size() > 2 && m_notes[1].first <= ms - kWindowMs)
        m_notes.removeFirst();
}

double TransferRate::bytesPerSecond() const {
    if (m_notes.size() < 2 || m_notes.last().first <= m_notes.first().first)
        return 0;
    return double(m_notes.last().second - m_notes.first().second) * 1000.0 /
           double(m_notes.last().first - m_notes.first().first);
}

} // namespace kelvane
