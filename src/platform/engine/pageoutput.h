#pragma once

#include <QPointer>
#include <QString>

#include <memory>

class QPrinter;
class QWebEngineView;

namespace kelvane {

// What leaves a page: a file (Save As) and paper (print, print preview, page setup). Each page
// keeps one printer, so the choices made in its dialogs are offered again next time.
class PageOutput {
public:
    explicit PageOutput(QWebEngineView* view);
    ~PageOutput();

    // Asks for a file when path is empty; the page's title proposes its name.
    void saveAs(const QString& title, const QString& path);
    // Prints on printer (the page's own when null) and returns once the engine is done; false
    // when printing failed.
    bool print(QPrinter* printer = nullptr);
    void printPreview();
    void pageSetup();

private:
    QPrinter* printer();

    QPointer<QWebEngineView> m_view;
    std::unique_ptr<QPrinter> m_printer;
    bool m_printing = false;
};

} // namespace kelvane
