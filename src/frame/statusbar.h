#pragma once

#include "draw/progressbar.h"
#include "platform/engine/pagerequests.h"
#include "popups/killedpopups.h"
#include "popups/popuprules.h"

#include <QStatusBar>

class QDateTime;
class QLabel;
class QMenu;
class QTimer;

namespace kelvane {

// The main window's status bar, six panels from left to right, each named "Item" and its
// number: 1 the active document's status text (takes the spare width), 2 a clock, 3 the
// options picture, 4 the popup blocker's picture, 5 the page-security picture and 6 the load
// progress, drawn by a ProgressBar. It holds what it shows; the main window feeds it from the
// active document and acts on its requests.
class StatusBar : public QStatusBar {
    Q_OBJECT
public:
    explicit StatusBar(QWidget* parent = nullptr);
    ~StatusBar() override;

    // Panel 1: the active page's status text, or while it has none, the running downloads'.
    void setStatusText(const QString& text);
    void setDownloadsText(const QString& text);
    QString statusText() const;

    // Panel 2: the locale's short date, four blanks and the time with seconds, as text and
    // tool tip, updated every second by updateClock().
    static QString clockText(const QDateTime& now);
    void updateClock();
    QTimer* clockTimer() const { return m_clock; }

    // Panel 4: the blocker's state, or the bright "killed" picture during a flash.
    void setPopupsAllowed(bool allowed); // shows the settled picture of that setting
    bool popupsAllowed() const { return m_popupsAllowed; }
    PopupPicture popupPicture() const { return m_popupPicture; }
    void setPopupPicture(PopupPicture picture);
    // One tick (every 800 ms) of the flash after a kill; ticks is the caller's count, 0 at the
    // kill. Returns the new count; 0 means the picture has settled and the ticks stop.
    int advancePopupFlash(int ticks);
    // A popup was killed just now: recorded, and the popup picture flashes, one change every
    // 800 ms, settling on the sixth. A window sent to a blocked site is recorded only.
    void popupKilled(const QString& address, const QString& requestingPage, bool blockedSite);
    QTimer* flashTimer() const { return m_flash; }
    // A popup was killed just now: counted in the tool tip and listed in the right-click menu.
    void recordKilledPopup(const QString& address, const QString& requestingPage,
                           bool blockedSite = false);
    const KilledPopups& killedPopups() const { return m_killed; }
    // The right-click list of the last killed popups (shown by a right click on panel 4).
    QMenu* killedPopupsMenu() const { return m_killedMenu; }

    // Content blocking for the active document, told in panel 4's tool tip: the requests it
    // blocked, and in the right-click menu the switch of the site's exception. An empty site
    // (no page, or one without a host) offers no exception.
    struct ContentBlockingState {
        bool enabled = false;
        int blocked = 0;
        QString site;
        bool siteExcepted = false;
        bool operator==(const ContentBlockingState&) const = default;
    };
    void setContentBlocking(const ContentBlockingState& state);
    const ContentBlockingState& contentBlocking() const { return m_blocking; }

    // Panel 5: the padlock while the active page is secure, an open padlock with the tool tip
    // "Not secure" while it shows a page whose failed certificate the user let through, and
    // nothing for a page that is not encrypted.
    void setSecurity(PageSecurity security);
    PageSecurity security() const { return m_security; }

    // Panel 6: the active document's load percentage, 0 to 100 (0: nothing is loading and
    // nothing is drawn). "Loading (p%)" while below 100, "Complete" at 100.
    void setProgressPercent(int percent);
    int progressPercent() const { return m_percent; }
    const ProgressBar& progressBar() const { return m_bar; }

Q_SIGNALS:
    // Double click on the options picture.
    void optionsRequested();
    // (A double click on the popup picture switches the popup blocker.)
    // A killed popup was chosen from the right-click list: open address in a new document.
    void killedPopupChosen(const QString& address);
    // The user switched blocking off (excepted) or on again for site.
    void siteExceptionChosen(const QString& site, bool excepted);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QLabel* addPicturePanel(const QString& key, int toolTipId);
    void showKilledPopupsMenu(const QPoint& globalPos);
    void updatePopupToolTip();

    QLabel* m_statusPanel;
    QLabel* m_clockPanel;
    QLabel* m_optionsPanel;
    QLabel* m_popupPanel;
    QLabel* m_securityPanel;
    QWidget* m_progressPanel;
    QTimer* m_clock;
    QTimer* m_flash;
    int m_flashTicks = 0;
    QMenu* m_killedMenu;
    ProgressBar m_bar;
    KilledPopups m_killed;
    PopupPicture m_popupPicture = PopupPicture::Allowed;
    bool m_popupsAllowed = true;
    PageSecurity m_security = PageSecurity::Plain;
    int m_percent = 0;
    ContentBlockingState m_blocking;
    QString m_pageText;
    QString m_downloadsText;
};

} // namespace kelvane
