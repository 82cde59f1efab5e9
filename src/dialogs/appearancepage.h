#pragma once

#include "base/pagecolours.h"

#include <QWidget>

class QComboBox;
class QLabel;

namespace kelvane {

// The Options dialog's page of how pages look: the colour scheme they are asked for (follow
// the desktop, light or dark). The engine takes it only at its start, so the page says so
// while the choice, on the desktop's scheme of the moment, would give pages another one.
class AppearancePage : public QWidget {
    Q_OBJECT
public:
    explicit AppearancePage(PageColours chosen, QWidget* parent = nullptr);

    PageColours chosen() const;
    QComboBox* colourBox() const { return m_colours; }
    QLabel* restartNote() const { return m_restartNote; }

protected:
    void changeEvent(QEvent* event) override;

private:
    void showRestartNote();

    QComboBox* m_colours;
    QLabel* m_restartNote;
};

} // namespace kelvane
