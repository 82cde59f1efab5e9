#pragma once

#include <QObject>
#include <QString>
#include <QVariant>

class QWidget;

namespace kelvane {

// Replaces the string-table identifiers a window was designed with by their texts
// (app/stringtable.h). Every window calls it first thing when it loads.
//
// Where the identifiers live. Windows are designed with identifiers in place of texts; each
// kind of control carries them in one place:
//
//   Window title     The window's dynamic property "captionId" (a text). When it is a whole 16-bit
//                    number other than -1, windowTitle becomes that entry.
//   QLabel           Its text is the identifier.
//   QMenuBar, QMenu  Each action's text is the identifier (a QMenu's own title is its
//                    menuAction()'s text). Separators, "-" and empty texts stay. Covers the
//                    window's menu bars, every QMenu below it (hidden popup menus too) and the
//                    menus reached from their actions, from toolbar actions and from buttons.
//   QToolBar         Each action that is neither a separator nor a QWidgetAction: its text is
//                    the caption's identifier, its tool tip (only one set explicitly, not the
//                    one Qt derives from the text) the tool tip's identifier. The widget a
//                    QWidgetAction holds is a control of its own.
//   QTabBar          Each tab's tabData (a text) is the caption's identifier, its tabToolTip
//                    the tool tip's identifier. A QTabWidget is covered through its tabBar().
//   QTreeView,       Each column: the horizontal header data in role Qt::UserRole (a text) is
//   QTableView       the identifier of the header text (Qt::DisplayRole). Includes QTreeWidget
//                    and QTableWidget.
//   Line             A plain QFrame shaped HLine or VLine: left alone. Timers and image lists
//                    are no widgets and are not looked at.
//   Common dialogs   QFileDialog, QPrintDialog, QColorDialog, QFontDialog below the window:
//                    the general rule's caption step only (their "captionId" -> windowTitle); their
//                    inner widgets are Qt's and are not visited.
//   QMenu widget     Besides its actions, the general rule's caption step only ("captionId" ->
//                    title), no tool tip.
//   Any other widget The general rule: when the leading number of its dynamic property "captionId"
//   is
//                    above 0, its caption becomes that entry; then, when the leading number of
//                    its toolTip is above 0, the tool tip becomes that entry. The caption is
//                    the "text" of a QAbstractButton (push, check, radio and tool buttons), the
//                    "title" of a QGroupBox and the "windowTitle" of a QDockWidget; other
//                    widgets have none and only their tool tip is looked at.
//
// "A whole number" reads like BASIC's CInt, "leading number" like BASIC's Val
// (app/captionrules.h). A step that fails (no number, no such entry, no such property) is
// skipped and the next one runs; the loader never fails.
//
// Child windows (dialogs and tool windows parented to this one) are not entered: each applies
// its own captions when it loads. Dock widgets and toolbars belong to the window even while
// they float, and popup menus are always its own. Last, it names the controls a screen reader
// would find nameless: those a label names, and the toolbars' buttons for more commands.
void applyCaptions(QWidget* window);

// Gives each control a label names as its buddy that label's text as its accessible name, so
// that a screen reader names the control as the eye reads it. applyCaptions ends with it.
void nameControlsByTheirLabels(QWidget* window);

// The dynamic property that carries a widget's caption identifier (a text, as designed) until
// applyCaptions replaces it; a .ui form sets it as a dynamic property of that name.
inline constexpr char kCaptionIdProperty[] = "captionId";

// Gives a widget (or an action) the string-table entry applyCaptions takes its caption from.
inline void setCaptionId(QObject* object, int id) {
    object->setProperty(kCaptionIdProperty, QString::number(id));
}

} // namespace kelvane
