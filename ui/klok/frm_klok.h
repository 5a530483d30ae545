#pragma once

#include <chrono>

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class rondeklok;

// Sets the round timer: the time for one fiscal year, from 0:10 to 59:59, the clock's own time
// at first. It is typed as a person types a time, minutes and seconds ("2:30") or whole minutes
// ("7"); Up and Down step it by a second, Page Up and Page Down by a minute. OK (or Enter) sets
// the clock back to the new time, or, for a time it cannot take, says why and stays open;
// Cancel (or Escape) leaves it as it was. Opened from the board's menu, at the board's scale,
// not modal.
class frm_klok : public QDialog {
    Q_OBJECT

public:
    frm_klok(rondeklok& klok, double schaal, QWidget* parent = nullptr);

    void accept() override;

protected:
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* object, QEvent* event) override;

private:
    void vertaal();
    void stap(std::chrono::seconds stap);

    rondeklok& m_klok;
    QLineEdit* m_tb_klok_tijd;
    QLabel* m_uitleg;
    // Why the time typed was not taken; hidden until then.
    QLabel* m_reden;
    QPushButton* m_ok;
    QPushButton* m_annuleer;
};
