// The browsing history with 100 000 visits: the address bar's suggestions per key press, the
// History window's first show and recording a visit on the window's thread, each against a
// floor run alternately in the same process: the same SQL query or write on a bare connection.
#include "benchsupport.h"

#include "bars/addresspanel.h"
#include "bars/suggestionlist.h"
#include "base/browsinghistory.h"
#include "history/historymodel.h"
#include "history/historywindow.h"

#include <QApplication>
#include <QComboBox>
#include <QDateTime>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeView>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace kelvane;

namespace {

constexpr int kVisits = 100'000;
constexpr int kPages = 25'000;
constexpr double kFrameMs = 1000.0 / 60;

void report(const char* what, const QList<double>& ours, const QList<double>& floor,
            const char* unit, double scale) {
    using bench::median, bench::quantile;
    QList<double> ratios;
    for (qsizetype i = 0; i < ours.size() && i < floor.size(); ++i)
        ratios.push_back(ours[i] / std::max(floor[i], 1e-9));
    std::printf("  %s: median %.3f %s, 90%% %.3f %s (floor: median %.3f %s); ratio %.2f "
                "(25-75%%: %.2f-%.2f)\n",
                what, median(ours) * scale, unit, quantile(ours, 0.9) * scale, unit,
                median(floor) * scale, unit, median(ratios), quantile(ratios, 0.25),
                quantile(ratios, 0.75));
}

// Titles and addresses of a year's reading: a few dozen sites, many pages, some visited often.
void fill(BrowsingHistory& history, qint64 now) {
    const char* sites[] = {"news.example.com", "docs.qt.io",      "en.wikipedia.org",
                           "github.com",       "weather.example", "mail.example.net",
                           "shop.example.org", "forum.example"};
    const char* words[] = {"Archive", "Release notes", "Weather", "Model",    "Widget", "History",
                           "Report",  "Café",          "Kelvane", "Forecast", "Manual", "Review"};
    for (int i = 0; i < kVisits; ++i) {
        const int page = (i * 7919) % kPages;
        const QString url =
            QStringLiteral("https://%1/%2/page-%3.html")
                .arg(QLatin1String(sites[page % 8]), QString::fromUtf8(words[page % 12]).toLower())
                .arg(page);
        const QString title =
            QStringLiteral("%1 %2 number %3")
                .arg(QLatin1String(words[page % 12]), QLatin1String(words[page * 7 % 12]))
                .arg(page);
        history.recordVisit(url, title, now - qint64(kVisits - i) * 300'000);
    }
    history.flush();
}

// Every title and address, read bare and lower-cased once.
QStringList barePages(QSqlDatabase& db) {
    QStringList pages;
    QSqlQuery query(db);
    query.setForwardOnly(true);
    query.exec(QStringLiteral("SELECT url, title FROM pages"));
    while (query.next())
        pages.append(query.value(1).toString().toLower() + QLatin1Char('\n') +
                     query.value(0).toString().toLower());
    return pages;
}

// The least a key press must do: look for the lower-cased words in every title and address.
volatile int sink = 0;

int bareMatches(const QStringList& pages, const QStringList& words) {
    QStringList lower;
    for (const QString& word : words)
        lower.append(word.toLower());
    int count = 0;
    for (const QString& page : pages) {
        count += std::all_of(lower.cbegin(), lower.cend(),
                             [&](const QString& word) { return page.contains(word); });
    }
    return count;
}

} // namespace

int main(int argc, char** argv) {
    QTemporaryDir home;
    bench::isolateThisProcess(home);
    QApplication app(argc, argv);
    const qint64 now = QDateTime::currentMSecsSinceEpoch();

    BrowsingHistory history(BrowsingHistory::defaultPath());
    fill(history, now);
    QSqlDatabase bare =
        QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("bare"));
    bare.setDatabaseName(history.path());
    bare.open();
    QSqlQuery(bare).exec(QStringLiteral("PRAGMA synchronous=NORMAL"));
    std::printf("%d visits of %d addresses; one frame is %.1f ms\n", kVisits, kPages, kFrameMs);

    // Suggestions: a key into the address box until the list is shown, against looking for the
    // same words in a bare list of the addresses and titles.
    AddressPanel panel;
    panel.setSuggestionSources(&history, {});
    for (int i = 0; i < 50; ++i)
        panel.addTyped(QStringLiteral("https://typed.example/%1").arg(i));
    panel.resize(800, 30);
    panel.show();
    panel.addressBox()->setFocus();
    QCoreApplication::processEvents();
    {
        // The first key press reads every address into memory.
        QElapsedTimer timer;
        timer.start();
        QKeyEvent key(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
        QCoreApplication::sendEvent(panel.addressBox(), &key);
        panel.suggestionList()->repaint();
        std::printf("first key press: %.1f ms\n", timer.nsecsElapsed() / 1e6);
    }
    const QStringList pages = barePages(bare);
    QList<double> ours, floor;
    for (const QString& phrase : {QStringLiteral("news arch 4"), QStringLiteral("wiki"),
                                  QStringLiteral("qt widget man"), QStringLiteral("zzz nothing")}) {
        for (int round = 0; round < 3; ++round) {
            panel.addressBox()->lineEdit()->clear();
            for (qsizetype n = 1; n <= phrase.size(); ++n) {
                const QString text = phrase.left(n);
                const QStringList words = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
                QElapsedTimer timer;
                timer.start();
                if (!words.isEmpty())
                    sink = sink + bareMatches(pages, words);
                floor.push_back(timer.nsecsElapsed() / 1e6);
                timer.restart();
                QKeyEvent key(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, phrase.mid(n - 1, 1));
                QCoreApplication::sendEvent(panel.addressBox(), &key);
                panel.suggestionList()->repaint();
                ours.push_back(timer.nsecsElapsed() / 1e6);
            }
        }
    }
    std::printf("== Suggestions per key press (goal: one frame)\n");
    report("shown", ours, floor, "ms", 1);

    // The History window's first show: the newest visits read, grouped and drawn, against reading
    // the same rows bare; then the older ones coming in batches, each a pause of the window.
    ours.clear(), floor.clear();
    QList<double> whole, pauses, searches, searchFloor;
    std::vector<Visit> rows = history.visits();
    for (int round = 0; round < 5; ++round) {
        QElapsedTimer timer;
        timer.start();
        {
            QSqlQuery query(bare);
            query.setForwardOnly(true);
            query.exec(QStringLiteral("SELECT id, url, title, time FROM visits "
                                      "ORDER BY time DESC, id DESC LIMIT %1")
                           .arg(HistoryWindow::kFirstVisits));
            std::vector<Visit> shown;
            while (query.next())
                shown.push_back({query.value(0).toLongLong(), query.value(1).toString(),
                                 query.value(2).toString(), query.value(3).toLongLong()});
        }
        floor.push_back(timer.nsecsElapsed() / 1e6);
        timer.restart();
        HistoryWindow window(history);
        window.show();
        window.view()->viewport()->repaint();
        ours.push_back(timer.nsecsElapsed() / 1e6);
        while (window.isLoading()) {
            QElapsedTimer pause;
            pause.start();
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
            pauses.push_back(pause.nsecsElapsed() / 1e6);
        }
        window.view()->viewport()->repaint();
        whole.push_back(timer.nsecsElapsed() / 1e6);
        if (window.model()->visitCount() != kVisits)
            std::printf("  the window holds %d visits\n", window.model()->visitCount());
        // A search typed slowly enough for the list to follow each key, then cleared; against
        // looking for the same words in the bare rows.
        for (QTimer* delay : window.findChildren<QTimer*>()) {
            if (delay->interval() == HistoryWindow::kSearchDelayMs)
                delay->setInterval(0);
        }
        const QString phrase = QStringLiteral("news arch 1");
        for (qsizetype n = 1; n <= phrase.size() + 1; ++n) {
            const QString text = phrase.left(n <= phrase.size() ? n : 0);
            QElapsedTimer search;
            search.start();
            int found = 0;
            const QStringList words = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
            for (const Visit& row : rows) {
                found += std::all_of(words.cbegin(), words.cend(), [&](const QString& word) {
                    return row.title.contains(word, Qt::CaseInsensitive) ||
                           row.url.contains(word, Qt::CaseInsensitive);
                });
            }
            searchFloor.push_back(search.nsecsElapsed() / 1e6);
            search.restart();
            window.searchBox()->setText(text);
            while (window.model()->filter() != text)
                QCoreApplication::processEvents();
            window.view()->viewport()->repaint();
            searches.push_back(search.nsecsElapsed() / 1e6);
            sink = sink + found;
        }
    }
    std::printf("== History window, first show (%d newest visits)\n", HistoryWindow::kFirstVisits);
    report("shown", ours, floor, "ms", 1);
    std::printf("  every visit in: median %.1f ms; longest pause while reading on: %.1f ms "
                "(median %.1f ms, 90%% %.1f ms)\n",
                bench::median(whole), *std::max_element(pauses.begin(), pauses.end()),
                bench::median(pauses), bench::quantile(pauses, 0.9));
    std::printf("== History window, a search through every visit, per key\n");
    report("shown", searches, searchFloor, "ms", 1);

    // Recording a visit: the call a finished load makes, and the write of one such visit when
    // its moment comes, both on the window's thread; against one bare insert of a row.
    QList<double> call, write;
    floor.clear();
    QSqlQuery insert(bare);
    insert.prepare(
        QStringLiteral("INSERT INTO visits (url, host, title, time) VALUES (?, ?, ?, ?)"));
    for (int i = 0; i < 200; ++i) {
        const QString url = QStringLiteral("https://bench.example/%1").arg(i);
        QElapsedTimer timer;
        timer.start();
        insert.addBindValue(url);
        insert.addBindValue(QStringLiteral("bench.example"));
        insert.addBindValue(QStringLiteral("Bench"));
        insert.addBindValue(now + i);
        insert.exec();
        floor.push_back(timer.nsecsElapsed() / 1e6);
        timer.restart();
        history.recordVisit(url, QStringLiteral("Bench"), now + i);
        call.push_back(timer.nsecsElapsed() / 1e6);
        timer.restart();
        history.flush();
        write.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::printf("== Recording a visit on the window's thread (goal: under 1 ms)\n");
    report("the call", call, floor, "ms", 1);
    report("its write", write, floor, "ms", 1);
    return 0;
}
