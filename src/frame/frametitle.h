#pragma once

#include <QObject>
#include <QString>

class QMainWindow;

namespace kelvane {

class DocumentArea;

// The main window's title: the program's own, and the active document's in brackets while it
// is maximized ("Kelvane v1.50 - [Page title]"). The multiple-document area adds the
// maximized document's title by itself, from whatever title the frame has then, so the title
// would double as documents change: the frame keeps setting its own.
class FrameTitle : public QObject {
    Q_OBJECT
public:
    FrameTitle(QMainWindow* window, DocumentArea& documents);

    // The program's title, once the captions are applied.
    void setBaseTitle(const QString& title);
    void update();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QMainWindow* m_window;
    DocumentArea& m_documents;
    QString m_base;
    bool m_setting = false;
};

} // namespace kelvane
