#pragma once

#include "core/log/sauvegardes.h"
#include "platform/services.h"

#include <QWidget>

#include <functional>

class QLabel;
class QPushButton;
class QTableWidget;

namespace swl {

// "Fichier → Sauvegardes…": the copies of the station's log, newest first, to put one back
// in place of the log ("Restaurer", which can be undone) or to see the folder.
class Fenetre_Sauvegardes final : public QWidget {
    Q_OBJECT
public:
    // `restauree`: called once a copy replaced the log, with the name of the step and its trace.
    // `saisie_en_cours`: a QSO is being typed or edited, which a restore would lose.
    using Restauree = std::function<void(const QString& nom, Trace_Journal trace)>;
    Fenetre_Sauvegardes(const Services& services, const QString& indicatif, Restauree restauree,
                        std::function<bool()> saisie_en_cours, QWidget* parent = nullptr);
    Q_DISABLE_COPY_MOVE(Fenetre_Sauvegardes)

    // The list read again from the folder.
    void Remplit();

private:
    void Restaurer_Click();

    const Services& services_;
    Sauvegardes sauvegardes_;
    Restauree restauree_;
    std::function<bool()> saisie_en_cours_;
    QList<Sauvegardes::Copie> copies_;
    QList<int> qso_; // entries of each copy, read once per listing

    QLabel* Label1;
    QLabel* Dossier_Sauvegardes;
    QTableWidget* Liste_Sauvegardes;
    QPushButton* Restaurer;
    QPushButton* Ouvrir_Dossier;
    QPushButton* Fermer;
};

} // namespace swl
