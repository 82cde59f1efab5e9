#pragma once

#include <QObject>
#include <QPointer>

class QMenu;
class QProgressDialog;
class QWidget;

namespace kelvane {

// The Favorites' import and export commands. The import menu offers a bookmark file and, by
// name, the other browsers' profiles found in the home folder; each import or export ends with
// a message box that says what it did. An import runs beside the window with a progress bar and
// Cancel.
class FavoritesTransfer : public QObject {
    Q_OBJECT
public:
    explicit FavoritesTransfer(QWidget* window);

    // Lists the sources in menu (when it opens).
    void fillImportMenu(QMenu* menu);
    // Asks for a bookmark file (HTML, places.sqlite or a Chromium Bookmarks file).
    void importFile();
    // Adds the bookmarks of path (any format the import reads); source names it.
    void importFrom(const QString& path, const QString& source);
    // Asks for a file and writes the Favorites to it as bookmark HTML.
    void exportFavorites();

private:
    QPointer<QWidget> m_window;
    QPointer<QProgressDialog> m_progress; // while an import runs
};

} // namespace kelvane
