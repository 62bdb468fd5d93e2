#pragma once

#include "platform/services.h"

#include <QDialog>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

namespace swl {

class Hote_Station;

// Chooses the listener's callsign: checks it, makes an empty log for a callsign that has
// none, stores it, restores that station's band and mode and reloads the list.
class Station final : public QDialog {
    Q_OBJECT
public:
    Station(const Services& services, Hote_Station& hote, QWidget* parent = nullptr);
    Q_DISABLE_COPY_MOVE(Station)

private:
    void Form_Load();
    int New_Indicatif_KeyPress(int code);
    void Validation_Click();

    const Services& services_;
    Hote_Station& hote_;

    QFrame* Frame1;
    QLabel* Label2;
    QLineEdit* New_Indicatif;
    QPushButton* Validation;
    QFrame* Frame2;
    QLabel* Label3;
    QLabel* Label5;
};

} // namespace swl
