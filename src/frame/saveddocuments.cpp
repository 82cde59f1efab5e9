#include "frame/saveddocuments.h"

#include "base/appsettings.h"
#include "base/settingscatalogue.h"
#include "documents/documentarea.h"
#include "documents/documentwindow.h"
#include "platform/engine/engine.h"

namespace kelvane {

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
    for (int i = 1; i <= count; ++i)
        m_documents.openInNewDocument(
            Settings::readText(numberedKey(QStringLiteral("Document"), i), appSettings().home1));
}

} // namespace kelvane
