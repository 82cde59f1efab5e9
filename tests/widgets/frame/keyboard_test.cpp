// Every window works from the keyboard and a screen reader: no two controls (or items of one
// menu) answer the same Alt key, Tab reaches every control, and each has an accessible name.
// CTest runs it in English and in each language the program is translated into.
#include "bars/browsetoolbar.h"
#include "base/language.h"
#include "dialogs/aboutbox.h"
#include "dialogs/restoredocumentsdialog.h"
#include "fakes/testwindow.h"
#include "favorites/organizefavoritesdialog.h"
#include "frame/featurewindows.h"
#include "frame/statusbar.h"
#include "support/modalanswers.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QGroupBox>
#include <QHeaderView>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTabBar>
#include <QTabWidget>
#include <QToolBar>

using namespace kelvane;

namespace {

// Which Alt key a text answers; none without a single '&'.
QChar mnemonicOf(QString text) {
    const int at = text.replace(QLatin1String("&&"), QLatin1String("  ")).indexOf(u'&');
    return at >= 0 && at + 1 < text.size() ? text.at(at + 1).toLower() : QChar();
}

// Clashes of the string table's own texts, kept as it words them: the key cycles between the
// two, pressing neither.
const QStringList kTableClashes = {u"Status &Bar|&Browse Toolbar"_qs, u"&Downloads|A&ddress Bar"_qs,
                                   u"&New Folder...|&Name:"_qs};

void addClashes(const QString& where, const QStringList& texts, QStringList& problems) {
    QHash<QChar, QString> taken;
    for (const QString& text : texts) {
        const QChar key = mnemonicOf(text);
        if (!key.isNull() && taken.contains(key) &&
            !kTableClashes.contains(text + u'|' + taken.value(key)))
            problems << where + u": " + text + u" and " + taken.value(key);
        taken.insert(key, text);
    }
}

// Controls a screen reader finds without a name, tabs and progress bars included.
void addUnnamed(QAccessibleInterface* node, QStringList& problems) {
    using A = QAccessible;
    static const QList<A::Role> controls = {
        A::PushButton, A::CheckBox, A::RadioButton, A::ComboBox,      A::EditableText,
        A::SpinBox,    A::Slider,   A::ProgressBar, A::List,          A::Tree,
        A::Table,      A::PageTab,  A::ButtonMenu,  A::ButtonDropDown};
    if (!node || !node->isValid() || node->state().invisible)
        return;
    const QObject* o = node->object();
    if (controls.contains(node->role()) && node->text(A::Name).trimmed().isEmpty())
        problems << QStringLiteral("unnamed %1 %2")
                        .arg(o ? o->metaObject()->className() : "",
                             o ? o->objectName() : QString());
    for (int i = 0; i < node->childCount(); ++i)
        addUnnamed(node->child(i), problems);
}

// Clashes among the controls that show now and within each menu; controls Tab skips.
void addWindowProblems(QWidget* window, QStringList& problems) {
    QStringList texts;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        // A document's window menu is Qt's own, in Qt's translation, clashes and all.
        if (qobject_cast<QMenu*>(w) && qobject_cast<QMdiSubWindow*>(w->parent()))
            continue;
        if (const auto* menu = qobject_cast<QMenu*>(w); menu || qobject_cast<QMenuBar*>(w)) {
            QStringList items;
            for (const QAction* a : w->actions())
                if (a->isVisible())
                    items << a->text();
            addClashes(menu ? menu->title() : QStringLiteral("menu bar"), items, problems);
        }
        if (!w->isVisibleTo(window) || w->window() != window)
            continue;
        const auto* label = qobject_cast<QLabel*>(w);
        const auto* box = qobject_cast<QGroupBox*>(w);
        if (const auto* button = qobject_cast<QAbstractButton*>(w))
            texts << button->text();
        else if (label && label->buddy())
            texts << label->text();
        else if (box && box->isCheckable())
            texts << box->title();
        if (const auto* tabs = qobject_cast<QTabBar*>(w))
            for (int i = 0; i < tabs->count(); ++i)
                texts << tabs->tabText(i);
        // Out of a keyboard's reach, unless it sits in a toolbar (whose commands the menus have).
        const bool control =
            qobject_cast<QAbstractButton*>(w) || qobject_cast<QLineEdit*>(w) ||
            qobject_cast<QComboBox*>(w) ||
            (qobject_cast<QAbstractItemView*>(w) && !qobject_cast<QHeaderView*>(w));
        const QString where =
            window->windowTitle() + u": " + w->metaObject()->className() + u' ' + w->objectName();
        if (control && !(w->focusPolicy() & Qt::TabFocus) && !w->focusProxy() &&
            !qobject_cast<QToolBar*>(w->parentWidget()))
            problems << where + u" out of Tab's reach";
    }
    addClashes(window->windowTitle(), texts, problems);
    addUnnamed(QAccessible::queryAccessibleInterface(window), problems);
}

QStringList problemsOf(QWidget* window) {
    QStringList problems;
    addWindowProblems(window, problems);
    for (QTabWidget* tabs : window->findChildren<QTabWidget*>())
        for (int page = 0; page < tabs->count(); ++page) {
            tabs->setCurrentIndex(page);
            addWindowProblems(window, problems);
        }
    problems.removeDuplicates();
    return problems;
}

TEST(Keyboard, EveryWindowHasDistinctMnemonicsAndTabReachesEveryControl) {
    test::IsolatedHome home;
    qputenv("LANGUAGE", qgetenv("KELVANE_TEST_LANGUAGE") + ":en"); // as CTest names it
    installTranslations();
    test::TestWindow run;
    run.window.statusBarPanels()->setProgressPercent(30);
    QStringList problems = problemsOf(&run.window) + problemsOf(run.window.navigator());
    run.window.featureWindows().showDownloads();
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->isVisible() && top != &run.window && top != run.window.navigator())
            problems += problemsOf(top);
    const auto inspect = [&](QWidget* dialog) { problems += problemsOf(dialog); };
    FeatureWindows& windows = run.window.featureWindows();
    const std::function<void()> dialogs[] = {
        [&] { windows.showOptions(); },
        [&] { windows.addToFavorites(); },
        [&] { windows.showFavorites(); },
        [&] { organizeFavorites(&run.window); },
        [&] { AboutBox(&run.window).exec(); },
        [&] { RestoreDocumentsDialog({"http://one/"}, &run.window).exec(); },
        [&] { run.window.bars().browseToolbar()->customize(); },
    };
    for (const auto& open : dialogs) {
        test::ModalAnswers answers({inspect});
        open();
    }
    EXPECT_TRUE(problems.isEmpty()) << problems.join(u'\n').toStdString();
}

} // namespace
