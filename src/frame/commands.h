#pragma once

#include "frame/keyrules.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <memory>

class QMenu;
class QPoint;
class QPrinter;
class QWidget;

namespace kelvane {

class AddressPanel;
class DocumentArea;
class Engine;
struct MainMenus;

// The browsing commands of the menus and the browse toolbar: history, the five site
// addresses, the file and edit commands on the active document, the font size, source and
// Internet Options, help, and the drop-down menus of the New, Back and Forward buttons.
// With no document open, the commands on a document do nothing.
class CommandSet : public QObject {
    Q_OBJECT
public:
    // window is the parent of the dialogs and menus.
    CommandSet(DocumentArea& documents, AddressPanel* addressPanel, QWidget* window);
    ~CommandSet() override;

    // What the keyboard hook decided for a key.
    void runKeyAction(HookAction action, bool shift);

    // Connects each menu item this set serves to its command.
    void connectMenus(const MainMenus& menus);

    // A browse toolbar button by key: "New", "Back", "Forward", "Refresh", "Stop", "Home",
    // "Home2", "Mail", "Search", "News"; any other key does nothing.
    void buttonClicked(const QString& key);
    // The arrows of Back and Forward: the active document's back (or forward) list, nearest
    // entry first; choosing an entry goes straight to its address. Nothing for an empty list.
    void showHistoryMenu(bool back, const QPoint& globalPos);

    void back();
    void forward();
    // Home 1 and Home 2: the active document goes there, or a new one opens on it.
    void goHome();
    void goHome2();
    void stop();
    void reload();
    // Search, Mail and News: with no document, one opens on the address; then the active
    // document navigates there (a new one thus twice).
    void openSearch();
    void openMail();
    void openNews();

    // New documents.
    void newHome1Document();
    // A private document, blank, with the address bar ready for typing.
    void newPrivateDocument();
    void newBlankDocument();
    void newCurrentPageDocument();

    void openFile();
    void print();

    void cut();
    void copy();
    void paste();
    void increaseFont();
    void decreaseFont();
    // Back to the medium size; the main window runs it once more when it closes.
    void resetFont();

    void showInternetOptions();

private:
    Engine* activeEngine() const;
    void openInActiveOrNew(const QString& address);
    void openAndNavigate(const QString& address);
    void openInNewDocument(const QString& address);
    // Runs command on the active document's engine, when there is one.
    template <typename Command> void onActive(Command command);
    void postKeystroke(int key);

    DocumentArea& m_documents;
    AddressPanel* m_addressPanel;
    QPointer<QWidget> m_window;
    std::unique_ptr<QPrinter> m_printer;
    QString m_openFolder;
};

} // namespace kelvane
