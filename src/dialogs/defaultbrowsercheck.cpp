#include "dialogs/defaultbrowsercheck.h"

#include "base/appsettings.h"
#include "base/defaultbrowser.h"
#include "base/settingscatalogue.h"
#include "base/stringtable.h"
#include "dialogs/associationquestion.h"
#include "platform/trace.h"

#include <QFile>
#include <QMessageBox>

namespace kelvane {

namespace {

constexpr int kTitleId = 102;
constexpr int kErrorId = 1505;

void showErrors(QWidget* parent, const QStringList& files) {
    for (qsizetype i = 0; i < files.size(); ++i)
        QMessageBox::warning(parent, tableString(kTitleId), tableString(kErrorId));
}

} // namespace

void associateFiles(QWidget* parent, const QString& programPath) {
    QFile icon(QStringLiteral(":/icons/kelvane.svg"));
    const QByteArray svg = icon.open(QIODevice::ReadOnly) ? icon.readAll() : QByteArray();
    showErrors(parent, makeDefaultBrowser(programPath, svg));
}

void checkDefaultBrowser(QWidget* window, const QString& programPath) {
    // Asked before the window first shows: centred on the screen, not on where it will be.
    QWidget* parent = window && window->isVisible() ? window : nullptr;
    const DefaultBrowserState state = defaultBrowserState(programPath);
    showErrors(parent, state.unreadable);
    if (state.isDefault)
        return;
    if (appSettings().checkIfDefault) {
        AssociationQuestion question([&] { associateFiles(parent, programPath); }, parent);
        question.exec();
        return;
    }
    trace("5");
    if (Settings::readBool(QStringLiteral("FileAssociationSetDefault"))) {
        trace("6");
        associateFiles(parent, programPath);
        trace("7");
    }
}

} // namespace kelvane
