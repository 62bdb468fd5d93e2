#include "station/station.h"

#include "core/log/fichier_log.h"
#include "core/log/indicatif.h"
#include "core/program/reglages.h"
#include "platform/boites_message.h"
#include "platform/fenetres.h"
#include "station/hote_station.h"

#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace swl {

using namespace Qt::Literals::StringLiterals;

Station::Station(const Services& services, Hote_Station& hote, QWidget* parent)
    : QDialog(parent), services_(services), hote_(hote) {
    setObjectName(u"Station"_s);
    Frame1 = new QFrame(this);
    Frame1->setObjectName(u"Frame1"_s);
    Frame1->setFrameShape(QFrame::StyledPanel);
    Label2 = new QLabel(Frame1);
    Label2->setObjectName(u"Label2"_s);
    QFont titre = Label2->font();
    titre.setBold(true);
    titre.setPointSizeF(titre.pointSizeF() * 1.2);
    Label2->setFont(titre);
    Label3 = new QLabel(Frame1);
    Label3->setObjectName(u"Label3"_s);
    New_Indicatif = new QLineEdit(Frame1);
    New_Indicatif->setObjectName(u"New_Indicatif"_s);
    New_Indicatif->setAccessibleName(u"Indicatif de la station"_s);
    Label3->setBuddy(New_Indicatif);
    Validation = new QPushButton(Frame1);
    Validation->setObjectName(u"Validation"_s);
    Validation->setAutoDefault(true);
    Frame2 = new QFrame(this);
    Frame2->setObjectName(u"Frame2"_s);
    Frame2->setFrameShape(QFrame::StyledPanel);
    Label5 = new QLabel(Frame2);
    Label5->setObjectName(u"Label5"_s);

    auto* grille = new QGridLayout(Frame1);
    grille->addWidget(Label2, 0, 0, 1, 3, Qt::AlignHCenter);
    grille->addWidget(Label3, 1, 0);
    grille->addWidget(New_Indicatif, 1, 1);
    grille->addWidget(Validation, 1, 2);
    auto* notes = new QVBoxLayout(Frame2);
    notes->addWidget(Label5);
    auto* colonne = new QVBoxLayout(this);
    colonne->addWidget(Frame1);
    colonne->addWidget(Frame2);

    Fixe_Couleur_Fond(New_Indicatif, Couleur_Courante);
    Installe_KeyPress(New_Indicatif, [this](int code) { return New_Indicatif_KeyPress(code); });
    connect(Validation, &QPushButton::clicked, this, &Station::Validation_Click);
    Form_Load();
}

void Station::Form_Load() {
    setWindowTitle(u"Selection Indicaif"_s);
    Label2->setText(u"Indicatif de la Station"_s);
    Validation->setText(u"Validez"_s);
    Label3->setText(u"Indicatif"_s);
    Label5->setText(u"!!! Pour la saisie la '/' est remplacée par le '_'"_s);
    New_Indicatif->clear();
    adjustSize();
    Centre_Fenetre(*this);
}

int Station::New_Indicatif_KeyPress(int code) {
    if (code == 13) {
        Fixe_Couleur_Fond(New_Indicatif, Qt::white);
        Validation->setFocus();
        return 0;
    }
    if (code >= 'a' && code <= 'z') {
        return code - 32;
    }
    return code == '/' ? '_' : code;
}

void Station::Validation_Click() {
    // The current station changes only once the new callsign has passed its checks: a refused
    // text must never become the name of the log the program writes to.
    const QString indicatif = New_Indicatif->text().toUpper();
    const Controle_Indicatif controle = Controle_Indicatif_Station(indicatif);
    if (!controle.message.isEmpty()) {
        services_.messages.Message(controle.message);
        if (controle.vider) {
            New_Indicatif->clear();
        }
        return;
    }
    const Fichier_Log log(services_.repertoire, indicatif);
    if (!QFileInfo::exists(log.Chemin())) {
        // A new station: an empty log, and the first band and mode.
        const Resultat cree = log.Cree_Log();
        if (!cree) {
            services_.messages.Message(cree.message);
            return;
        }
        const QString section = Reglages::Section_Station(indicatif);
        services_.reglages.Ecrire_Reglage(section, cle::Bande_Utilisee, 0);
        services_.reglages.Ecrire_Reglage(section, cle::Mode_Utilise, 0);
    }
    services_.reglages.Ecrire_Reglage(Reglages::Section_Commune(), cle::Indicatif_Station, indicatif);
    hote_.Fixe_Indicatif_Station(
        services_.reglages.Lire_Reglage(Reglages::Section_Commune(), cle::Indicatif_Station, Aucune_Station));
    hote_.Selectionne_Bande_Mode();
    hote_.Charge_Log();
    close();
}

} // namespace swl
