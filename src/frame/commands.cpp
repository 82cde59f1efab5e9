#include "frame/commands.h"

#include "base/appsettings.h"
#include "documents/documentarea.h"
#include "documents/documentwindow.h"
#include "frame/menus.h"
#include "frame/zoomrule.h"
#include "platform/engine/engine.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMenu>
#include <QPrintDialog>
#include <QPrinter>

#include <optional>

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

std::optional<int> queryZoom(WebBrowser* browser) {
    bool ok = false;
    const int level =
        browser->ExecWB(EngineCommand::Zoom, CommandOption::DontPromptUser).toInt(&ok);
    return ok ? std::optional(level) : std::nullopt;
}

} // namespace

CommandSet::CommandSet(DocumentArea& documents, QWidget* window)
    : QObject(window)
    , m_documents(documents)
    , m_window(window)
    , m_openFolder(QDir::homePath()) {}

CommandSet::~CommandSet() = default;

void CommandSet::connectMenus(const MainMenus& menus) {
    using Handler = void (CommandSet::*)();
    static const struct {
        const char* item;
        Handler handler;
    } kItems[] = {
        {"mnuFileOpen", &CommandSet::mnuFileOpen_Click},
        {"mnuFileSaveAs", &CommandSet::mnuFileSaveAs_Click},
        {"mnuFileProperties", &CommandSet::mnuFileProperties_Click},
        {"mnuFilePageSetup", &CommandSet::mnuFilePageSetup_Click},
        {"mnuFilePrintPreview", &CommandSet::mnuFilePrintPreview_Click},
        {"mnuFilePrint", &CommandSet::mnuFilePrint_Click},
        {"mnuEditCut", &CommandSet::mnuEditCut_Click},
        {"mnuEditCopy", &CommandSet::mnuEditCopy_Click},
        {"mnuEditPaste", &CommandSet::mnuEditPaste_Click},
        {"mnuEditIncFont", &CommandSet::mnuEditIncFont_Click},
        {"mnuEditDecFont", &CommandSet::mnuEditDecFont_Click},
        {"mnuEditResetFont", &CommandSet::mnuEditResetFont_Click},
        {"mnuEditSelectAll", &CommandSet::mnuEditSelectAll_Click},
        {"mnuViewSource", &CommandSet::mnuViewSource_Click},
        {"mnuViewInternetOptions", &CommandSet::mnuViewInternetOptions_Click},
        {"mnuNavigateBack", &CommandSet::Back},
        {"mnuNavigateForward", &CommandSet::Forward},
        {"mnuNavigateStop", &CommandSet::StopLoading},
        {"mnuNavigateRefresh", &CommandSet::Reload},
        {"mnuNavigateHome1", &CommandSet::Home},
        {"mnuNavigateHome2", &CommandSet::Home2},
        {"mnuNavigateMail", &CommandSet::OpenMail},
        {"mnuNavigateSearch", &CommandSet::OpenSearch},
        {"mnuNavigateNews", &CommandSet::OpenNews},
        {"mnuHelpOnTheWeb", &CommandSet::mnuHelpOnTheWeb_Click},
        {"mnuHelpContents", &CommandSet::mnuHelpContents_Click},
        {"mnuNewHome1", &CommandSet::mnuNewHome1_Click},
        {"mnuNewHome2", &CommandSet::mnuNewHome2_Click},
        {"mnuNewPageBlank", &CommandSet::mnuNewPageBlank_Click},
        {"mnuNewCurrent", &CommandSet::mnuNewCurrent_Click},
        {"mnuNewEmail", &CommandSet::mnuNewEmail_Click},
        {"mnuNewSearch", &CommandSet::mnuNewSearch_Click},
        {"mnuNewNews", &CommandSet::mnuNewNews_Click},
    };
    for (const auto& item : kItems) {
        if (QAction* action = menus.action(QLatin1String(item.item))) {
            const Handler handler = item.handler;
            connect(action, &QAction::triggered, this, [this, handler] { (this->*handler)(); });
        }
    }
}

// --- the active document ------------------------------------------------------------------

WebBrowser* CommandSet::activeBrowser() const {
    DocumentWindow* doc = m_documents.activeDocument();
    return doc ? doc->WebBrowser1() : nullptr;
}

void CommandSet::openInActiveOrNew(const QString& address) {
    if (WebBrowser* browser = activeBrowser())
        browser->Navigate(address);
    else
        m_documents.LoadNewDoc(address);
}

void CommandSet::openAndNavigate(const QString& address) {
    if (!activeBrowser())
        m_documents.LoadNewDoc(address);
    if (WebBrowser* browser = activeBrowser())
        browser->Navigate(address);
}

void CommandSet::execOnActive(EngineCommand command) {
    if (WebBrowser* browser = activeBrowser())
        browser->ExecWB(command, CommandOption::DoDefault);
}

// --- toolbar ------------------------------------------------------------------------------

void CommandSet::buttonClicked(const QString& key) {
    using Handler = void (CommandSet::*)();
    static const struct {
        const char* key;
        Handler handler;
    } kButtons[] = {
        {"New", &CommandSet::mnuNewHome1_Click}, {"Back", &CommandSet::Back},
        {"Forward", &CommandSet::Forward},       {"Refresh", &CommandSet::Reload},
        {"Stop", &CommandSet::StopLoading},      {"Home", &CommandSet::Home},
        {"Home2", &CommandSet::Home2},           {"Mail", &CommandSet::OpenMail},
        {"Search", &CommandSet::OpenSearch},     {"News", &CommandSet::OpenNews},
    };
    for (const auto& button : kButtons) {
        if (key == QLatin1String(button.key)) {
            (this->*button.handler)();
            return;
        }
    }
}

void CommandSet::showNewMenu(QMenu* mnuNewPage, const QPoint& globalPos) {
    if (mnuNewPage)
        mnuNewPage->popup(globalPos);
}

void CommandSet::ShowHistoryMenu(bool isBack, const QPoint& globalPos) {
    DocumentWindow* doc = m_documents.activeDocument();
    Customizer* history = doc ? doc->CustomWB() : nullptr;
    if (!history)
        return;
    const int count = isBack ? history->BackCount() : history->ForwardCount();
    if (count <= 0)
        return;

    auto* menu = new QMenu(m_window);
    menu->setObjectName(isBack ? QStringLiteral("BackHistoryMenu")
                               : QStringLiteral("ForwardHistoryMenu"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    const QFontMetrics metrics(menu->font());
    for (int i = 1; i <= count; ++i) {
        QString title;
        QString url;
        history->GetHistoryElement(isBack, i, title, url);
        if (title.isEmpty())
            title = url;
        // A page title is plain text: an "&" in it is no mnemonic.
        title = metrics.elidedText(title, Qt::ElideMiddle, kHistoryTitleWidth);
        title.replace(QLatin1Char('&'), QStringLiteral("&&"));
        menu->addAction(title)->setData(i);
    }

    // The list is the document's the menu was made from; should it close meanwhile, the
    // choice goes nowhere.
    const QPointer<DocumentWindow> target = doc;
    connect(menu, &QMenu::triggered, this, [target, isBack](QAction* chosen) {
        Customizer* list = target ? target->CustomWB() : nullptr;
        QString title;
        QString url;
        if (list && list->GetHistoryElement(isBack, chosen->data().toInt(), title, url))
            target->WebBrowser1()->Navigate(url);
    });
    menu->popup(globalPos);
}

// --- shared operations --------------------------------------------------------------------

void CommandSet::Back() {
    if (WebBrowser* browser = activeBrowser())
        browser->GoBack();
}

void CommandSet::Forward() {
    if (WebBrowser* browser = activeBrowser())
        browser->GoForward();
}

void CommandSet::Home() {
    openInActiveOrNew(appSettings().home1);
}

void CommandSet::Home2() {
    openInActiveOrNew(appSettings().home2);
}

void CommandSet::StopLoading() {
    if (WebBrowser* browser = activeBrowser())
        browser->Stop();
}

void CommandSet::Reload() {
    constexpr int kRefreshCompletely = 3;
    if (WebBrowser* browser = activeBrowser())
        browser->Refresh2(kRefreshCompletely);
}

void CommandSet::OpenSearch() {
    openAndNavigate(appSettings().search);
}

void CommandSet::OpenMail() {
    openAndNavigate(appSettings().mail);
}

void CommandSet::OpenNews() {
    openAndNavigate(appSettings().news);
}

// --- New popup ----------------------------------------------------------------------------

void CommandSet::mnuNewHome1_Click() {
    m_documents.LoadNewDoc(appSettings().home1);
}

void CommandSet::mnuNewHome2_Click() {
    m_documents.LoadNewDoc(appSettings().home2);
}

void CommandSet::mnuNewPageBlank_Click() {
    m_documents.LoadNewDoc(QStringLiteral("about:blank"));
}

void CommandSet::mnuNewCurrent_Click() {
    if (WebBrowser* browser = activeBrowser())
        m_documents.LoadNewDoc(browser->LocationURL());
    else
        m_documents.LoadNewDoc(appSettings().home1);
}

void CommandSet::mnuNewEmail_Click() {
    m_documents.LoadNewDoc(appSettings().mail);
}

void CommandSet::mnuNewSearch_Click() {
    m_documents.LoadNewDoc(appSettings().search);
}

void CommandSet::mnuNewNews_Click() {
    m_documents.LoadNewDoc(appSettings().news);
}

// --- File ---------------------------------------------------------------------------------

void CommandSet::mnuFileOpen_Click() {
    const QPointer<QFileDialog> dialog = new QFileDialog(m_window, tr("Open"), m_openFolder);
    dialog->setObjectName(QStringLiteral("OpenDialog"));
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
    m_documents.LoadNewDoc(file);
    if (DocumentWindow* doc = m_documents.activeDocument())
        doc->setWindowTitle(file);
}

void CommandSet::mnuFileSaveAs_Click() {
    execOnActive(EngineCommand::SaveAs);
}

void CommandSet::mnuFileProperties_Click() {
    execOnActive(EngineCommand::Properties);
}

void CommandSet::mnuFilePageSetup_Click() {
    execOnActive(EngineCommand::PageSetup);
}

void CommandSet::mnuFilePrintPreview_Click() {
    execOnActive(EngineCommand::PrintPreview);
}

void CommandSet::mnuFilePrint_Click() {
    if (!m_documents.activeDocument())
        return;
    // One printer for the program's life, so the choices made in the dialog are offered
    // again next time.
    if (!m_printer)
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    const QPointer<QPrintDialog> dialog = new QPrintDialog(m_printer.get(), m_window);
    dialog->setObjectName(QStringLiteral("PrintDialog"));
    dialog->setWindowTitle(tr("Print"));
    // The whole page is printed: no page numbers to choose.
    dialog->setOption(QAbstractPrintDialog::PrintPageRange, false);
    const bool accepted = dialog->exec() == QDialog::Accepted;
    delete dialog.data();
    if (!accepted)
        return;
    // The document may have closed while the dialog was open.
    if (WebBrowser* browser = activeBrowser())
        browser->ExecWB(EngineCommand::Print, CommandOption::DoDefault,
                        QVariant::fromValue(m_printer.get()));
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

void CommandSet::mnuEditCut_Click() {
    postKeystroke(Qt::Key_X);
}

void CommandSet::mnuEditCopy_Click() {
    postKeystroke(Qt::Key_C);
}

void CommandSet::mnuEditPaste_Click() {
    postKeystroke(Qt::Key_V);
}

void CommandSet::mnuEditSelectAll_Click() {
    execOnActive(EngineCommand::SelectAll);
}

void CommandSet::stepZoom(WebBrowser* browser, bool increase) {
    const std::optional<int> level = queryZoom(browser);
    if (!level)
        return;
    const int next = increase ? zoomrule::increased(*level) : zoomrule::decreased(*level);
    browser->ExecWB(EngineCommand::Zoom, CommandOption::DontPromptUser, next);
}

void CommandSet::mnuEditIncFont_Click() {
    if (WebBrowser* browser = activeBrowser())
        stepZoom(browser, true);
}

void CommandSet::mnuEditDecFont_Click() {
    if (WebBrowser* browser = activeBrowser())
        stepZoom(browser, false);
}

void CommandSet::mnuEditResetFont_Click() {
    WebBrowser* browser = activeBrowser();
    if (!browser)
        return;
    const std::optional<int> level = queryZoom(browser);
    if (!level)
        return;
    // The number of steps comes from this first answer; each step asks again.
    const zoomrule::ResetSteps steps = zoomrule::resetSteps(*level);
    for (int i = 0; i < steps.count; ++i)
        stepZoom(browser, steps.increase);
}

// --- View ---------------------------------------------------------------------------------

void CommandSet::mnuViewSource_Click() {
    if (DocumentWindow* doc = m_documents.activeDocument(); doc && doc->CustomWB())
        doc->CustomWB()->ViewSource();
}

void CommandSet::mnuViewInternetOptions_Click() {
    DocumentWindow* doc = m_documents.activeDocument();
    if (!doc || !doc->CustomWB())
        return;
    doc->CustomWB()->ShowInternetOptions(m_window);
    // No settings-change broadcast follows: every document's engine shares the one profile
    // whose settings the dialog changed in place, so open pages already follow them.
}

// --- Help ---------------------------------------------------------------------------------

void CommandSet::mnuHelpContents_Click() {
    m_documents.LoadNewDoc(QLatin1String(kHelpPage));
}

void CommandSet::mnuHelpOnTheWeb_Click() {
    m_documents.LoadNewDoc(QLatin1String(kAboutPage));
}

} // namespace kelvane
