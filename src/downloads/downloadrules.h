#pragma once

#include <QList>
#include <QString>

#include <functional>
#include <utility>

namespace kelvane {

// A file name may have this many bytes of UTF-8 on Linux file systems.
inline constexpr int kMaxFileNameBytes = 255;

// The name a file from the web is saved under: the last part of what the server proposed
// (after any "/" or "\"), without control or text-direction characters, leading dots or
// surrounding blanks, cut to at most maxBytes bytes of UTF-8 between two characters, keeping
// its extension; "download" when nothing is left. It never leaves the folder it is put in.
QString safeFileName(const QString& proposed, int maxBytes = kMaxFileNameBytes);

// name itself when taken(name) is false, else the first free of "base (1).ext",
// "base (2).ext" ... (a ".tar.*" extension counts as one), the base cut so that the name keeps
// to maxBytes.
QString uniqueFileName(const QString& name, const std::function<bool(const QString&)>& taken,
                       int maxBytes = kMaxFileNameBytes);

// Sizes and speeds as the Downloads window shows them: "1.5 MB", "1.5 MB/s"; empty for an
// unknown size (below 0).
QString sizeText(qint64 bytes);
QString speedText(double bytesPerSecond);
// "12 s left", "4 min left", "2 h 5 min left", rounded up; empty while the speed or the
// remaining size is unknown.
QString timeLeftText(qint64 remainingBytes, double bytesPerSecond);
// The whole percentage done, 0 to 100; -1 while the total is unknown.
int percentDone(qint64 received, qint64 total);

// The status bar's text for the running downloads: their count and their progress together,
// a percentage when every total is known, else the bytes received; empty when none runs.
struct RunningDownload {
    qint64 received = 0;
    qint64 total = -1;
};
QString runningDownloadsText(const QList<RunningDownload>& running);

// The speed of a transfer over its last few seconds, from notes of the bytes received so far.
class TransferRate {
public:
    static constexpr qint64 kWindowMs = 3000;

    // received bytes had arrived by ms, a steady clock in milliseconds.
    void note(qint64 ms, qint64 received);
    // Bytes a second over the window; 0 until two notes lie apart in time.
    double bytesPerSecond() const;
    void clear() { m_notes.clear(); }

private:
    QList<std::pair<qint64, qint64>> m_notes;
};

} // namespace kelvane
