#pragma once

#include <functional>

class QMenu;
class QWebEngineView;

namespace kelvane {

// The page's context menu: the engine's own, with the spell checker's suggestions and "Add to
// Dictionary" over a misspelled word, and "Inspect" opening the developer tools the browser's
// way (in a document of their own).
QMenu* createPageMenu(QWebEngineView* view, const std::function<void()>& inspect);

} // namespace kelvane
