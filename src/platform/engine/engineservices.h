#pragma once

#include <QImage>
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

namespace kelvane {

// One file the engine fetches for the user. The browser decides where it goes (start) and
// drives it; the engine owns the object, so keep it in a QPointer.
class Download : public QObject {
    Q_OBJECT
public:
    enum class State {
        Requested, // waits for start() or cancel()
        Running,   // also while paused
        Completed,
        Cancelled,
        Failed,
    };
    // Why a download failed, in the terms a user can be told.
    enum class Failure {
        None,
        NetworkFailed, // the connection broke, the server closed it early
        NetworkTimeout,
        Disconnected, // the computer went off line
        ServerUnreachable,
        ServerFailed, // the server answered with an error
        Unauthorized,
        Forbidden,
        DiskFull,
        NoPermission, // the folder or file may not be written
        NameTooLong,
        FileTooLarge,
        FileFailed, // any other failure to write the file
        Blocked,
        Other,
    };

    using QObject::QObject;
    ~Download() override;

    virtual QString url() const = 0;
    // The name the server proposes (Content-Disposition, else the address); unchecked.
    virtual QString suggestedFileName() const = 0;
    virtual QString mimeType() const = 0;
    // The page itself, saved through the page's "save page" command.
    virtual bool isPageSave() const = 0;
    // Fetched by a private document: it leaves no trace in the browser's lists.
    virtual bool isOffTheRecord() const = 0;
    virtual State state() const = 0;
    virtual bool isPaused() const = 0;
    virtual qint64 receivedBytes() const = 0;
    // -1 while the size is unknown.
    virtual qint64 totalBytes() const = 0;
    virtual Failure failure() const = 0;
    // The engine's own words for the failure.
    virtual QString failureText() const = 0;
    // The file the engine writes to; empty before start.
    virtual QString path() const = 0;
    // The files the engine may leave behind for a download that did not complete: the path
    // and the engine's own intermediate file beside it.
    virtual QStringList partialFiles() const = 0;
    // What the engine adds to the path for that intermediate file.
    static QString intermediateSuffix() { return QStringLiteral(".download"); }
    // A failed download the engine can continue from the bytes it received (its files kept):
    // resume() asks the server for the rest, or, when the server cannot send a part, starts
    // again.
    virtual bool canResume() const = 0;

    // Starts a requested download into path, whose folder exists; an existing file there is
    // replaced.
    virtual void start(const QString& path) = 0;
    virtual void cancel() = 0;
    virtual void pause() = 0;
    // Continues a paused download, or a failed one that canResume().
    virtual void resume() = 0;

Q_SIGNALS:
    // receivedBytes or totalBytes moved.
    void progressed();
    // The state or the paused flag changed.
    void stateChanged();
};

// A notification a page shows (the web's Notification API), once its site may.
struct PageNotification {
    QString origin;
    QString title;
    QString message;
    QImage icon;
    // Tells the page its notification was clicked.
    std::function<void()> click;
};

// What the engine asks of the browser for all pages together.
class EngineServices : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    ~EngineServices() override;

    // Fetches url as a download again (a retry); it arrives through downloadRequested.
    virtual void download(const QString& url) = 0;

Q_SIGNALS:
    // A page, a link or the user's "save" command started a download. Unless it is already
    // running (a page save with its path chosen), it is cancelled when no handler starts it
    // before returning.
    void downloadRequested(kelvane::Download* download);
    void notificationShown(const kelvane::PageNotification& notification);
};

} // namespace kelvane
