#include "frame/saveddocuments.h"

#include "base/appsettings.h"
#include "base/sessionfile.h"
#include "base/settingscatalogue.h"
#include "base/settingsstore.h"
#include "dialogs/restoredocumentsdialog.h"
#include "documents/documentarea.h"
#include "documents/documentwindow.h"

#include <QTimer>

namespace kelvane {

SavedDocuments::SavedDocuments(DocumentArea& documents, QObject* parent)
    : QObject(parent)
    , m_documents(documents)
    , m_autoSave(new QTimer(this)) {
    m_autoSave->setSingleShot(true);
    m_autoSave->setInterval(kAutoSaveDelayMs);
    connect(m_autoSave, &QTimer::timeout, this, &SavedDocuments::autoSave);
    connect(&documents, &DocumentArea::countChanged, this, &SavedDocuments::scheduleAutoSave);
    connect(&documents, &DocumentArea::documentLoaded, this, &SavedDocuments::scheduleAutoSave);
}

void SavedDocuments::save() const {
    // Private documents are never kept.
    QList<const DocumentWindow*> kept;
    for (int i = 1; i <= m_documents.count(); ++i) {
        const DocumentWindow* doc = m_documents.document(i);
        if (doc && !doc->isPrivate())
            kept.append(doc);
    }
    const int count = int(kept.size());
    Settings::writeInt16(QStringLiteral("DocumentCount"), static_cast<qint16>(count));
    QList<SavedPage> pages;
    // Cleaning at exit deletes the pages' history: none is kept here either.
    const bool keepHistory = !appSettings().cleanOnExit;
    for (int i = 1; i <= count; ++i) {
        if (const DocumentWindow* doc = kept.at(i - 1)) {
            // A document that sleeps or has not loaded yet keeps its page all the same.
            SavedPage page = doc->savedPage();
            Settings::writeText(numberedKey(QStringLiteral("Document"), i), page.url);
            if (!keepHistory)
                page.history.clear();
            pages.append(page);
        }
    }
    const QString path = SessionFile::defaultPath();
    if (!SessionFile::write(path, pages))
        qWarning("kelvane: the documents' histories could not be written to %s", qPrintable(path));
}

void SavedDocuments::restore() {
    const qint16 count = Settings::readInt16(QStringLiteral("DocumentCount"));
    QStringList addresses;
    for (int i = 1; i <= count; ++i)
        addresses << Settings::readText(numberedKey(QStringLiteral("Document"), i),
                                        appSettings().home1);
    const QString path = SessionFile::defaultPath();
    QString error;
    const QList<SavedPage> pages =
        count > 0 ? SessionFile::read(path, &error).value_or(QList<SavedPage>())
                  : QList<SavedPage>();
    if (!error.isEmpty())
        qWarning("kelvane: the session file %s is damaged (%s); the documents open without "
                 "their history",
                 qPrintable(path), qPrintable(error));
    // The chooser keeps the order of the documents it was given.
    const QStringList chosen = !addresses.isEmpty() && m_guard.beginRestore(addresses)
                                   ? RestoreDocumentsDialog::choose(addresses)
                                   : addresses;
    QList<SavedPage> opened;
    qsizetype next = 0;
    for (qsizetype i = 0; i < addresses.size() && next < chosen.size(); ++i) {
        if (addresses.at(i) != chosen.at(next))
            continue;
        ++next;
        // A history goes with its address only: an older version may have changed the list
        // since the session file was written.
        const bool kept = i < pages.size() && pages.at(i).url == addresses.at(i);
        opened.append(kept ? pages.at(i) : SavedPage{addresses.at(i), {}, {}});
    }
    m_documents.openAsleep(opened);
    // Only the documents in sight load now; the others when they are first shown.
    m_documents.wakeVisible();
}

void SavedDocuments::stopAutoSave() {
    m_autoSaving = false;
    m_autoSave->stop();
}

void SavedDocuments::scheduleAutoSave() {
    if (m_autoSaving && appSettings().saveAllOnExit)
        m_autoSave->start();
}

void SavedDocuments::autoSave() {
    if (!m_autoSaving || !appSettings().saveAllOnExit)
        return;
    save();
    // The store replaces its file whole, so a crash leaves the old list or the new one.
    SettingsStore::sync();
}

} // namespace kelvane
