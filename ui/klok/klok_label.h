#pragma once

#include "ui/groot_getal.h"

class rondeklok;

// The round timer's time in a window, m:ss, with one look wherever it shows: hidden until the
// game master sets or starts the clock, then bold and red in the last minute and at time's up,
// so that it stands out also to someone who cannot tell the red. It follows the clock by itself
// (volg) and names itself anew for a screen reader at every change and in every language.
//
// A window chooses the variant. On the board it is a plain label beside the year, and a screen
// reader hears its last minute and time's up wherever the focus is. In the class view it is as
// large as the year, its digits drawn from pictures, white on a dark red field in its last
// minute, under a caption ("time left", "time's up") that it keeps too.
class klok_label : public groot_getal {
    Q_OBJECT

public:
    enum class variant { bord, klas };

    explicit klok_label(variant soort, QWidget* parent = nullptr);

    void volg(const rondeklok& klok);
    // The class view's caption label, shown, worded and bolded with the clock.
    void bijschrift(QLabel& label);
    // Whether a screen reader is to hear it now wherever the focus is: then it is a notification.
    bool meldt() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* object, QEvent* event) override;

private:
    enum class toestand { gewoon, laatste_minuut, om };

    void toon();
    void stijl();
    void maak_vet(QLabel& label) const;
    void zet_marges();
    void meld();

    variant m_variant;
    const rondeklok* m_klok = nullptr;
    QLabel* m_bijschrift = nullptr;
    toestand m_toestand = toestand::gewoon;
};
