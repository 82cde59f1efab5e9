#pragma once

#include "downloads/downloadnames.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QTimer>

#include <functional>
#include <optional>

class QWidget;

namespace kelvane {

class Download;
class DownloadItem;
class EngineServices;

// Every download of the browser: it answers the engine's download requests (asking where to
// save in a save dialog, or saving straight into the chosen folder, as the settings say), keeps
// the list of this session's downloads and the earlier ones of the list file, and writes that
// file whenever a download ends or leaves the list.
//
// A name from the web is made safe (downloads/downloadrules.h) and never replaces a file nor
// takes a name another running download holds: a taken name gets a number, unless the user
// chose to replace that file in the save dialog. A download that completes or fails says so
// in the status text.
class DownloadManager : public QObject {
    Q_OBJECT
public:
    // window: the parent of the save dialog and the close question.
    DownloadManager(EngineServices& services, QWidget* window);
    ~DownloadManager() override;

    // The list, oldest first: the earlier downloads, then this session's.
    const QList<DownloadItem*>& items();
    int activeCount() const;
    // The status bar's text: the last notice for half a minute, then the running downloads'
    // progress; empty when neither.
    QString statusText() const { return m_statusText; }
    // Shows text in the status text for half a minute, before the progress.
    void showNotice(const QString& text);

    // The Downloads window's commands. A retry continues a failed download from the bytes it
    // received where the engine can, else starts it again, a cancelled one too.
    void retry(DownloadItem* item);
    void remove(DownloadItem* item);
    void clearList();

    // At the close: with downloads running, asks once whether to cancel them and close or keep
    // the browser open. True when the browser may close; the downloads are cancelled then.
    bool confirmClose();
    // Cancels the running downloads and drops the files failed ones kept for a retry, which no
    // later session continues.
    void cancelAll();
    // Run before the save dialog opens: returns once the user can see it, false to cancel.
    void setWaitForUser(std::function<bool()> wait) { m_waitForUser = std::move(wait); }

Q_SIGNALS:
    void itemAdded(kelvane::DownloadItem* item);
    void itemRemoved(kelvane::DownloadItem* item);
    void statusTextChanged(const QString& text);

private:
    void onDownloadRequested(Download* download);
    std::optional<DownloadTarget> chooseTarget(const QString& suggestedName);
    void add(DownloadItem* item);
    void tellOutcome(const DownloadItem* item);
    void loadEarlier();
    void updateStatus();
    void save();

    EngineServices& m_services;
    QWidget* m_window;
    QList<DownloadItem*> m_items;
    QList<QPointer<DownloadItem>> m_retries;
    DownloadNames m_names;
    QTimer m_ticker;
    QTimer m_noticeTimer;
    QString m_notice;
    QString m_statusText;
    bool m_loaded = false;
    std::function<bool()> m_waitForUser;
};

} // namespace kelvane
