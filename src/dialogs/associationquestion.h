#pragma once

#include <QDialog>

#include <functional>
#include <memory>

namespace Ui {
class AssociationForm;
}

namespace kelvane {

// The start-up question whether the browser should become the default one: Yes (or the Y key)
// registers it, No (or the N key, or the close box) leaves things as they are. Either way, when
// it closes, "Don't ask for this in the future." turns the start-up question off
// (CheckIfDefault) and the answer is stored as "FileAssociationSetDefault", which later starts
// repeat silently.
class AssociationQuestion : public QDialog {
    Q_OBJECT
public:
    // associate makes the browser the default; it runs on Yes, under a busy pointer.
    explicit AssociationQuestion(std::function<void()> associate, QWidget* parent = nullptr);
    ~AssociationQuestion() override;

    void answerYes();
    bool answer() const { return m_answer; }
    // Closes the question unanswered (the browser is closing): nothing is stored, so the next
    // start asks again.
    void abandon();
    void done(int result) override;

protected:
    // The window sees the Y and N keys before its controls do.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::unique_ptr<Ui::AssociationForm> m_form;
    std::function<void()> m_associate;
    bool m_answer = false;
    bool m_abandoned = false;
};

} // namespace kelvane
