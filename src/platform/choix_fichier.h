#pragma once

#include <QString>

class QWidget;

namespace swl {

// The French file dialogs: a file to write, a file to read, a folder. An empty text when the
// user pressed "Annuler".
class Choix_Fichier {
public:
    virtual ~Choix_Fichier() = default;
    // `filtres`: "Description (*.ext)" entries separated by ";;"; `filtre` receives the one
    // chosen.
    virtual QString Fichier_A_Enregistrer(QWidget* parent, const QString& titre,
                                          const QString& chemin_propose, const QString& filtres,
                                          QString* filtre = nullptr) = 0;
    virtual QString Fichier_A_Ouvrir(QWidget* parent, const QString& titre, const QString& dossier,
                                     const QString& filtres) = 0;
    virtual QString Dossier(QWidget* parent, const QString& titre, const QString& dossier) = 0;
};

// Qt's own dialog rather than the desktop's, so that it speaks French with the program.
class Choix_Fichier_Qt final : public Choix_Fichier {
public:
    QString Fichier_A_Enregistrer(QWidget* parent, const QString& titre, const QString& chemin_propose,
                                  const QString& filtres, QString* filtre) override;
    QString Fichier_A_Ouvrir(QWidget* parent, const QString& titre, const QString& dossier,
                             const QString& filtres) override;
    QString Dossier(QWidget* parent, const QString& titre, const QString& dossier) override;
};

} // namespace swl
