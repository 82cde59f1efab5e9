#pragma once

#include <functional>

class QMenu;
class QWebEngineView;

namespace kelvane {

// The page's context menu: the engine's own, which offers the spell checker's suggestions over
// a misspelled word, with "Add to Dictionary" after them, and "Inspect" opening the developer
// tools the browser's way (in a document of their own).
QMenu* createPageMenu(QWebEngineView* view, const std::function<void()>& inspect);

} // namespace kelvane
