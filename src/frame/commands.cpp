#include "frame/commands.h"

#include "bars/addresspanel.h"
#include "base/appsettings.h"
#include "documents/documentarea.h"
#include "documents/documentwindow.h"
#include "frame/menus.h"
#include "frame/zoomrule.h"
#include "platform/engine/engine.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPrintDialog>
#include <QPrinter>

namespace kelvane {

namespace {

// The filter text ends in a second, space-separated pattern list that Qt's file dialog
// matches names with; the dialog hides that list (HideNameFilterDetails), so the user sees
// the first part only. Its patterns: "*html" has no dot, so any name ending in "html" shows.
const char kOpenFilter[] = "HTML Files (*.htm,*.html,*.url) (*.htm *html *.url)";

// The built-in help page, and its part about the program.
const char kHelpPage[] = "qrc:/help/index.html";
const char kAboutPage[] = "qrc:/help/index.html#about";

// Longest history entry shown in a drop-down, in pixels; longer titles are cut in the middle.
constexpr int kHistoryTitleWidth = 420;

} // namespace

CommandSet::CommandSet(DocumentArea& documents, AddressPanel* addressPanel, QWidget* window)
    : QObject(window)
    , m_documents(documents)
    , m_addressPanel(addressPanel)
    , m_window(window)
    , m_openFolder(QDir::homePath()) {}

CommandSet::~CommandSet() = default;

template <typename Command> void CommandSet::onActive(Command command) {
    if (Engine* engine = activeEngine())
        command(engine);
}

void CommandSet::connectMenus(const MainMenus& m) {
    const auto on = [this](QAction* action, auto handler) {
        connect(action, &QAction::triggered, this, handler);
    };
    on(m.open, [this] { openFile(); });
    on(m.newPrivateDocument, [this] { newPrivateDocument(); });
    on(m.saveAs, [this] { onActive([](Engine* e) { e->saveAs(); }); });
    on(m.properties, [this] { onActive([](Engine* e) { e->showProperties(); }); });
    on(m.pageSetup, [this] { onActive([](Engine* e) { e->pageSetup(); }); });
    on(m.printPreview, [this] { onActive([](Engine* e) { e->printPreview(); }); });
    on(m.print, [this] { print(); });
    on(m.cut, [this] { cut(); });
    on(m.copy, [this] { copy(); });
    on(m.paste, [this] { paste(); });
    on(m.increaseFont, [this] { increaseFont(); });
    on(m.decreaseFont, [this] { decreaseFont(); });
    on(m.resetFont, [this] { resetFont(); });
    on(m.selectAll, [this] { onActive([](Engine* e) { e->selectAll(); }); });
    on(m.source, [this] { onActive([](Engine* e) { e->viewSource(); }); });
    on(m.internetOptions, [this] { showInternetOptions(); });
    on(m.back, [this] { back(); });
    on(m.forward, [this] { forward(); });
    on(m.stop, [this] { stop(); });
    on(m.refresh, [this] { reload(); });
    on(m.home1, [this] { goHome(); });
    on(m.home2, [this] { goHome2(); });
    on(m.mail, [this] { openMail(); });
    on(m.search, [this] { openSearch(); });
    on(m.news, [this] { openNews(); });
    on(m.helpOnTheWeb, [this] { openInNewDocument(QLatin1String(kAboutPage)); });
    on(m.helpContents, [this] { openInNewDocument(QLatin1String(kHelpPage)); });
    on(m.newHome1, [this] { newHome1Document(); });
    on(m.newHome2, [this] { openInNewDocument(appSettings().home2); });
    on(m.newBlank, [this] { newBlankDocument(); });
    on(m.newCurrentPage, [this] { newCurrentPageDocument(); });
    on(m.newMail, [this] { openInNewDocument(appSettings().mail); });
    on(m.newSearch, [this] { openInNewDocument(appSettings().search); });
    on(m.newNews, [this] { openInNewDocument(appSettings().news); });
}

void CommandSet::runKeyAction(HookAction action, bool shift) {
    switch (action) {
    case HookAction::FocusAddressBar:
        if (!m_addressPanel)
            break;
        m_addressPanel->addressBox()->setFocus(Qt::ShortcutFocusReason);
        // Also when it had the focus already: what the user types replaces the address.
        m_addressPanel->addressBox()->lineEdit()->selectAll();
        break;
    case HookAction::Stop:
        stop();
        break;
    case HookAction::SwitchTab:
        m_documents.switchTab(shift);
        break;
    case HookAction::Home:
        goHome();
        break;
    case HookAction::FileNew:
        if (shift)
            newPrivateDocument();
        else
            newHome1Document();
        break;
    case HookAction::FileOpen:
        openFile();
        break;
    case HookAction::Search:
        openSearch();
        break;
    case HookAction::None:
        break;
    }
}

// --- the active document ------------------------------------------------------------------

Engine* CommandSet::activeEngine() const {
    DocumentWindow* doc = m_documents.activeDocument();
    // A command on the page wakes it first.
    if (doc)
        doc->wake();
    return doc ? doc->engine() : nullptr;
}

void CommandSet::openInNewDocument(const QString& address) {
    m_documents.openInNewDocument(address);
}

void CommandSet::openInActiveOrNew(const QString& address) {
    if (Engine* engine = activeEngine())
        engine->navigate(address);
    else
        openInNewDocument(address);
}

void CommandSet::openAndNavigate(const QString& address) {
    if (!activeEngine())
        openInNewDocument(address);
    onActive([&](Engine* e) { e->navigate(address); });
}

// --- toolbar ------------------------------------------------------------------------------

void CommandSet::buttonClicked(const QString& key) {
    using Handler = void (CommandSet::*)();
    static const struct {
        const char* key;
        Handler handler;
    } kButtons[] = {
        {"New", &CommandSet::newHome1Document},
        {"Back", &CommandSet::back},
        {"Forward", &CommandSet::forward},
        {"Refresh", &CommandSet::reload},
        {"Stop", &CommandSet::stop},
        {"Home", &CommandSet::goHome},
        {"Home2", &CommandSet::goHome2},
        {"Mail", &CommandSet::openMail},
        {"Search", &CommandSet::openSearch},
        {"News", &CommandSet::openNews},
    };
    for (const auto& button : kButtons) {
        if (key == QLatin1String(button.key)) {
            (this->*button.handler)();
            return;
        }
    }
}

void CommandSet::showHistoryMenu(bool back, const QPoint& globalPos) {
    Engine* engine = activeEngine();
    const int count = engine ? (back ? engine->backCount() : engine->forwardCount()) : 0;
    if (count <= 0)
        return;

    auto* menu = new QMenu(m_window);
    menu->setObjectName(back ? QStringLiteral("backHistoryMenu")
                             : QStringLiteral("forwardHistoryMenu"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    const QFontMetrics metrics(menu->font());
    for (int i = 1; i <= count; ++i) {
        const std::optional<HistoryEntry> entry = engine->historyEntry(back, i);
        QString title = entry ? entry->title : QString();
        if (title.isEmpty() && entry)
            title = entry->url;
        // A page title is plain text: an "&" in it is no mnemonic.
        title = metrics.elidedText(title, Qt::ElideMiddle, kHistoryTitleWidth);
        title.replace(QLatin1Char('&'), QStringLiteral("&&"));
        menu->addAction(title)->setData(i);
    }

    // The list is the engine's the menu was made from; should its document close meanwhile,
    // the choice goes nowhere.
    const QPointer<Engine> target = engine;
    connect(menu, &QMenu::triggered, this, [target, back](QAction* chosen) {
        if (!target)
            return;
        if (const auto entry = target->historyEntry(back, chosen->data().toInt()))
            target->navigate(entry->url);
    });
    menu->popup(globalPos);
}

// --- shared operations --------------------------------------------------------------------

void CommandSet::back() {
    onActive([](Engine* e) { e->goBack(); });
}

void CommandSet::forward() {
    onActive([](Engine* e) { e->goForward(); });
}

void CommandSet::goHome() {
    openInActiveOrNew(appSettings().home1);
}

void CommandSet::goHome2() {
    openInActiveOrNew(appSettings().home2);
}

void CommandSet::stop() {
    onActive([](Engine* e) { e->stop(); });
}

void CommandSet::reload() {
    onActive([](Engine* e) { e->reload(/*bypassCache=*/true); });
}

void CommandSet::openSearch() {
    openAndNavigate(appSettings().search);
}

void CommandSet::openMail() {
    openAndNavigate(appSettings().mail);
}

void CommandSet::openNews() {
    openAndNavigate(appSettings().news);
}

void CommandSet::newHome1Document() {
    openInNewDocument(appSettings().home1);
}

void CommandSet::newPrivateDocument() {
    m_documents.openPrivateDocument(QStringLiteral("about:blank"));
    runKeyAction(HookAction::FocusAddressBar, false);
}

void CommandSet::newBlankDocument() {
    openInNewDocument(QStringLiteral("about:blank"));
}

void CommandSet::newCurrentPageDocument() {
    Engine* engine = activeEngine();
    openInNewDocument(engine ? engine->url() : appSettings().home1);
}

// --- File ---------------------------------------------------------------------------------

void CommandSet::openFile() {
    const QPointer<QFileDialog> dialog = new QFileDialog(m_window, tr("Open"), m_openFolder);
    dialog->setObjectName(QStringLiteral("openDialog"));
    // Qt's own dialog, whose filtering follows the pattern list whatever the desktop.
    dialog->setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::HideNameFilterDetails);
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    dialog->setFileMode(QFileDialog::ExistingFile);
    dialog->setNameFilter(QLatin1String(kOpenFilter));
    const bool accepted = dialog->exec() == QDialog::Accepted;
    const QString file = dialog && accepted ? dialog->selectedFiles().value(0) : QString();
    delete dialog.data();
    if (file.isEmpty())
        return;

    m_openFolder = QFileInfo(file).absolutePath();
    openInNewDocument(file);
    if (DocumentWindow* doc = m_documents.activeDocument())
        doc->setWindowTitle(file);
}

void CommandSet::print() {
    if (!activeEngine())
        return;
    // One printer for the program's life, so the choices made in the dialog are offered
    // again next time.
    if (!m_printer)
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    const QPointer<QPrintDialog> dialog = new QPrintDialog(m_printer.get(), m_window);
    dialog->setObjectName(QStringLiteral("printDialog"));
    dialog->setWindowTitle(tr("Print"));
    // The whole page is printed: no page numbers to choose.
    dialog->setOption(QAbstractPrintDialog::PrintPageRange, false);
    const bool accepted = dialog->exec() == QDialog::Accepted;
    delete dialog.data();
    // The document may have closed while the dialog was open.
    if (accepted)
        onActive([this](Engine* e) { e->print(m_printer.get()); });
}

// --- Edit ---------------------------------------------------------------------------------

void CommandSet::postKeystroke(int key) {
    // Queued, not sent: the keystroke reaches whatever has the focus (the page or a text box)
    // after the menu that ran the command has gone.
    QWidget* target = QApplication::focusWidget();
    if (!target)
        return;
    const QString text(QChar(key - Qt::Key_A + 1)); // the control character of Ctrl+key
    QApplication::postEvent(target,
                            new QKeyEvent(QEvent::KeyPress, key, Qt::ControlModifier, text));
    QApplication::postEvent(target,
                            new QKeyEvent(QEvent::KeyRelease, key, Qt::ControlModifier, text));
}

void CommandSet::cut() {
    postKeystroke(Qt::Key_X);
}

void CommandSet::copy() {
    postKeystroke(Qt::Key_C);
}

void CommandSet::paste() {
    postKeystroke(Qt::Key_V);
}

void CommandSet::increaseFont() {
    onActive([](Engine* e) { e->setZoomLevel(increasedZoomLevel(e->zoomLevel())); });
}

void CommandSet::decreaseFont() {
    onActive([](Engine* e) { e->setZoomLevel(decreasedZoomLevel(e->zoomLevel())); });
}

void CommandSet::resetFont() {
    // The number of steps comes from the first answer; each step asks again.
    onActive([this](Engine* e) {
        const ZoomResetSteps steps = zoomResetSteps(e->zoomLevel());
        for (int i = 0; i < steps.count; ++i) {
            if (steps.increase)
                increaseFont();
            else
                decreaseFont();
        }
    });
}

// --- View ---------------------------------------------------------------------------------

void CommandSet::showInternetOptions() {
    // No settings-change broadcast follows: every document's engine shares the one profile
    // whose settings the dialog changed in place, so open pages already follow them.
    onActive([this](Engine* e) { e->showInternetOptions(m_window); });
}

} // namespace kelvane
