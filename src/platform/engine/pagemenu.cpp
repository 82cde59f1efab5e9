#include "platform/engine/pagemenu.h"

#include "platform/customdictionary.h"

#include <QMenu>
#include <QWebEngineContextMenuRequest>
#include <QWebEngineProfile>
#include <QWebEngineView>

namespace kelvane {

namespace {

void addSpelling(QMenu* menu, QWebEngineView* view, const QWebEngineContextMenuRequest& request) {
    const QString word = request.misspelledWord();
    QAction* first = menu->actions().value(0);
    QWebEnginePage* page = view->page();
    const QStringList suggestions = request.spellCheckerSuggestions();
    for (const QString& suggestion : suggestions) {
        QAction* action = new QAction(suggestion, menu);
        QFont font = action->font();
        font.setBold(true);
        action->setFont(font);
        QObject::connect(action, &QAction::triggered, page,
                         [page, suggestion] { page->replaceMisspelledWord(suggestion); });
        menu->insertAction(first, action);
    }
    if (suggestions.isEmpty()) {
        QAction* none = new QAction(QObject::tr("No suggestions"), menu);
        none->setEnabled(false);
        menu->insertAction(first, none);
    }
    QAction* add = new QAction(QObject::tr("Add to Dictionary"), menu);
    const QString path = customDictionaryPath(page->profile()->persistentStoragePath());
    QObject::connect(add, &QAction::triggered, page, [page, path, word] {
        addToCustomDictionary(path, word);
        // The checker reads the file at its start; until then the word is left as it is.
        page->replaceMisspelledWord(word);
    });
    menu->insertAction(first, add);
    menu->insertSeparator(first);
}

} // namespace

QMenu* createPageMenu(QWebEngineView* view, const std::function<void()>& inspect) {
    QMenu* menu = view->createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    const QWebEngineContextMenuRequest* request = view->lastContextMenuRequest();
    if (request && request->isContentEditable() && !request->misspelledWord().isEmpty())
        addSpelling(menu, view, *request);

    // The engine's own item would open its tools in a window the browser does not manage.
    QAction* engineInspect = view->pageAction(QWebEnginePage::InspectElement);
    menu->removeAction(engineInspect);
    if (!menu->actions().isEmpty() && !menu->actions().constLast()->isSeparator())
        menu->addSeparator();
    QAction* action = menu->addAction(QObject::tr("Inspect"));
    QObject::connect(action, &QAction::triggered, view, [inspect] { inspect(); });
    return menu;
}

} // namespace kelvane
