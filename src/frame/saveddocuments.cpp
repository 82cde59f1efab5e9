#include "frame/saveddocuments.h"

#include "base/appsettings.h"
#include "base/settingscatalogue.h"
#include "base/settingsstore.h"
#include "dialogs/restoredocumentsdialog.h"
#include "documents/documentarea.h"
#include "documents/documentwindow.h"
#include "platform/engine/engine.h"

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
    const int count = m_documents.count();
    Settings::writeInt16(QStringLiteral("DocumentCount"), static_cast<qint16>(count));
    for (int i = 1; i <= count; ++i) {
        if (const DocumentWindow* doc = m_documents.document(i))
            Settings::writeText(numberedKey(QStringLiteral("Document"), i), doc->engine()->url());
    }
}

void SavedDocuments::restore() {
    const qint16 count = Settings::readInt16(QStringLiteral("DocumentCount"));
    QStringList addresses;
    for (int i = 1; i <= count; ++i)
        addresses << Settings::readText(numberedKey(QStringLiteral("Document"), i),
                                        appSettings().home1);
    if (!addresses.isEmpty() && m_guard.beginRestore(addresses))
        addresses = RestoreDocumentsDialog::choose(addresses);
    for (const QString& address : std::as_const(addresses))
        m_documents.openInNewDocument(address);
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
