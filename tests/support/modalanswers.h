#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QList>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>

#include <functional>

namespace kelvane::test {

// Answers the modal windows that open while it lives, in order; one beyond the answers, or
// left open by its answer, is rejected. Records each: a message box's text, else the title.
class ModalAnswers {
public:
    using Answer = std::function<void(QWidget*)>;

    explicit ModalAnswers(QList<Answer> answers = {})
        : m_answers(std::move(answers)) {
        QObject::connect(&m_poll, &QTimer::timeout, [this] { poll(); });
        m_poll.start(5);
    }
    const QStringList& seen() const { return m_seen; }
    // Clicks the message box's button.
    static Answer press(QMessageBox::StandardButton button) {
        return [button](QWidget* box) { qobject_cast<QMessageBox*>(box)->button(button)->click(); };
    }

private:
    void poll() {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || m_handled.contains(modal))
            return;
        m_handled.append(modal);
        const auto* box = qobject_cast<QMessageBox*>(modal);
        m_seen << (box ? box->text() : modal->windowTitle());
        const Answer answer = m_answers.isEmpty() ? Answer() : m_answers.takeFirst();
        QTimer::singleShot(0, modal, [modal, answer] {
            if (answer)
                answer(modal);
            if (auto* dialog = qobject_cast<QDialog*>(modal);
                dialog && QApplication::activeModalWidget() == dialog)
                dialog->reject();
        });
    }

    QList<Answer> m_answers;
    QList<QPointer<QWidget>> m_handled;
    QStringList m_seen;
    QTimer m_poll;
};

} // namespace kelvane::test
