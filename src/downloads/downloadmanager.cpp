#include "downloads/downloadmanager.h"

#include "base/appsettings.h"
#include "base/downloadlist.h"
#include "base/settingscatalogue.h"
#include "base/stringtable.h"
#include "downloads/downloaditem.h"
#include "downloads/downloadrules.h"
#include "platform/engine/engineservices.h"
#include "platform/paths.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>

namespace kelvane {

namespace {

constexpr int kProductNameId = 100;
constexpr int kSaveTitleId = 5024;
constexpr int kStillRunningId = 5025;
constexpr int kCancelAndCloseId = 5026;
constexpr int kKeepOpenId = 5027;
constexpr int kCompleteNoticeId = 5044;
constexpr int kFailedNoticeId = 5045;
constexpr int kTickMs = 1000;
// Long enough to be seen by someone who looked away while the download ran.
constexpr int kNoticeMs = 30000;

const QString kLastFolderKey = QStringLiteral("DownloadLastFolder");

bool isOnDisk(const QString& path) {
    const QFileInfo file(path);
    return file.exists() || file.isSymLink();
}

} // namespace

DownloadManager::DownloadManager(EngineServices& services, QWidget* window)
    : QObject(window)
    , m_services(services)
    , m_window(window) {
    connect(&services, &EngineServices::downloadRequested, this,
            &DownloadManager::onDownloadRequested);
    connect(&m_ticker, &QTimer::timeout, this, [this] {
        for (DownloadItem* item : std::as_const(m_items))
            item->tick();
    });
    m_ticker.setInterval(kTickMs);
    m_noticeTimer.setSingleShot(true);
    m_noticeTimer.setInterval(kNoticeMs);
    connect(&m_noticeTimer, &QTimer::timeout, this, [this] {
        m_notice.clear();
        updateStatus();
    });
}

DownloadManager::~DownloadManager() = default;

const QList<DownloadItem*>& DownloadManager::items() {
    loadEarlier();
    return m_items;
}

void DownloadManager::loadEarlier() {
    if (m_loaded)
        return;
    m_loaded = true;
    QList<DownloadItem*> earlier;
    for (const DownloadRecord& record : readDownloadList(downloadListPath()))
        earlier.append(new DownloadItem(record, this));
    m_items = earlier + m_items;
}

int DownloadManager::activeCount() const {
    return int(std::ranges::count_if(m_items, &DownloadItem::isActive));
}

std::optional<DownloadTarget> DownloadManager::chooseTarget(const QString& suggestedName) {
    const QString name = safeFileName(suggestedName, kMaxFileNameBytes - kPartNameRoom);
    const AppSettings& app = appSettings();
    if (!app.downloadAskWhere) {
        const QString folder =
            app.downloadFolder.isEmpty() ? desktopDownloadFolder() : app.downloadFolder;
        QDir().mkpath(folder);
        return m_names.hold(folder, name, false);
    }
    // Pages in the background do not open a file browser over a window hidden behind its
    // password.
    if (m_waitForUser && !m_waitForUser())
        return std::nullopt;
    QString folder = Settings::readText(kLastFolderKey);
    if (folder.isEmpty() || !QFileInfo(folder).isDir()) {
        folder = desktopDownloadFolder();
        QDir().mkpath(folder);
    }
    const QString chosen = QFileDialog::getSaveFileName(
        m_window, tableString(kSaveTitleId), QDir(folder).filePath(m_names.freeName(folder, name)));
    if (chosen.isEmpty())
        return std::nullopt;
    const QFileInfo file(chosen);
    Settings::writeText(kLastFolderKey, file.absolutePath());
    // The dialog lets an existing file be chosen only once the user agreed to replace it.
    return m_names.hold(file.absolutePath(), file.fileName(), isOnDisk(chosen));
}

void DownloadManager::onDownloadRequested(Download* engineDownload) {
    const QPointer<Download> download = engineDownload;
    if (download->state() == Download::State::Running) {
        // A page the page's own command saves: its file is chosen and being written.
        const QFileInfo file(download->path());
        add(new DownloadItem(download, {file.filePath(), QString(), file.fileName(), true}, m_names,
                             this));
        return;
    }
    if (download->state() != Download::State::Requested)
        return;
    m_retries.removeAll(nullptr);
    const auto retried = std::ranges::find_if(m_retries, [&](const QPointer<DownloadItem>& item) {
        return item->url() == download->url() && !item->isActive();
    });
    if (retried != m_retries.end()) {
        DownloadItem* item = *retried;
        m_retries.erase(retried);
        const QFileInfo file(item->path());
        QDir().mkpath(file.absolutePath());
        const DownloadTarget target = m_names.hold(file.absolutePath(), file.fileName(), false);
        download->start(target.partPath);
        item->restart(download, target, m_names);
        m_ticker.start();
        updateStatus();
        return;
    }
    const std::optional<DownloadTarget> target = chooseTarget(download->suggestedFileName());
    // The engine may have dropped the download while the dialog was open.
    if (!download)
        return;
    if (!target) {
        download->cancel();
        return;
    }
    download->start(target->partPath);
    add(new DownloadItem(download, *target, m_names, this));
}

void DownloadManager::add(DownloadItem* item) {
    loadEarlier();
    m_items.append(item);
    connect(item, &DownloadItem::changed, this, &DownloadManager::updateStatus);
    connect(item, &DownloadItem::finished, this, &DownloadManager::save);
    connect(item, &DownloadItem::finished, this, [this, item] { tellOutcome(item); });
    Q_EMIT itemAdded(item);
    m_ticker.start();
    updateStatus();
    if (!item->isActive())
        save();
}

void DownloadManager::tellOutcome(const DownloadItem* item) {
    if (item->state() == DownloadItem::State::Completed)
        showNotice(tableString(kCompleteNoticeId).arg(item->fileName()));
    else if (item->state() == DownloadItem::State::Failed)
        showNotice(tableString(kFailedNoticeId).arg(item->fileName(), item->failureReason()));
}

void DownloadManager::showNotice(const QString& text) {
    m_notice = text;
    m_noticeTimer.start();
    updateStatus();
}

void DownloadManager::retry(DownloadItem* item) {
    using S = DownloadItem::State;
    if (!item || (item->state() != S::Failed && item->state() != S::Cancelled))
        return;
    if (item->continueFailed()) {
        m_ticker.start();
        updateStatus();
        return;
    }
    item->discard();
    if (!m_retries.contains(item))
        m_retries.append(item);
    m_services.download(item->url());
}

void DownloadManager::remove(DownloadItem* item) {
    if (!item || item->isActive() || !m_items.removeOne(item))
        return;
    item->discard();
    Q_EMIT itemRemoved(item);
    item->deleteLater();
    save();
}

void DownloadManager::clearList() {
    loadEarlier();
    const QList<DownloadItem*> all = m_items;
    for (DownloadItem* item : all) {
        if (!item->isActive() && m_items.removeOne(item)) {
            item->discard();
            Q_EMIT itemRemoved(item);
            item->deleteLater();
        }
    }
    save();
}

bool DownloadManager::confirmClose() {
    const int running = activeCount();
    if (running == 0)
        return true;
    QMessageBox box(QMessageBox::Question, tableString(kProductNameId),
                    tableString(kStillRunningId).arg(running), QMessageBox::NoButton, m_window);
    QPushButton* cancelAndClose =
        box.addButton(tableString(kCancelAndCloseId), QMessageBox::AcceptRole);
    QPushButton* keepOpen = box.addButton(tableString(kKeepOpenId), QMessageBox::RejectRole);
    box.setDefaultButton(keepOpen);
    box.setEscapeButton(keepOpen);
    box.exec();
    if (box.clickedButton() != cancelAndClose)
        return false;
    cancelAll();
    return true;
}

void DownloadManager::cancelAll() {
    m_retries.clear();
    const QList<DownloadItem*> all = m_items;
    for (DownloadItem* item : all) {
        item->cancel();
        item->discard();
    }
}

void DownloadManager::updateStatus() {
    QList<RunningDownload> running;
    for (const DownloadItem* item : std::as_const(m_items)) {
        if (item->isActive())
            running.append({item->receivedBytes(), item->totalBytes()});
    }
    if (running.isEmpty())
        m_ticker.stop();
    const QString progress = runningDownloadsText(running);
    const QString text = m_notice.isEmpty()   ? progress
                         : progress.isEmpty() ? m_notice
                                              : m_notice + QStringLiteral(" \u2014 ") + progress;
    if (text != m_statusText) {
        m_statusText = text;
        Q_EMIT statusTextChanged(text);
    }
}

void DownloadManager::save() {
    loadEarlier();
    QList<DownloadRecord> records;
    for (const DownloadItem* item : std::as_const(m_items)) {
        // A private document's downloads are not remembered.
        if (!item->isActive() && !item->isOffTheRecord())
            records.append(item->record());
    }
    writeDownloadList(records, downloadListPath());
}

} // namespace kelvane
