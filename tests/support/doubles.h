#pragma once

#include "core/program/horloge.h"
#include "core/program/reglages.h"
#include "platform/boites_message.h"
#include "platform/choix_fichier.h"
#include "platform/imprimante.h"
#include "platform/navigateur.h"
#include "platform/programme.h"
#include "platform/services.h"
#include "platform/sons.h"
#include "support/fichiers_test.h"

#include <QList>
#include <QStringList>

#include <functional>
#include <memory>

namespace swl::test {

// Records every box; answers questions from a script. A question with no scripted answer
// counts as unexpected and is answered "Non".
class Boites_Message_Test final : public Boites_Message {
public:
    QStringList textes;
    QList<bool> reponses;
    int inattendues = 0;

    void Message(const QString& texte) override { textes.append(texte); }
    bool Question(const QString& texte) override;
    // Recorded with "(Non par défaut) " before its text.
    bool Question_Non_Par_Defaut(const QString& texte) override {
        return Question(QStringLiteral("(Non par défaut) ") + texte);
    }
    // The task runs to its end, nobody pressing "Annuler".
    void Avec_Progression(const QString&, const std::function<void(const Avance&)>& travail) override {
        travail([](int) { return true; });
    }
};

class Horloge_Test final : public Horloge {
public:
    QDateTime utc{QDate(2009, 3, 5), QTime(9, 5, 7), Qt::UTC};
    QDateTime local{QDate(2009, 3, 5), QTime(10, 5, 7)};
    QDateTime Maintenant_Utc() const override { return utc; }
    QDateTime Maintenant_Local() const override { return local; }
};

// Records every call as one text: "police Arial", "taille 10", "gras 1", "ligne <texte>",
// "a <x> <y> <texte>", "trait <x1> <y1> <x2> <y2>" (mm, two decimals), "fin", "annule", "choix", "apercu",
// "pdf <file name>". The preview and the PDF file run the job on the double itself.
class Imprimante_Test final : public Imprimante {
public:
    QStringList appels;
    QString police = QStringLiteral("Arial");
    double taille = 10;
    bool gras = false;

    QString Nom_Police() const override { return police; }
    void Fixe_Nom_Police(const QString& nom) override;
    double Taille_Police() const override { return taille; }
    void Fixe_Taille_Police(double points) override;
    bool Gras() const override { return gras; }
    void Fixe_Gras(bool g) override;
    void Imprime_Ligne(const QString& texte) override { appels.append(QStringLiteral("ligne ") + texte); }
    void Imprime_A(double x_mm, double y_mm, const QString& texte) override;
    void Trace_Trait(double x1_mm, double y1_mm, double x2_mm, double y2_mm) override;
    void Fixe_Paysage(bool paysage) override {
        appels.append(QStringLiteral("paysage ") + QString::number(int(paysage)));
    }
    void Fin_Document() override { appels.append(QStringLiteral("fin")); }
    void Annule_Document() override { appels.append(QStringLiteral("annule")); }
    // The answer of the printer-choice dialog: true for "OK", false for "Annuler".
    bool choix = true;
    bool Choix_Imprimante(QWidget*) override {
        appels.append(QStringLiteral("choix"));
        return choix;
    }
    // The preview's answer: true when the user prints from it.
    bool apercu_imprime = false;
    QList<QRectF> contours;
    bool Apercu(QWidget*, const Travail& travail, const QList<QRectF>& contours_mm) override;
    Resultat Vers_Pdf(const QString& fichier, const Travail& travail, const Textes_Pdf& textes = {}) override;
};

// Makes browsers that show nothing and record every address asked of any of them.
class Navigateur_Test final : public Fabrique_Navigateur {
public:
    QStringList adresses;
    int faits = 0;
    Navigateur* Nouveau(QWidget* parent) override;
};

// Records each dialog as "enregistrer <title> | <proposed path> | <filters>" or "ouvrir …";
// answers the paths of `reponses` in turn, an empty text ("Annuler") when none is left.
class Choix_Fichier_Test final : public Choix_Fichier {
public:
    QStringList appels;
    QStringList reponses;
    QString filtre_choisi;
    QString Fichier_A_Enregistrer(QWidget*, const QString& titre, const QString& chemin_propose,
                                  const QString& filtres, QString* filtre) override;
    QString Fichier_A_Ouvrir(QWidget*, const QString& titre, const QString& dossier,
                             const QString& filtres) override;
    QString Dossier(QWidget*, const QString& titre, const QString& dossier) override;
};

// Records every sound asked for.
class Sons_Test final : public Sons {
public:
    QList<Son_Alerte> joues;
    QString erreur; // what a sound that cannot be played says
    QString Joue(Son_Alerte son) override {
        joues.append(son);
        return erreur;
    }
};

class Programme_Test final : public Programme {
public:
    int fins = 0;
    QStringList dossiers_ouverts;
    void Termine() override { ++fins; }
    void Ouvre_Dossier(const QString& chemin) override { dossiers_ouverts << chemin; }
    QStringList adresses;
    QString presse_papiers;
    void Ouvre_Adresse(const QString& adresse) override { adresses << adresse; }
    void Copie(const QString& texte) override { presse_papiers = texte; }
};

// A program directory and settings file of its own, and every service as a double.
class Banc : public Dossier_Test {
public:
    Banc();
    Q_DISABLE_COPY_MOVE(Banc)

    std::unique_ptr<Reglages> reglages;
    Boites_Message_Test messages;
    Horloge_Test horloge;
    Programme_Test programme;
    Imprimante_Test imprimante;
    Navigateur_Test navigateurs;
    Choix_Fichier_Test fichiers;
    Services services;

    // Makes `indicatif` the stored station, with a log of these lines.
    void Station_Avec_Log(const QString& indicatif, const QStringList& lignes) const;
};

// Runs `action` on the next modal window as soon as it shows (for exec()-ed windows).
void Quand_Modal(std::function<void(QWidget*)> action);

} // namespace swl::test
