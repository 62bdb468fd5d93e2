#include "doubles.h"

#include <QApplication>
#include <QFileInfo>
#include <QLabel>
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

void Imprimante_Test::Imprime_A(double x_mm, double y_mm, const QString& texte) {
    appels.append(u"a "_s + QString::number(x_mm, 'f', 2) + u' ' + QString::number(y_mm, 'f', 2) + u' ' +
                  texte);
}

void Imprimante_Test::Trace_Trait(double x1_mm, double y1_mm, double x2_mm, double y2_mm) {
    appels.append(u"trait "_s + QString::number(x1_mm, 'f', 2) + u' ' + QString::number(y1_mm, 'f', 2) +
                  u' ' + QString::number(x2_mm, 'f', 2) + u' ' + QString::number(y2_mm, 'f', 2));
}

bool Imprimante_Test::Apercu(QWidget*, const Travail& travail, const QList<QRectF>& contours_mm) {
    appels.append(u"apercu"_s);
    contours = contours_mm;
    travail(*this);
    return apercu_imprime;
}

Resultat Imprimante_Test::Vers_Pdf(const QString& fichier, const Travail& travail, const Textes_Pdf&) {
    appels.append(u"pdf "_s + QFileInfo(fichier).fileName());
    travail(*this);
    return Resultat::Succes();
}

QString Choix_Fichier_Test::Fichier_A_Enregistrer(QWidget*, const QString& titre,
                                                  const QString& chemin_propose, const QString& filtres,
                                                  QString* filtre) {
    appels.append(u"enregistrer "_s + titre + u" | "_s + chemin_propose + u" | "_s + filtres);
    if (filtre) {
        *filtre = filtre_choisi;
    }
    return reponses.isEmpty() ? QString() : reponses.takeFirst();
}

QString Choix_Fichier_Test::Fichier_A_Ouvrir(QWidget*, const QString& titre, const QString& dossier,
                                             const QString& filtres) {
    appels.append(u"ouvrir "_s + titre + u" | "_s + dossier + u" | "_s + filtres);
    return reponses.isEmpty() ? QString() : reponses.takeFirst();
}

QString Choix_Fichier_Test::Dossier(QWidget*, const QString& titre, const QString& dossier) {
    appels.append(u"dossier "_s + titre + u" | "_s + dossier);
    return reponses.isEmpty() ? QString() : reponses.takeFirst();
}

namespace {

class Vue_Test final : public QLabel, public Navigateur {
public:
    Vue_Test(QWidget* parent, QStringList& adresses) : QLabel(parent), adresses_(adresses) {
        setObjectName(u"WebBrowser1"_s);
    }
    QWidget* Vue() override { return this; }
    void Navigue(const QString& adresse) override {
        adresses_.append(adresse);
        setText(adresse);
    }

private:
    QStringList& adresses_;
};

} // namespace

Navigateur* Navigateur_Test::Nouveau(QWidget* parent) {
    ++faits;
    return new Vue_Test(parent, adresses);
}

Banc::Banc()
    : reglages(std::make_unique<Reglages>(dossier.filePath(u"config/SWL.ini"_s))),
      services{messages, horloge, *reglages, programme, imprimante, navigateurs, fichiers, repertoire} {}

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
