#pragma once

#include "core/log/fichier_log.h"
#include "platform/services.h"

#include <QPointer>
#include <QStringList>
#include <QWidget>

#include <functional>

class QGroupBox;
class QLabel;
class QListView;
class QPushButton;

namespace swl {

class Etiquettes;
class Modele_Choix;

// The choice of the QSOs that get a QSL label: every entry of the main list above, the chosen
// ones below; a click (or the keyboard) moves a line from one list to the other, and
// "Impression" opens the label window, which reads the chosen lines when it prints.
class Select_QSO final : public QWidget {
    Q_OBJECT
public:
    // `lignes`: the main list as it stands; `indicatif`: the current station.
    Select_QSO(const Services& services, Lignes_Log lignes, std::function<QString()> indicatif,
               QWidget* parent = nullptr);
    ~Select_QSO() override;
    Q_DISABLE_COPY_MOVE(Select_QSO)

    // The chosen lines, in list order.
    QStringList Lignes_Choisies() const;

private:
    void Form_Load();
    // Moves the line that became current in `de` to the other list.
    void Deplace(QListView* de, const QModelIndex& courante);
    void Impression_Click();

    const Services& services_;
    std::function<QString()> indicatif_;
    Lignes_Log lignes_;
    Modele_Choix* non_choisies_;
    Modele_Choix* choisies_;
    bool deplacement_ = false;
    QPointer<Etiquettes> etiquettes_;

    QGroupBox* Frame1;
    QLabel* Label2;
    QGroupBox* Frame2;
    QLabel* Label3;
    QListView* Liste_QSO;
    QLabel* Label4;
    QListView* Liste_Imprime;
    QPushButton* Impression;
};

} // namespace swl
