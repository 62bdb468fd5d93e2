#include "doubles.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>

namespace swl::test {

using namespace Qt::Literals::StringLiterals;

bool Boites_Message_Test::Question(const QString& texte) {
    textes.append(texte);
    if (reponses.isEmpty()) {
        ++inattendues;
        return false;
    }
    return reponses.takeFirst();
}

void Imprimante_Test::Fixe_Nom_Police(const QString& nom) {
    police = nom;
    appels.append(u"police "_s + nom);
}

void Imprimante_Test::Fixe_Taille_Police(double points) {
    taille = points;
    appels.append(u"taille "_s + QString::number(points));
}

void Imprimante_Test::Fixe_Gras(bool g) {
    gras = g;
    appels.append(u"gras "_s + QString::number(int(g)));
}

Banc::Banc()
    : reglages(std::make_unique<Reglages>(dossier.filePath(u"config/SWL.ini"_s))),
      services{messages, horloge, *reglages, programme, imprimante, navigateur, repertoire} {}

void Banc::Station_Avec_Log(const QString& indicatif, const QStringList& lignes) const {
    reglages->Ecrire_Reglage(Reglages::Section_Commune(), cle::Indicatif_Station, indicatif);
    Ecrit(indicatif + u"_SWL.log"_s, Octets_Log(lignes));
}

void Quand_Modal(std::function<void(QWidget*)> action) {
    auto* minuterie = new QTimer(qApp);
    minuterie->setInterval(10);
    QObject::connect(minuterie, &QTimer::timeout, minuterie, [minuterie, action = std::move(action)] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            minuterie->stop();
            minuterie->deleteLater();
            action(modal);
        }
    });
    minuterie->start();
}

} // namespace swl::test
