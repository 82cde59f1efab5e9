#include "platform/engine/pageoutput.h"

#include <QDir>
#include <QEventLoop>
#include <QFileDialog>
#include <QFileInfo>
#include <QPageSetupDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QStandardPaths>
#include <QWebEngineDownloadRequest>
#include <QWebEnginePage>
#include <QWebEngineView>

namespace kelvane {

namespace {

QWebEngineDownloadRequest::SavePageFormat formatForFile(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("mht") || suffix == QLatin1String("mhtml"))
        return QWebEngineDownloadRequest::MimeHtmlSaveFormat;
    return QWebEngineDownloadRequest::CompleteHtmlSaveFormat;
}

// A file name made of the page title, without characters that file systems refuse.
QString suggestedFileName(const QString& title) {
    QString name = title.simplified();
    static const QString forbidden = QStringLiteral("/\\:*?\"<>|");
    for (QChar& c : name) {
        if (forbidden.contains(c) || c.unicode() < 0x20)
            c = QLatin1Char('_');
    }
    if (name.isEmpty() || name.startsWith(QLatin1Char('.')))
        name.prepend(QStringLiteral("page"));
    return name.left(100) + QStringLiteral(".html");
}

} // namespace

PageOutput::PageOutput(QWebEngineView* view)
    : m_view(view) {}

PageOutput::~PageOutput() = default;

void PageOutput::saveAs(const QString& title, const QString& givenPath) {
    if (!m_view)
        return;
    QString path = givenPath;
    QWebEngineDownloadRequest::SavePageFormat format = formatForFile(path);
    if (path.isEmpty()) {
        const QString complete = QFileDialog::tr("Web page, complete (*.htm *.html)");
        const QString htmlOnly = QFileDialog::tr("Web page, HTML only (*.htm *.html)");
        const QString archive = QFileDialog::tr("Web archive, single file (*.mht *.mhtml)");
        QString selected = complete;
        QString folder = QStandardPaths::writableLocation(QStandardPaths::DownloadLocation);
        if (folder.isEmpty() || !QDir(folder).exists())
            folder = QDir::homePath();
        path = QFileDialog::getSaveFileName(
            m_view, QFileDialog::tr("Save As"),
            folder + QLatin1Char('/') + suggestedFileName(title),
            complete + QStringLiteral(";;") + htmlOnly + QStringLiteral(";;") + archive, &selected);
        // The page may have closed while the dialog was open.
        if (path.isEmpty() || !m_view)
            return;
        if (selected == archive)
            format = QWebEngineDownloadRequest::MimeHtmlSaveFormat;
        else if (selected == htmlOnly)
            format = QWebEngineDownloadRequest::SingleHtmlSaveFormat;
        else
            format = QWebEngineDownloadRequest::CompleteHtmlSaveFormat;
    }
    m_view->page()->save(path, format);
}

QPrinter* PageOutput::printer() {
    if (!m_printer) {
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        // Sharp on paper, and the preview still paints in moments.
        m_printer->setResolution(300);
    }
    return m_printer.get();
}

bool PageOutput::print(QPrinter* target) {
    if (!target)
        target = printer();
    if (!m_view || m_printing)
        return false;
    m_printing = true;
    // Printing in this engine is asynchronous; the caller expects it done on return.
    QEventLoop loop;
    bool finished = false;
    bool result = false;
    const auto finish = [&](bool ok) {
        finished = true;
        result = ok;
        loop.quit();
    };
    QObject::connect(m_view, &QWebEngineView::printFinished, &loop, finish);
    QObject::connect(m_view, &QObject::destroyed, &loop, [&] { finish(false); });
    QObject::connect(m_view->page(), &QWebEnginePage::renderProcessTerminated, &loop,
                     [&] { finish(false); });
    // A PDF file gets the engine's own PDF, whose text stays text; printing it through the
    // printer would make each page one picture.
    if (target->outputFormat() == QPrinter::PdfFormat && !target->outputFileName().isEmpty()) {
        QObject::connect(m_view->page(), &QWebEnginePage::pdfPrintingFinished, &loop,
                         [&](const QString&, bool ok) { finish(ok); });
        m_view->page()->printToPdf(target->outputFileName(), target->pageLayout(),
                                   target->pageRanges());
    } else {
        m_view->print(target);
    }
    if (!finished)
        loop.exec();
    m_printing = false;
    return result;
}

void PageOutput::printPreview() {
    const QPointer<QPrintPreviewDialog> dialog = new QPrintPreviewDialog(printer(), m_view);
    QObject::connect(dialog, &QPrintPreviewDialog::paintRequested, dialog,
                     [this](QPrinter* target) { print(target); });
    dialog->exec();
    delete dialog.data();
}

void PageOutput::pageSetup() {
    const QPointer<QPageSetupDialog> dialog = new QPageSetupDialog(printer(), m_view);
    dialog->exec();
    delete dialog.data();
}

} // namespace kelvane
