#pragma once

#include <QWidget>

class QAction;
class QMenu;
class QTimer;
class QToolBar;
class QToolButton;
class QTreeView;

namespace kelvane {

class DocumentSet;
class DocumentWindow;
class NavigatorPalette;
enum class Picture;

// The Navigator: a small tool window over the main window listing every open document with its
// load state. It shrinks to its caption strip when it loses activation and grows back when
// activated or when the mouse moves over it, unless pinned; its caption counts dots while
// documents load. A close request only hides it, so it keeps its rows, until the main window
// allows it to close at exit.
class NavigatorWindow : public QWidget {
    Q_OBJECT
public:
    // A tool window owned by `owner`: it stays above it, is minimized and closed with it and
    // has no taskbar entry.
    NavigatorWindow(DocumentSet& documents, QWidget* owner);
    ~NavigatorWindow() override;

    // The design geometry, in twips; the defaults of the position settings.
    static constexpr int kDesignLeft = 600;
    static constexpr int kDesignTop = 1800;
    static constexpr int kDesignWidth = 5400;
    static constexpr int kDesignHeight = 5000;

    QTreeView* list() const { return m_list; }
    QToolBar* toolbar() const { return m_toolbar; }
    QToolButton* pinButton() const { return m_pin; }
    QTimer* resizeTimer() const { return m_resizeTimer; }
    QTimer* loadingTimer() const { return m_loadingTimer; }
    NavigatorPalette* palette() const { return m_palette; }
    // The toolbar's buttons by key: "New", "Close", "Refresh", "Stop"; null for another key.
    QAction* toolbarButton(const QString& key) const;

    // The outer height (caption and borders included) in twips. A height set in twips reads
    // back as set while the window keeps that pixel height, so steps of 450 twips do not drift
    // where a twip is a fraction of a pixel.
    int heightTwips() const;
    // Resizes the window to an outer height in twips, keeping its top edge.
    void setHeightTwips(int twips);

    // The main window's New menu, shown by the drop-down arrow of the New button.
    void setNewMenu(QMenu* menu);

    // The caption animation: "Navigator" followed by 0..5 dots, one more every 300 ms. The dot
    // count carries on from where the last animation stopped.
    void startLoadingAnimation();
    // Stops the animation and puts the caption back to "Navigator".
    void stopLoadingAnimation();

    // The shrink or grow animation, one step of 450 twips every 50 ms.
    void startShrink();
    void startGrow();
    bool isShrinking() const { return m_shrinking; }

    // The keyboard palette: the window shows, grown, with the focus in its filter box. Once a
    // document is chosen or the palette cancelled, a window that was hidden hides again.
    void showPalette();

    // From now on a close request closes the window (the main window is closing).
    void allowClose() { m_mayClose = true; }

    // Handlers, public so the main window and tests can drive them.
    void rowClicked();
    void buttonClicked(const QString& key);
    void pinClicked();
    void resizeTick();
    void loadingTick();

    void setVisible(bool visible) override;

Q_SIGNALS:
    // The New button: the main window opens its Home 1 address.
    void newRequested();
    // The window was shown or hidden on request (the close box too), not along with its
    // owner: the View menu's check mark follows it.
    void visibilityChanged(bool visible);

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QAction* addToolbarAction(const QString& key, Picture icon, const QString& caption,
                              const QString& toolTip);
    void placeControls();
    // The document of the selected row; null when no row is really selected.
    DocumentWindow* selectedDocument() const;
    double dpi() const;
    void reportVisibility(bool visible);
    void paletteChose(int row);
    void paletteClosed();

    QToolBar* m_toolbar;
    QToolButton* m_pin;
    QTreeView* m_list;
    QTimer* m_resizeTimer;
    QTimer* m_loadingTimer;
    NavigatorPalette* m_palette;
    bool m_hiddenBeforePalette = false;
    qint16 m_loadingDots = 0;
    bool m_shrinking = false;
    bool m_mayClose = false;
    int m_heightTwips = -1; // the last height set in twips; -1 before one was set
    int m_visibleReported = -1;
};

} // namespace kelvane
