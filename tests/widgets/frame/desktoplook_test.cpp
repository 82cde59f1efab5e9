// The windows on the desktops people have: texts readable under a light and a dark palette,
// nothing clipped, pictures at the screen's resolution, every window on the screen (names and
// mnemonics: keyboard_test). CTest runs this on a 1600x1000 screen at scales 1, 1.25, 1.5 and 2,
// and at 2 in each translation; KELVANE_LOOK_SHOTS=FOLDER keeps the pictures checked.
#include "base/language.h"
#include "downloads/downloadswindow.h"
#include "draw/contrast.h"
#include "fakes/testwindow.h"
#include "frame/featurewindows.h"
#include "frame/statusbar.h"
#include "history/historywindow.h"
#include "support/modalanswers.h"

#include <QScreen>
#include <QStyleFactory>

using namespace kelvane;

namespace {

QString nameOf(const QObject* object) {
    return QString::fromLatin1(object->metaObject()->className()) + u' ' + object->objectName();
}

QString shownText(const QWidget* widget) {
    if (const auto* label = qobject_cast<const QLabel*>(widget))
        return label->pixmap().isNull() ? label->text() : QString();
    const auto* button = qobject_cast<const QAbstractButton*>(widget);
    return button ? button->text() : QString();
}

// The best contrast a picture reaches against its most common colour: its text's.
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

QStringList problemsOf(QWidget* window, const QString& shotName) {
    QStringList problems;
    const qreal ratio = window->devicePixelRatioF();
    // At a fractional scale a frame's logical edges are rounded, by up to a pixel outwards.
    const int rounding = ratio == std::round(ratio) ? 0 : 1;
    const QRect area = window->screen()->availableGeometry();
    if (!area.adjusted(-rounding, -rounding, rounding, rounding).contains(window->frameGeometry()))
        problems << nameOf(window) + u" off the screen";
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(window) || widget->window() != window)
            continue;
        const QString text = shownText(widget);
        const auto* label = qobject_cast<const QLabel*>(widget);
        // Disabled controls are meant to recede: no contrast is asked of them.
        if (!text.isEmpty() && widget->isEnabled() && bestContrast(widget->grab().toImage()) < 4.5)
            problems << nameOf(widget) + u" hard to read: " + text;
        if (!text.isEmpty() && !(label && label->wordWrap()) &&
            widget->width() < widget->minimumSizeHint().width())
            problems << nameOf(widget) + u" clipped: " + text;
        if (label && !label->pixmap().isNull() && label->pixmap().devicePixelRatio() < ratio)
            problems << nameOf(widget) + u" picture below the screen's resolution";
        const auto* button = qobject_cast<const QAbstractButton*>(widget);
        const QSize icon = button ? button->iconSize() * ratio : QSize();
        if (button && !button->icon().isNull() &&
            button->icon().actualSize(icon).width() < icon.width())
            problems << nameOf(widget) + u" icon below the screen's resolution";
    }
    if (const QString folder = qEnvironmentVariable("KELVANE_LOOK_SHOTS"); !folder.isEmpty())
        window->grab().save(folder + u'/' + shotName + u'-' + QString::number(ratio) + u".png");
    return problems;
}

QPalette darkPalette() {
    // Window text, button, light, dark, mid, text, bright text, base, window.
    QPalette dark(QColor(250, 250, 250), QColor(53, 53, 53), QColor(80, 80, 80), QColor(30, 30, 30),
                  QColor(44, 44, 44), QColor(250, 250, 250), Qt::white, QColor(35, 35, 35),
                  QColor(53, 53, 53));
    for (const auto role : {QPalette::Text, QPalette::WindowText, QPalette::ButtonText})
        dark.setColor(QPalette::Disabled, role, QColor(140, 140, 140));
    dark.setColor(QPalette::Highlight, QColor(38, 90, 150));
    dark.setColor(QPalette::HighlightedText, Qt::white);
    dark.setColor(QPalette::PlaceholderText, QColor(160, 160, 160));
    return dark;
}

TEST(DesktopLook, EveryWindowReadsUnderLightAndDarkPalettes) {
    test::IsolatedHome home;
    qputenv("LANGUAGE", qgetenv("KELVANE_TEST_LANGUAGE") + ":en"); // as CTest names it
    installTranslations();
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    for (const bool dark : {false, true}) {
        QApplication::setPalette(dark ? darkPalette() : QApplication::style()->standardPalette());
        const QString look = dark ? QStringLiteral("-dark") : QStringLiteral("-light");
        test::TestWindow run;
        run.window.statusBarPanels()->setProgressPercent(30);
        QStringList problems = problemsOf(&run.window, u"main" + look);
        problems += problemsOf(run.window.navigator(), u"navigator" + look);
        run.window.featureWindows().showDownloads();
        run.window.featureWindows().showHistory();
        for (QWidget* top : QApplication::topLevelWidgets())
            if ((qobject_cast<DownloadsWindow*>(top) || qobject_cast<HistoryWindow*>(top)) &&
                top->isVisible())
                problems += problemsOf(top, top->windowTitle().toLower() + look);
        for (const auto& [name, open] :
             std::initializer_list<std::pair<QString, void (FeatureWindows::*)()>>{
                 {QStringLiteral("options"), &FeatureWindows::showOptions},
                 {QStringLiteral("favorites"), &FeatureWindows::showFavorites},
                 {QStringLiteral("addfavorite"), &FeatureWindows::addToFavorites}}) {
            test::ModalAnswers answers(
                {[&](QWidget* dialog) { problems += problemsOf(dialog, name + look); }});
            (run.window.featureWindows().*open)();
        }
        EXPECT_TRUE(problems.isEmpty()) << look.toStdString() << ":\n"
                                        << problems.join(u'\n').toStdString();
    }
}

} // namespace
