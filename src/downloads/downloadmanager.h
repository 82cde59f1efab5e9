#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QTimer>

#include <optional>

class QWidget;

namespace kelvane {

class Download;
class DownloadItem;
struct DownloadTarget;
class EngineServices;

// Every download of the browser: it answers the engine's download requests (asking where to
// save in a save dialog, or saving straight into the chosen folder, as the settings say), keeps
// the list of this session's downloads and the earlier ones of the list file, and writes that
// file whenever a download ends or leaves the list.
//
// A name from the web is made safe (downloads/downloadrules.h) and never replaces a file: a
// taken name gets a number, unless the user chose to replace that file in the save dialog.
class DownloadManager : public QObject {
    Q_OBJECT
public:
    // window: the parent of the save dialog and the close question.
    DownloadManager(EngineServices& services, QWidget* window);
    ~DownloadManager() override;

    // The list, oldest first: the earlier downloads, then this session's.
    const QList<DownloadItem*>& items();
    int activeCount() const;
    // The status bar's text for the running downloads; empty when none runs.
    QString statusText() const { return m_statusText; }

    // The Downloads window's commands.
    void retry(DownloadItem* item);
    void remove(DownloadItem* item);
    void clearList();

    // At the close: with downloads running, asks once whether to cancel them and close or keep
    // the browser open. True when the browser may close; the downloads are cancelled then.
    bool confirmClose();
    void cancelAll();

Q_SIGNALS:
    void itemAdded(kelvane::DownloadItem* item);
    void itemRemoved(kelvane::DownloadItem* item);
    void statusTextChanged(const QString& text);

private:
    void onDownloadRequested(Download* download);
    std::optional<DownloadTarget> chooseTarget(const QString& suggestedName);
    // The target of name in folder (the free name of it, unless it replaces a file).
    static DownloadTarget targetIn(const QString& folder, const QString& name, bool replace);
    void add(DownloadItem* item);
    void loadEarlier();
    void updateStatus();
    void save();

    EngineServices& m_services;
    QWidget* m_window;
    QList<DownloadItem*> m_items;
    QList<QPointer<DownloadItem>> m_retries;
    QTimer m_ticker;
    QString m_statusText;
    bool m_loaded = false;
};

} // namespace kelvane
