#pragma once

#include <QDialog>
#include <QStringList>

class QDialogButtonBox;
class QLabel;
class QPushButton;

namespace kelvane {

// The look of the browser's warnings about a site: a warning sign, a bold heading naming the
// site, paragraphs of plain words and the answers below. Text from the web is never read as
// markup. Esc and the close box reject.
class WarningQuestion : public QDialog {
    Q_OBJECT
public:
    WarningQuestion(const QString& title, const QString& heading, const QStringList& paragraphs,
                    QWidget* parent = nullptr);

    QLabel* heading() const { return m_heading; }
    // The paragraph at index (0 first).
    QLabel* paragraph(int index) const { return m_paragraphs.value(index); }

protected:
    // Adds an answer; the default one is the one Enter gives.
    QPushButton* addAnswer(const QString& text, const QString& name, bool accepts, bool isDefault);

private:
    QLabel* m_heading;
    QList<QLabel*> m_paragraphs;
    QDialogButtonBox* m_buttons;
};

} // namespace kelvane
