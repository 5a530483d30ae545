#pragma once

#include <QDialog>

class QLabel;
class QTimeEdit;
class rondeklok;

// Sets the round timer: the time for one fiscal year, in minutes and seconds from 0:10 to 59:59,
// the clock's own time at first. OK (or Enter) sets the clock back to the new time; Cancel (or
// Escape) leaves it as it was. Opened from the board's menu, at the board's scale, not modal.
class frm_klok : public QDialog {
    Q_OBJECT

public:
    frm_klok(rondeklok& klok, double schaal, QWidget* parent = nullptr);

    void accept() override;

protected:
    void changeEvent(QEvent* event) override;

private:
    void vertaal();

    rondeklok& m_klok;
    QTimeEdit* m_tb_klok_tijd;
    QLabel* m_uitleg;
};
