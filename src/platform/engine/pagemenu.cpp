#include "platform/engine/pagemenu.h"

#include "platform/customdictionary.h"

#include <QMenu>
#include <QWebEngineContextMenuRequest>
#include <QWebEngineProfile>
#include <QWebEngineView>

namespace kelvane {

namespace {

// The engine's own menu starts with the checker's suggestions; "Add to Dictionary" follows them.
void addToDictionaryItem(QMenu* menu, QWebEnginePage* page, const QString& word) {
    QAction* add = new QAction(QObject::tr("Add to Dictionary"), menu);
    const QString path = customDictionaryPath(page->profile()->persistentStoragePath());
    QObject::connect(add, &QAction::triggered, page, [path, word] {
        // The checker reads the file when it starts; the word is known from then on.
        addToCustomDictionary(path, word);
    });
    const QList<QAction*> actions = menu->actions();
    const auto separator =
        std::ranges::find_if(actions, [](const QAction* action) { return action->isSeparator(); });
    menu->insertAction(separator == actions.end() ? actions.value(0) : *separator, add);
}

} // namespace

QMenu* createPageMenu(QWebEngineView* view, const std::function<void()>& inspect) {
    QMenu* menu = view->createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    const QWebEngineContextMenuRequest* request = view->lastContextMenuRequest();
    if (request && request->isContentEditable() && !request->misspelledWord().isEmpty())
        addToDictionaryItem(menu, view->page(), request->misspelledWord());

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
