#pragma once

#include "notes/notesfile.h"

#include <QTimer>
#include <QWidget>

class QLabel;
class QPlainTextEdit;
class QToolButton;

namespace kelvane {

struct AppSettings;

// The Quick Notes pane at the left of the main window: a title, the word-wrapped notes box and
// two small buttons that shrink the pane to a thin strip and expand it again. The notes come
// from the notes file at start and go back to it at close, and also a few seconds after the
// last change, so a crash loses at most those seconds.
class NotesPane : public QWidget {
    Q_OBJECT
public:
    // Quiet time after the last change before the notes are written.
    static constexpr int kAutosaveDelayMs = 3000;

    explicit NotesPane(QWidget* parent = nullptr,
                       const QString& notesPath = NotesFile::defaultPath());

    // Shows the pane when QuickNotesEnabled is on, and gives the notes box the font, size,
    // colour, bold, italic and underline of the settings.
    void applyLook(const AppSettings& settings);

    // Adds the notes file's lines to the box; a missing or unreadable file adds nothing, and
    // the empty box tells where this session's notes go instead of a file it could not read.
    void loadNotes();
    // Writes the box's paragraphs to the notes file, each as one line, whole or not at all.
    // False when nothing was written (reported on stderr).
    bool saveNotes();

    // true: only the show button remains, in a strip as wide as it; false: the title, the box
    // and the hide button.
    void shrinkNotes(bool shrink);
    bool isShrunk() const { return m_shrunk; }

    QPlainTextEdit* notesBox() const { return m_box; }
    QTimer* autosaveTimer() { return &m_autosave; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    int pixels(int twips) const;

    QLabel* m_title;
    QPlainTextEdit* m_box;
    QToolButton* m_show;
    QToolButton* m_hide;
    NotesFile m_file;
    QTimer m_autosave;
    bool m_shrunk = false;
    bool m_loading = false;
};

} // namespace kelvane
