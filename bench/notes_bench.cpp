// A 5 MB notes file in the Quick Notes pane: how long the window is held up while the file is
// loaded at start (the pane shrunk, as every start leaves it), when the pane is expanded and the
// box first drawn, when a typed change is saved by the autosave, and when the notes are saved
// at close. Each figure is the longest the event loop went without a turn, in milliseconds.
#include "notes/notespane.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QTemporaryDir>

#include <cstdio>
#include <functional>

using namespace kelvane;

namespace {

constexpr qint64 kFileBytes = 5 * 1024 * 1024;

// Short lines, blank lines and long paragraphs that the box wraps, CR LF each, mixed with
// non-ASCII text.
QByteArray notesFile() {
    const QByteArray words[] = {
        "meeting", "Anna",     "milk", "café",         "deadline", "https://example.org/a",
        "call",    "tomorrow", "über", "ticket #4521", "and",      "the"};
    QByteArray file;
    file.reserve(kFileBytes + 1024);
    for (unsigned i = 0; file.size() < kFileBytes; ++i) {
        const unsigned count = i % 7 == 0 ? 0 : i % 11 == 0 ? 60 : 3 + i % 9;
        for (unsigned w = 0; w < count; ++w) {
            file += words[(i * 7 + w * 3) % std::size(words)];
            file += ' ';
        }
        file += "\r\n";
    }
    return file;
}

// Runs the step, then lets the window draw; the time until the event loop is free again.
double heldUp(const std::function<void()>& step) {
    QElapsedTimer timer;
    timer.start();
    step();
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    return timer.nsecsElapsed() / 1e6;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir data;
    qputenv("XDG_DATA_HOME", data.path().toUtf8());
    QApplication app(argc, argv);

    const QByteArray bytes = notesFile();
    QFile file(NotesFile::defaultPath());
    if (!data.isValid() || !QDir().mkpath(data.path() + QStringLiteral("/Kelvane")) ||
        !file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        std::fputs("notes_bench: could not write the notes file\n", stderr);
        return 1;
    }
    file.close();

    QWidget window;
    window.resize(1000, 700);
    auto* layout = new QHBoxLayout(&window);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* pane = new NotesPane(&window);
    layout->addWidget(pane);
    layout->addStretch(1);
    window.show();
    QCoreApplication::processEvents();

    const double load = heldUp([pane] {
        pane->loadNotes();
        pane->shrinkNotes(true);
    });
    const double expand = heldUp([pane] { pane->shrinkNotes(false); });
    const double toEnd = heldUp([pane] { pane->notesBox()->moveCursor(QTextCursor::End); });
    pane->notesBox()->insertPlainText(QStringLiteral("x"));
    const double autosave = heldUp([pane] { pane->saveNotes(); });
    const double close = heldUp([pane] { pane->saveNotes(); });

    std::printf("notes file: %.1f MB, %lld lines\n", bytes.size() / 1048576.0,
                static_cast<long long>(bytes.count("\r\n")));
    std::printf("%-40s %8.0f ms\n", "load at start (pane shrunk)", load);
    std::printf("%-40s %8.0f ms\n", "expand, box drawn", expand);
    std::printf("%-40s %8.0f ms\n", "cursor to the end, box drawn", toEnd);
    std::printf("%-40s %8.0f ms\n", "autosave after a change", autosave);
    std::printf("%-40s %8.0f ms\n", "save at close", close);
    return 0;
}
