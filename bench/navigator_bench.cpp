// The Navigator's filter box over 500 documents: how long one key press holds up the window,
// from the key reaching the box until the filtered, highlighted list has been drawn, for a
// phrase typed letter by letter and taken back again. The goal is one frame (16.7 ms at 60 Hz).
#include "documents/documentset.h"
#include "navigator/navigatorpalette.h"
#include "navigator/navigatorwindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTreeView>

#include <algorithm>
#include <cstdio>

using namespace kelvane;

namespace {

constexpr int kDocuments = 500;
constexpr int kRounds = 5;
constexpr double kFrameMs = 1000.0 / 60;

// Titles and addresses like a day's reading: a few sites, many articles.
void fill(DocumentSet& set, QList<QObject*>& documents) {
    const char* sites[] = {"news.example.com", "docs.qt.io", "en.wikipedia.org", "github.com",
                           "weather.example.org"};
    const char* words[] = {"Archive", "Release notes", "Weather", "Model",    "Widget", "History",
                           "Report",  "Café",          "Kelvane", "Forecast", "Manual", "Review"};
    for (int i = 0; i < kDocuments; ++i) {
        documents.append(new QObject);
        const QString title =
            QStringLiteral("%1 %2: %3 number %4")
                .arg(QLatin1String(words[i % 12]), QLatin1String(words[i * 7 % 12]),
                     QLatin1String(words[i * 5 % 12]))
                .arg(i);
        const int row = set.append(documents.last(), title, title);
        set.setAddress(
            row,
            QStringLiteral("https://%1/articles/%2.html").arg(QLatin1String(sites[i % 5])).arg(i));
    }
}

struct KeyTime {
    double filtered; // the key handled: the rows shown or hidden
    double drawn;    // and the list laid out and drawn
};

// One key into the box, then the list drawn.
KeyTime press(QLineEdit* box, QTreeView* list, int key, const QString& text) {
    QElapsedTimer timer;
    timer.start();
    QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(box, &down);
    QKeyEvent up(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(box, &up);
    const double filtered = timer.nsecsElapsed() / 1e6;
    list->viewport()->repaint();
    QCoreApplication::processEvents();
    return {filtered, timer.nsecsElapsed() / 1e6};
}

void report(const char* what, QList<double> times) {
    std::sort(times.begin(), times.end());
    const double median = times.at(times.size() / 2);
    std::printf("  %s: median %.2f ms (%.0f%% of a frame), 90%% %.2f ms, max %.2f ms\n", what,
                median, 100 * median / kFrameMs, times.at(times.size() * 9 / 10), times.last());
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", home.path().toUtf8());
    qputenv("XDG_DATA_HOME", home.path().toUtf8());
    QApplication app(argc, argv);

    DocumentSet set;
    QList<QObject*> documents;
    fill(set, documents);
    NavigatorWindow navigator(set, nullptr);
    navigator.resize(400, 800);
    navigator.show();
    navigator.palette()->open();
    QLineEdit* box = navigator.palette()->box();
    QTreeView* list = navigator.list();
    QCoreApplication::processEvents();

    const QString phrase = QStringLiteral("news arch 4");
    QList<double> filtered, drawn;
    const auto record = [&](KeyTime t) { filtered << t.filtered, drawn << t.drawn; };
    for (int round = 0; round < kRounds; ++round) {
        for (const QChar c : phrase)
            record(press(box, list, c == u' ' ? Qt::Key_Space : Qt::Key_A, QString(c)));
        for (qsizetype i = 0; i < phrase.size(); ++i)
            record(press(box, list, Qt::Key_Backspace, QString()));
    }
    std::printf("%d documents, %lld key presses (\"%s\" typed and taken back, %d rounds); one "
                "frame is %.1f ms\n",
                kDocuments, qlonglong(drawn.size()), qPrintable(phrase), kRounds, kFrameMs);
    report("re-filtered", filtered);
    report("re-filtered and drawn", drawn);
    qDeleteAll(documents);
    return 0;
}
