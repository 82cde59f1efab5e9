#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include <memory>

class QMenu;
class QPoint;
class QPrinter;
class QWidget;

namespace kelvane {

class DocumentArea;
class DocumentWindow;
class MainMenus;
class WebBrowser;
enum class EngineCommand;

// The browsing commands of the menus and the browse toolbar: history, the five site
// addresses, the file and edit commands on the active document, the font size, source and
// Internet Options, help, and the drop-down menus of the New, Back and Forward buttons.
// With no document open, the commands on a document do nothing.
class CommandSet : public QObject {
    Q_OBJECT
public:
    // window is the parent of the dialogs and menus.
    CommandSet(DocumentArea& documents, QWidget* window);
    ~CommandSet() override;

    // Connects each menu item this set serves to its command.
    void connectMenus(const MainMenus& menus);

    // A browse toolbar button by key: "New", "Back", "Forward", "Refresh", "Stop", "Home",
    // "Home2", "Mail", "Search", "News"; any other key does nothing.
    void buttonClicked(const QString& key);
    // The arrow of the New button: its popup at a screen position.
    void showNewMenu(QMenu* mnuNewPage, const QPoint& globalPos);
    // The arrows of Back and Forward: the active document's back (or forward) list, nearest
    // entry first; choosing entry i goes straight to its address. Nothing for an empty list.
    void ShowHistoryMenu(bool isBack, const QPoint& globalPos);

    // Operations shared by menu items and buttons.
    void Back();
    void Forward();
    void Home();
    void Home2();
    void StopLoading();
    void Reload();
    void OpenSearch();
    void OpenMail();
    void OpenNews();

    // The New button's popup: each opens a new document.
    void mnuNewHome1_Click();
    void mnuNewHome2_Click();
    void mnuNewPageBlank_Click();
    void mnuNewCurrent_Click();
    void mnuNewEmail_Click();
    void mnuNewSearch_Click();
    void mnuNewNews_Click();

    void mnuFileOpen_Click();
    void mnuFileSaveAs_Click();
    void mnuFileProperties_Click();
    void mnuFilePageSetup_Click();
    void mnuFilePrintPreview_Click();
    void mnuFilePrint_Click();

    void mnuEditCut_Click();
    void mnuEditCopy_Click();
    void mnuEditPaste_Click();
    void mnuEditSelectAll_Click();
    void mnuEditIncFont_Click();
    void mnuEditDecFont_Click();
    // Back to the medium size; the main window runs it once more when it closes.
    void mnuEditResetFont_Click();

    void mnuViewSource_Click();
    void mnuViewInternetOptions_Click();

    void mnuHelpContents_Click();
    void mnuHelpOnTheWeb_Click();

private:
    WebBrowser* activeBrowser() const;
    // Home 1 and Home 2: the active document goes there, or a new one opens on it.
    void openInActiveOrNew(const QString& address);
    // Search, Mail and News: with no document, one opens on the address; then the active
    // document navigates there (a new one thus twice).
    void openAndNavigate(const QString& address);
    void execOnActive(EngineCommand command);
    void stepZoom(WebBrowser* browser, bool increase);
    void postKeystroke(int key);

    DocumentArea& m_documents;
    QPointer<QWidget> m_window;
    std::unique_ptr<QPrinter> m_printer;
    QString m_openFolder;
};

} // namespace kelvane
