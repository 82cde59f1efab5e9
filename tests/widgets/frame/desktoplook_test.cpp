// The windows on the desktops people have: every control named for screen readers, texts
// readable under a light and a dark palette, nothing clipped, pictures at the screen's
// resolution, every window on the screen. CTest runs this on a 1600x1000 screen at scale 1
// and at scale 2; with KELVANE_LOOK_SHOTS set to a folder, the pictures checked are kept there.
#include "downloads/downloadswindow.h"
#include "draw/contrast.h"
#include "fakes/testwindow.h"
#include "frame/featurewindows.h"
#include "frame/statusbar.h"
#include "support/modalanswers.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QLabel>
#include <QScreen>
#include <QStyleFactory>

using namespace kelvane;
using test::TestWindow;

namespace {

QString nameOf(const QWidget* widget) {
    return QString::fromLatin1(widget->metaObject()->className()) + u' ' + widget->objectName();
}

// Controls a screen reader must be able to name.
bool isControl(QAccessible::Role role) {
    using A = QAccessible;
    static const QList<A::Role> controls = {
        A::PushButton, A::CheckBox,   A::RadioButton,    A::ComboBox, A::EditableText,
        A::SpinBox,    A::Slider,     A::ProgressBar,    A::List,     A::Tree,
        A::Table,      A::ButtonMenu, A::ButtonDropDown, A::PageTab,  A::Link};
    return controls.contains(role);
}

void findUnnamed(QAccessibleInterface* node, const QString& path, QStringList& unnamed) {
    if (!node || !node->isValid() || node->state().invisible)
        return;
    const QString here = path + u'/' + QString::number(int(node->role()), 16);
    if (isControl(node->role()) && node->text(QAccessible::Name).trimmed().isEmpty()) {
        const QObject* object = node->object();
        unnamed << here + u' ' +
                       (object ? QString::fromLatin1(object->metaObject()->className()) + u' ' +
                                     object->objectName()
                               : QString());
    }
    for (int i = 0; i < node->childCount(); ++i)
        findUnnamed(node->child(i), here, unnamed);
}

// The best contrast a widget's picture reaches against its most common colour: its text, or
// its frame where it has none.
double bestContrast(const QImage& image) {
    QHash<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ++counts[image.pixel(x, y) | 0xff000000];
    const QRgb background = std::max_element(counts.cbegin(), counts.cend()).key();
    double best = 1;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        best = std::max(best, contrastRatio(it.key(), background));
    return best;
}

QString shownText(const QWidget* widget) {
    if (const auto* label = qobject_cast<const QLabel*>(widget))
        return label->pixmap().isNull() ? label->text() : QString();
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
        return button->text();
    return {};
}

// What keeps one window from reading and working well.
QStringList problemsOf(QWidget* window, const QString& shotName) {
    QStringList problems;
    findUnnamed(QAccessible::queryAccessibleInterface(window), nameOf(window), problems);
    const QRect screen = window->screen()->availableGeometry();
    if (!screen.contains(window->frameGeometry()))
        problems << nameOf(window) + u" off the screen";
    const qreal ratio = window->devicePixelRatioF();
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        // Disabled controls are meant to recede; the guidelines ask no contrast of them.
        if (!widget->isVisibleTo(window) || widget->window() != window || !widget->isEnabled())
            continue;
        const QString text = shownText(widget);
        if (!text.isEmpty() && bestContrast(widget->grab().toImage()) < 4.5)
            problems << nameOf(widget) + u" hard to read: " + text;
        const auto* label = qobject_cast<const QLabel*>(widget);
        if (!text.isEmpty() && !(label && label->wordWrap()) &&
            widget->width() < widget->minimumSizeHint().width())
            problems << nameOf(widget) + u" clipped: " + text;
        if (label && !label->pixmap().isNull() && label->pixmap().devicePixelRatio() < ratio)
            problems << nameOf(widget) + u" picture below the screen's resolution";
        if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
            const QSize wanted = button->iconSize() * ratio;
            if (!button->icon().isNull() &&
                button->icon().actualSize(wanted).width() < wanted.width())
                problems << nameOf(widget) + u" icon below the screen's resolution";
        }
    }
    if (const QString folder = qEnvironmentVariable("KELVANE_LOOK_SHOTS"); !folder.isEmpty())
        window->grab().save(folder + u'/' + shotName + u'-' + QString::number(ratio) + u".png");
    return problems;
}

QPalette darkPalette() {
    QPalette dark;
    const QColor window(53, 53, 53), base(35, 35, 35), text(250, 250, 250);
    for (const auto role :
         {QPalette::Window, QPalette::Button, QPalette::AlternateBase, QPalette::ToolTipBase})
        dark.setColor(role, window);
    dark.setColor(QPalette::Base, base);
    dark.setColor(QPalette::Light, QColor(80, 80, 80));
    dark.setColor(QPalette::Midlight, QColor(66, 66, 66));
    dark.setColor(QPalette::Mid, QColor(44, 44, 44));
    dark.setColor(QPalette::Dark, QColor(30, 30, 30));
    dark.setColor(QPalette::Shadow, QColor(15, 15, 15));
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText,
                            QPalette::ToolTipText, QPalette::BrightText})
        dark.setColor(role, text);
    dark.setColor(QPalette::Disabled, QPalette::Text, QColor(140, 140, 140));
    dark.setColor(QPalette::Disabled, QPalette::WindowText, QColor(140, 140, 140));
    dark.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(140, 140, 140));
    dark.setColor(QPalette::Highlight, QColor(38, 90, 150));
    dark.setColor(QPalette::HighlightedText, Qt::white);
    dark.setColor(QPalette::PlaceholderText, QColor(160, 160, 160));
    return dark;
}

TEST(DesktopLook, EveryWindowReadsAndIsNamedUnderLightAndDarkPalettes) {
    test::IsolatedHome home;
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    for (const bool dark : {false, true}) {
        QApplication::setPalette(dark ? darkPalette() : QApplication::style()->standardPalette());
        const QString look = dark ? QStringLiteral("dark") : QStringLiteral("light");
        TestWindow run;
        run.window.statusBarPanels()->setProgressPercent(30);
        QStringList problems = problemsOf(&run.window, u"main-" + look);
        problems += problemsOf(run.window.navigator(), u"navigator-" + look);
        run.window.featureWindows().showDownloads();
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (auto* downloads = qobject_cast<DownloadsWindow*>(top);
                downloads && top->isVisible())
                problems += problemsOf(downloads, u"downloads-" + look);
        }
        const auto inspect = [&](const QString& name) {
            return
                [&, name](QWidget* dialog) { problems += problemsOf(dialog, name + u'-' + look); };
        };
        {
            test::ModalAnswers answers({inspect(QStringLiteral("options"))});
            run.window.featureWindows().showOptions();
        }
        {
            test::ModalAnswers answers({inspect(QStringLiteral("addfavorite"))});
            run.window.featureWindows().addToFavorites();
        }
        EXPECT_TRUE(problems.isEmpty()) << look.toStdString() << ":\n"
                                        << problems.join(u'\n').toStdString();
    }
}

} // namespace
