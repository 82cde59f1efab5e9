// Every window works from the keyboard: no two controls (or items of one menu) answer the same
// Alt key, and Tab reaches every control.
#include "downloads/downloadswindow.h"
#include "fakes/testwindow.h"
#include "frame/featurewindows.h"
#include "support/modalanswers.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
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

void addClashes(const QList<std::pair<QString, QString>>& texts, QStringList& problems) {
    QHash<QChar, QString> taken;
    for (const auto& [where, text] : texts) {
        const QChar key = mnemonicOf(text);
        if (!key.isNull() && taken.contains(key) &&
            !kTableClashes.contains(text + u'|' + taken.value(key)))
            problems << where + u": " + text + u" and " + taken.value(key);
        taken.insert(key, text);
    }
}

// The clashes among what shows now, then in each page of each tab widget in turn.
void addWindowProblems(QWidget* window, QStringList& problems) {
    QList<std::pair<QString, QString>> texts;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(window) || w->window() != window)
            continue;
        const auto* label = qobject_cast<QLabel*>(w);
        const auto* box = qobject_cast<QGroupBox*>(w);
        if (const auto* button = qobject_cast<QAbstractButton*>(w))
            texts.append({window->windowTitle(), button->text()});
        else if (label && label->buddy())
            texts.append({window->windowTitle(), label->text()});
        else if (box && box->isCheckable())
            texts.append({window->windowTitle(), box->title()});
        if (const auto* bar = qobject_cast<QMenuBar*>(w)) {
            QList<std::pair<QString, QString>> items;
            for (QAction* a : bar->actions())
                items.append({QStringLiteral("menu bar"), a->text()});
            addClashes(items, problems);
        }
    }
    addClashes(texts, problems);
    for (QMenu* menu : window->findChildren<QMenu*>()) {
        QList<std::pair<QString, QString>> items;
        for (QAction* a : menu->actions())
            if (a->isVisible() && !a->isSeparator())
                items.append({menu->title(), a->text()});
        addClashes(items, problems);
    }
    // A control that Tab skips is out of a keyboard's reach (a toolbar's have menu items).
    for (QWidget* w : window->findChildren<QWidget*>()) {
        const bool control =
            qobject_cast<QAbstractButton*>(w) || qobject_cast<QLineEdit*>(w) ||
            qobject_cast<QComboBox*>(w) ||
            (qobject_cast<QAbstractItemView*>(w) && !qobject_cast<QHeaderView*>(w));
        if (control && w->isVisibleTo(window) && !(w->focusPolicy() & Qt::TabFocus) &&
            !qobject_cast<QToolBar*>(w->parentWidget()) && w->focusProxy() == nullptr)
            problems << window->windowTitle() + u": Tab misses " + w->metaObject()->className() +
                            u' ' + w->objectName();
    }
}

QStringList problemsOf(QWidget* window) {
    QStringList problems;
    addWindowProblems(window, problems);
    for (QTabWidget* tabs : window->findChildren<QTabWidget*>()) {
        for (int page = 0; page < tabs->count(); ++page) {
            tabs->setCurrentIndex(page);
            addWindowProblems(window, problems);
        }
    }
    problems.removeDuplicates();
    return problems;
}

TEST(Keyboard, EveryWindowHasDistinctMnemonicsAndTabReachesEveryControl) {
    test::IsolatedHome home;
    test::TestWindow run;
    QStringList problems = problemsOf(&run.window) + problemsOf(run.window.navigator());
    run.window.featureWindows().showDownloads();
    for (QWidget* top : QApplication::topLevelWidgets())
        if (qobject_cast<DownloadsWindow*>(top) && top->isVisible())
            problems += problemsOf(top);
    const auto inspect = [&](QWidget* dialog) { problems += problemsOf(dialog); };
    {
        test::ModalAnswers answers({inspect});
        run.window.featureWindows().showOptions();
    }
    {
        test::ModalAnswers answers({inspect});
        run.window.featureWindows().addToFavorites();
    }
    EXPECT_TRUE(problems.isEmpty()) << problems.join(u'\n').toStdString();
}

} // namespace
