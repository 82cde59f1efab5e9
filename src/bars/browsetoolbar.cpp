#include "bars/browsetoolbar.h"

#include "bars/toolbarcustomizedialog.h"
#include "base/settingsstore.h"
#include "ui/pictures.h"

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QHoverEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QStyle>
#include <QStyleOptionToolButton>
#include <QToolButton>

namespace kelvane {

namespace {

struct Design {
    const char* key;
    const char* caption; // string identifiers
    const char* toolTip;
    bool dropDown;
    Picture picture;
};

// clang-format off
const Design kDesign[] = {
    {"New", "1101", "1107", true, Picture::ToolbarNew},
    {"Back", "1102", "1108", true, Picture::ToolbarBack},
    {"Forward", "1103", "1109", true, Picture::ToolbarForward},
    {"Refresh", "1104", "1110", false, Picture::ToolbarRefresh},
    {"Stop", "1105", "1111", false, Picture::ToolbarStop},
    {"Home", "1106", "1112", false, Picture::ToolbarHome},
    {"Home2", "1129", "1130", false, Picture::ToolbarHome2},
    {"Separator", nullptr, nullptr, false, Picture::ToolbarNew},
    {"Mail", "1113", "1116", false, Picture::ToolbarMail},
    {"Search", "1114", "1117", false, Picture::ToolbarSearch},
    {"News", "1115", "1118", false, Picture::ToolbarNews},
};
// clang-format on

const QString kSeparator = QStringLiteral("Separator");
const QString kSection = QStringLiteral("ViewSettings");
const QString kLayoutKey = QStringLiteral("MainToolbar");

bool isDropDown(const QString& key) {
    for (const Design& d : kDesign) {
        if (key == QLatin1String(d.key))
            return d.dropDown;
    }
    return false;
}

// Draws the button as the mouse left it, unless the mouse is back over it.
void forgetHover(QToolButton* tool) {
    if (tool->rect().contains(tool->mapFromGlobal(QCursor::pos())))
        return;
    tool->setAttribute(Qt::WA_UnderMouse, false);
    QHoverEvent leave(QEvent::HoverLeave, QPointF(-1, -1), QPointF(-1, -1), QPointF());
    QApplication::sendEvent(tool, &leave);
    tool->update();
}

} // namespace

BrowseToolbar::BrowseToolbar(QWidget* parent)
    : QToolBar(parent)
    , m_customize(new QAction(tr("Customize..."), this)) {
    setMovable(false);
    setFloatable(false);
    setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    setIconSize(QSize(24, 24));

    for (const Design& d : kDesign) {
        const QString key = QLatin1String(d.key);
        QAction* action = nullptr;
        if (key == kSeparator) {
            action = addSeparator();
        } else {
            action = addAction(picture(d.picture), QLatin1String(d.caption));
            action->setToolTip(QLatin1String(d.toolTip));
            connect(action, &QAction::triggered, this, [this, action] {
                if (!action->isSeparator())
                    Q_EMIT buttonClicked(action->objectName());
            });
        }
        action->setObjectName(key);
        m_design.append(action);
    }
    setUpDropDowns();

    m_customize->setObjectName(QStringLiteral("customizeToolbar"));
    connect(m_customize, &QAction::triggered, this, &BrowseToolbar::customize);
}

QStringList BrowseToolbar::keys() {
    QStringList result;
    for (const Design& d : kDesign)
        result.append(QLatin1String(d.key));
    return result;
}

QAction* BrowseToolbar::button(const QString& key) const {
    for (QAction* action : m_design) {
        if (action->objectName() == key)
            return action;
    }
    return nullptr;
}

QAction* BrowseToolbar::button(int index1Based) const {
    if (index1Based < 1 || index1Based > m_design.size())
        return nullptr;
    return m_design[index1Based - 1];
}

void BrowseToolbar::setDocumentButtonsEnabled(bool enabled) {
    for (int i = 2; i <= 5; ++i)
        button(i)->setEnabled(enabled);
}

QList<ToolbarLayout::Entry> BrowseToolbar::currentLayout() const {
    QList<ToolbarLayout::Entry> entries;
    for (QAction* action : actions()) {
        if (m_design.contains(action))
            entries.append({action->objectName(), action->isVisible()});
    }
    return entries;
}

QList<ToolbarLayout::Entry> BrowseToolbar::designLayout() {
    QList<ToolbarLayout::Entry> entries;
    for (const QString& key : keys())
        entries.append({key, true});
    return entries;
}

bool BrowseToolbar::applyLayout(const QList<ToolbarLayout::Entry>& entries) {
    // Only a complete list is trusted: the text form checks exactly that.
    if (!ToolbarLayout::fromText(ToolbarLayout::toText(entries), keys()))
        return false;
    if (entries == currentLayout())
        return true;
    for (QAction* action : m_design)
        removeAction(action);
    for (const ToolbarLayout::Entry& entry : entries) {
        QAction* action = button(entry.key);
        action->setVisible(entry.visible);
        addAction(action);
    }
    // The toolbar made new buttons for the actions.
    setUpDropDowns();
    return true;
}

void BrowseToolbar::restoreLayout() {
    const bool hidden = isHidden();
    setVisible(true);
    const QString text = readSetting(QLatin1String(kAppName), kSection, kLayoutKey, QString());
    if (const auto entries = ToolbarLayout::fromText(text, keys()))
        applyLayout(*entries);
    setHidden(hidden);
}

void BrowseToolbar::saveLayout() const {
    writeSetting(QLatin1String(kAppName), kSection, kLayoutKey,
                 ToolbarLayout::toText(currentLayout()));
}

void BrowseToolbar::customize() {
    QList<ToolbarCustomizeDialog::Item> items;
    for (QAction* action : m_design) {
        const bool separator = action->isSeparator();
        items.append({action->objectName(),
                      separator ? ToolbarCustomizeDialog::tr("Separator") : action->text(),
                      separator ? QIcon() : action->icon()});
    }
    ToolbarCustomizeDialog dialog(items, currentLayout(), designLayout(), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (applyLayout(dialog.entries()))
        saveLayout();
}

void BrowseToolbar::setUpDropDowns() {
    for (QAction* action : m_design) {
        if (!isDropDown(action->objectName()))
            continue;
        auto* tool = qobject_cast<QToolButton*>(widgetForAction(action));
        if (!tool || m_dropDownButtons.contains(tool))
            continue;
        tool->setPopupMode(QToolButton::MenuButtonPopup);
        m_dropDownButtons.insert(tool);
        tool->installEventFilter(this);
    }
}

QToolButton* BrowseToolbar::dropDownButton(QObject* object) const {
    auto* tool = qobject_cast<QToolButton*>(object);
    return m_dropDownButtons.contains(tool) ? tool : nullptr;
}

// A press on the arrow part of a drop-down button asks for its menu; the rest of the button
// clicks as usual.
bool BrowseToolbar::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick) {
        QToolButton* tool = dropDownButton(watched);
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (tool && mouse->button() == Qt::LeftButton && tool->isEnabled()) {
            QStyleOptionToolButton option;
            option.initFrom(tool);
            option.subControls = QStyle::SC_ToolButton | QStyle::SC_ToolButtonMenu;
            option.features = QStyleOptionToolButton::MenuButtonPopup;
            const QRect arrow = tool->style()->subControlRect(QStyle::CC_ToolButton, &option,
                                                              QStyle::SC_ToolButtonMenu, tool);
            if (arrow.contains(mouse->position().toPoint())) {
                QAction* action = tool->defaultAction();
                if (action)
                    Q_EMIT dropDownRequested(action->objectName(),
                                             tool->mapToGlobal(QPoint(0, tool->height())));
                // The menu takes the mouse: the button never learns that it left.
                if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget()))
                    connect(
                        menu, &QMenu::aboutToHide, tool, [tool] { forgetHover(tool); },
                        Qt::SingleShotConnection);
                return true;
            }
        }
    }
    return QToolBar::eventFilter(watched, event);
}

void BrowseToolbar::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        Q_EMIT contextMenuRequested(event->globalPosition().toPoint());
        event->accept();
        return;
    }
    QToolBar::mouseReleaseEvent(event);
}

void BrowseToolbar::mouseDoubleClickEvent(QMouseEvent* event) {
    // Buttons take their own double clicks; this one fell on the free area.
    if (event->button() == Qt::LeftButton) {
        event->accept();
        customize();
        return;
    }
    QToolBar::mouseDoubleClickEvent(event);
}

} // namespace kelvane
