#include "favorites/favoritestransfer.h"

#include "favorites/browserbookmarks.h"
#include "favorites/favoritesimport.h"
#include "favorites/favoritesstore.h"
#include "favorites/importtask.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QMenu>
#include <QMessageBox>
#include <QProgressDialog>

namespace kelvane {

namespace {

const char* const kImportTitle =
    QT_TRANSLATE_NOOP("kelvane::FavoritesTransfer", "Import Favorites");
const char* const kExportTitle =
    QT_TRANSLATE_NOOP("kelvane::FavoritesTransfer", "Export Favorites");

QString translated(const char* text) {
    return QCoreApplication::translate("kelvane::FavoritesTransfer", text);
}

// Qt's own dialog, the same on every desktop, as the browser's other file dialogs.
QString askForFile(QWidget* parent, const QString& title, bool save) {
    QFileDialog dialog(parent, title, QDir::homePath());
    dialog.setObjectName(save ? QStringLiteral("exportFavoritesDialog")
                              : QStringLiteral("importFavoritesDialog"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setNameFilters(
        {QCoreApplication::translate("kelvane::FavoritesTransfer", "Bookmark files") +
             QStringLiteral(" (*.html *.htm *.sqlite *.json Bookmarks)"),
         QCoreApplication::translate("kelvane::FavoritesTransfer", "All files") +
             QStringLiteral(" (*)")});
    if (save) {
        dialog.setNameFilter(
            QCoreApplication::translate("kelvane::FavoritesTransfer", "Bookmark files") +
            QStringLiteral(" (*.html *.htm)"));
        dialog.setDefaultSuffix(QStringLiteral("html"));
        dialog.selectFile(QStringLiteral("bookmarks.html"));
    }
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

} // namespace

FavoritesTransfer::FavoritesTransfer(QWidget* window)
    : QObject(window)
    , m_window(window) {}

void FavoritesTransfer::fillImportMenu(QMenu* menu) {
    menu->clear();
    connect(menu->addAction(tr("From a &Bookmark File...")), &QAction::triggered, this,
            &FavoritesTransfer::importFile);
    const QList<BookmarkSource> sources = findBookmarkSources(QDir::homePath());
    if (!sources.isEmpty())
        menu->addSeparator();
    for (const BookmarkSource& source : sources) {
        QAction* action = menu->addAction(QString(source.name).replace(u'&', QStringLiteral("&&")));
        action->setToolTip(source.path);
        connect(action, &QAction::triggered, this,
                [this, source] { importFrom(source.path, source.name); });
    }
}

void FavoritesTransfer::importFile() {
    const QString file = askForFile(m_window, translated(kImportTitle), false);
    if (!file.isEmpty())
        importFrom(file, QDir::toNativeSeparators(file));
}

void FavoritesTransfer::importFrom(const QString& path, const QString& source) {
    // One import at a time: another request shows the one that runs.
    if (m_progress) {
        m_progress->raise();
        m_progress->activateWindow();
        return;
    }
    const QString folder = favoritesFolder();
    if (folder.isEmpty()) {
        QMessageBox::warning(m_window, translated(kImportTitle),
                             tr("The Favorites folder cannot be made."));
        return;
    }
    auto* task = new ImportTask(path, folder, this);
    m_progress = new QProgressDialog(tr("Importing the bookmarks of %1...").arg(source),
                                     tr("Cancel"), 0, 0, m_window);
    m_progress->setObjectName(QStringLiteral("importProgress"));
    m_progress->setWindowTitle(translated(kImportTitle));
    m_progress->setAttribute(Qt::WA_DeleteOnClose);
    m_progress->setAutoReset(false);
    m_progress->setAutoClose(false);
    m_progress->setMinimumDuration(0);
    // Not modal: the browser stays usable while a large profile is imported.
    m_progress->setWindowModality(Qt::NonModal);
    connect(m_progress, &QProgressDialog::canceled, task, &ImportTask::cancel);
    connect(task, &ImportTask::progress, m_progress, [progress = m_progress](int done, int total) {
        progress->setMaximum(total);
        progress->setValue(done);
    });
    connect(task, &ImportTask::finished, this,
            [this, task, source](const QString& error, const ImportSummary& summary) {
                task->deleteLater();
                if (m_progress)
                    m_progress->close();
                if (!error.isEmpty())
                    QMessageBox::warning(
                        m_window, translated(kImportTitle),
                        tr("The bookmarks of %1 cannot be imported: %2.").arg(source, error));
                else
                    QMessageBox::information(m_window, translated(kImportTitle),
                                             tr("From %1:\n%2").arg(source, summary.text()));
            });
    m_progress->show();
    task->start();
}

void FavoritesTransfer::exportFavorites() {
    const QString folder = favoritesFolder();
    const QString file = askForFile(m_window, translated(kExportTitle), true);
    if (file.isEmpty())
        return;
    QString error;
    if (folder.isEmpty() || !kelvane::exportFavorites(folder, file, &error))
        QMessageBox::warning(
            m_window, translated(kExportTitle),
            tr("%1 cannot be written: %2.").arg(QDir::toNativeSeparators(file), error));
    else
        QMessageBox::information(
            m_window, translated(kExportTitle),
            tr("The Favorites were written to %1.").arg(QDir::toNativeSeparators(file)));
}

} // namespace kelvane
