#include "ui/captions.h"

#include "base/captionrules.h"

#include <QAbstractButton>
#include <QAction>
#include <QColorDialog>
#include <QComboBox>
#include <QCoreApplication>
#include <QDockWidget>
#include <QFileDialog>
#include <QFontDialog>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPrintDialog>
#include <QPushButton>
#include <QSet>
#include <QTabBar>
#include <QTableView>
#include <QToolBar>
#include <QToolButton>
#include <QTreeView>
#include <QWidgetAction>

namespace kelvane {

namespace {

// Caption identifiers are texts in the designs; anything else in the slot (a typed value some code
// keeps in tabData, say) is not an identifier.
QString tagText(const QVariant& value) {
    switch (value.metaType().id()) {
    case QMetaType::QString:
        return value.toString();
    case QMetaType::QByteArray:
        return QString::fromUtf8(value.toByteArray());
    default:
        return {};
    }
}

bool isCommonDialog(const QWidget* widget) {
    return qobject_cast<const QFileDialog*>(widget) || qobject_cast<const QPrintDialog*>(widget) ||
           qobject_cast<const QColorDialog*>(widget) || qobject_cast<const QFontDialog*>(widget);
}

// The property the general rule writes the caption into, or nullptr for a widget without one.
const char* captionProperty(const QWidget* widget) {
    if (qobject_cast<const QAbstractButton*>(widget))
        return "text";
    if (qobject_cast<const QGroupBox*>(widget) || qobject_cast<const QMenu*>(widget))
        return "title";
    if (qobject_cast<const QDockWidget*>(widget) || isCommonDialog(widget))
        return "windowTitle";
    return nullptr;
}

bool isLine(const QWidget* widget) {
    const auto* frame = qobject_cast<const QFrame*>(widget);
    return frame && (frame->frameShape() == QFrame::HLine || frame->frameShape() == QFrame::VLine);
}

class CaptionLoader {
public:
    void run(QWidget* window);

private:
    void collect(QWidget* parent);
    void applyMenu(QMenu* menu);
    void applyMenuAction(QAction* action);
    void applyToolBar(QToolBar* bar);
    void applyTabBar(QTabBar* bar);
    void applyHeaders(QAbstractItemView* view);
    void applyGeneral(QWidget* widget, bool withToolTip);
    bool toolTipFollowsText(const QAction* action);

    QList<QWidget*> m_widgets;
    QSet<QMenu*> m_menus;
    QSet<QAction*> m_menuActions;
    QSet<QAction*> m_toolBarActions;
    QSet<QWidget*> m_toolBarButtons;
    QAction m_probe; // computes the tool tip Qt derives from a text
};

void CaptionLoader::run(QWidget* window) {
    if (const auto title = windowTitleText(tagText(window->property(kCaptionIdProperty))))
        window->setWindowTitle(*title);

    collect(window);

    // Actions first: the buttons a toolbar makes for its actions copy their texts from them.
    for (QWidget* widget : std::as_const(m_widgets)) {
        if (auto* bar = qobject_cast<QMenuBar*>(widget)) {
            for (QAction* action : bar->actions())
                applyMenuAction(action);
        } else if (auto* menu = qobject_cast<QMenu*>(widget)) {
            applyMenu(menu);
        } else if (auto* toolBar = qobject_cast<QToolBar*>(widget)) {
            applyToolBar(toolBar);
        } else if (auto* toolButton = qobject_cast<QToolButton*>(widget)) {
            applyMenu(toolButton->menu());
        } else if (auto* pushButton = qobject_cast<QPushButton*>(widget)) {
            applyMenu(pushButton->menu());
        }
    }

    for (QWidget* widget : std::as_const(m_widgets)) {
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            if (const auto text = wholeIdText(label->text()))
                label->setText(*text);
        } else if (auto* tabBar = qobject_cast<QTabBar*>(widget)) {
            applyTabBar(tabBar);
        } else if (qobject_cast<QTreeView*>(widget) || qobject_cast<QTableView*>(widget)) {
            applyHeaders(static_cast<QAbstractItemView*>(widget));
        } else if (qobject_cast<QMenu*>(widget) || isCommonDialog(widget)) {
            applyGeneral(widget, /*withToolTip=*/false);
        } else if (qobject_cast<QMenuBar*>(widget) || qobject_cast<QToolBar*>(widget) ||
                   m_toolBarButtons.contains(widget) || isLine(widget)) {
            continue;
        } else {
            applyGeneral(widget, /*withToolTip=*/true);
        }
    }
}

// Gathers the widgets below `parent`, leaving out other windows and the insides of the
// common dialogs.
void CaptionLoader::collect(QWidget* parent) {
    for (QObject* child : parent->children()) {
        auto* widget = qobject_cast<QWidget*>(child);
        if (!widget)
            continue;
        const bool ownedWindow = qobject_cast<QMenu*>(widget) ||
                                 qobject_cast<QDockWidget*>(widget) ||
                                 qobject_cast<QToolBar*>(widget);
        if (isCommonDialog(widget)) {
            m_widgets.append(widget);
        } else if (!widget->isWindow() || ownedWindow) {
            m_widgets.append(widget);
            collect(widget);
        }
    }
}

void CaptionLoader::applyMenu(QMenu* menu) {
    if (!menu || m_menus.contains(menu))
        return;
    m_menus.insert(menu);
    applyMenuAction(menu->menuAction());
    for (QAction* action : menu->actions())
        applyMenuAction(action);
}

void CaptionLoader::applyMenuAction(QAction* action) {
    if (!action || m_menuActions.contains(action))
        return;
    m_menuActions.insert(action);
    // "-", empty texts and separators are no numbers, so they stay as designed.
    if (!action->isSeparator()) {
        if (const auto text = wholeIdText(action->text()))
            action->setText(*text);
    }
    applyMenu(action->menu());
}

void CaptionLoader::applyToolBar(QToolBar* bar) {
    for (QAction* action : bar->actions()) {
        if (action->isSeparator() || qobject_cast<QWidgetAction*>(action))
            continue;
        if (QWidget* button = bar->widgetForAction(action))
            m_toolBarButtons.insert(button);
        applyMenu(action->menu());
        if (m_toolBarActions.contains(action))
            continue;
        m_toolBarActions.insert(action);

        const QString toolTip = action->toolTip();
        const bool derived = toolTipFollowsText(action);
        bool captionChanged = false;
        if (const auto text = wholeIdText(action->text())) {
            action->setText(*text);
            captionChanged = true;
        }
        // A tool tip set to the same text as the caption looks derived; it shows itself by
        // staying put when the caption changes.
        const bool ownToolTip = !derived || (captionChanged && action->toolTip() == toolTip);
        if (ownToolTip) {
            if (const auto text = wholeIdText(toolTip))
                action->setToolTip(*text);
        }
    }
}

// QAction::toolTip() falls back to the text when none was set; only one set explicitly holds
// an identifier.
bool CaptionLoader::toolTipFollowsText(const QAction* action) {
    const QString text = action->text();
    m_probe.setText(text);
    m_probe.setIconText(text.isEmpty() ? action->iconText() : QString());
    return action->toolTip() == m_probe.toolTip();
}

void CaptionLoader::applyTabBar(QTabBar* bar) {
    for (int i = 0; i < bar->count(); ++i) {
        if (const auto text = wholeIdText(tagText(bar->tabData(i))))
            bar->setTabText(i, *text);
        if (const auto text = wholeIdText(bar->tabToolTip(i)))
            bar->setTabToolTip(i, *text);
    }
}

void CaptionLoader::applyHeaders(QAbstractItemView* view) {
    QAbstractItemModel* model = view->model();
    if (!model)
        return;
    const int columns = model->columnCount(view->rootIndex());
    for (int column = 0; column < columns; ++column) {
        const QVariant tag = model->headerData(column, Qt::Horizontal, Qt::UserRole);
        if (const auto text = wholeIdText(tagText(tag)))
            model->setHeaderData(column, Qt::Horizontal, *text, Qt::DisplayRole);
    }
}

void CaptionLoader::applyGeneral(QWidget* widget, bool withToolTip) {
    if (const char* caption = captionProperty(widget)) {
        if (const auto text = leadingIdText(tagText(widget->property(kCaptionIdProperty))))
            widget->setProperty(caption, *text);
    }
    if (withToolTip) {
        if (const auto text = leadingIdText(widget->toolTip()))
            widget->setToolTip(*text);
    }
}

} // namespace

void applyCaptions(QWidget* window) {
    if (!window)
        return;
    CaptionLoader().run(window);
    nameControlsByTheirLabels(window);
    // Qt's button for what a narrow toolbar cannot show has no name of its own.
    for (QToolButton* more :
         window->findChildren<QToolButton*>(QStringLiteral("qt_toolbar_ext_button")))
        if (more->accessibleName().isEmpty())
            more->setAccessibleName(QCoreApplication::translate("Toolbar", "More Commands"));
}

void nameControlsByTheirLabels(QWidget* window) {
    for (const QLabel* label : window->findChildren<QLabel*>()) {
        QWidget* control = label->buddy();
        if (!control || !control->accessibleName().isEmpty())
            continue;
        // The label's text as it reads: without its mnemonic mark and closing colon.
        QString name = label->text();
        name.replace(QLatin1String("&&"), QLatin1String("\x01"))
            .remove(u'&')
            .replace(u'\x01', u'&');
        name = name.trimmed();
        if (name.endsWith(u':'))
            name.chop(1);
        control->setAccessibleName(name);
        if (const auto* box = qobject_cast<QComboBox*>(control); box && box->lineEdit())
            box->lineEdit()->setAccessibleName(name);
    }
}

} // namespace kelvane
