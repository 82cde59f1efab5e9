#include "base/pagecolours.h"

#include "base/settingscatalogue.h"

#include <QGuiApplication>
#include <QPalette>

namespace kelvane {

namespace {

bool darkInForce = false;

bool isDark(PageColours colours, bool desktopIsDark) {
    return colours == PageColours::Dark || (colours == PageColours::Desktop && desktopIsDark);
}

} // namespace

PageColours pageColoursFromText(const QString& text) {
    if (text.compare(u"Light", Qt::CaseInsensitive) == 0)
        return PageColours::Light;
    if (text.compare(u"Dark", Qt::CaseInsensitive) == 0)
        return PageColours::Dark;
    return PageColours::Desktop;
}

QString pageColoursText(PageColours colours) {
    switch (colours) {
    case PageColours::Light:
        return QStringLiteral("Light");
    case PageColours::Dark:
        return QStringLiteral("Dark");
    case PageColours::Desktop:
        break;
    }
    return QStringLiteral("Desktop");
}

bool isDarkPalette(const QPalette& palette) {
    return palette.color(QPalette::Window).lightness() <
           palette.color(QPalette::WindowText).lightness();
}

QByteArray pageColoursFlag(PageColours colours, bool desktopIsDark) {
    // Blink's preferred scheme: 0 dark, 1 light.
    return isDark(colours, desktopIsDark)
               ? QByteArrayLiteral("--blink-settings=preferredColorScheme=0")
               : QByteArrayLiteral("--blink-settings=preferredColorScheme=1");
}

void setPageColoursInForce(bool dark) {
    darkInForce = dark;
}

bool pageColoursWaitForStart(PageColours chosen, bool desktopIsDark) {
    return isDark(chosen, desktopIsDark) != darkInForce;
}

void choosePageColours() {
    const PageColours colours =
        pageColoursFromText(Settings::readText(QStringLiteral("PageColours")));
    const bool desktopIsDark = isDarkPalette(QGuiApplication::palette());
    setPageColoursInForce(isDark(colours, desktopIsDark));
    QByteArray flags = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS");
    if (flags.contains("preferredColorScheme"))
        return;
    flags += ' ' + pageColoursFlag(colours, desktopIsDark);
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", flags.trimmed());
}

} // namespace kelvane
