#include "platform/choix_fichier.h"

#include <QFileDialog>

namespace swl {

QString Choix_Fichier_Qt::Fichier_A_Enregistrer(QWidget* parent, const QString& titre,
                                                const QString& chemin_propose, const QString& filtres,
                                                QString* filtre) {
    return QFileDialog::getSaveFileName(parent, titre, chemin_propose, filtres, filtre,
                                        QFileDialog::DontUseNativeDialog);
}

QString Choix_Fichier_Qt::Fichier_A_Ouvrir(QWidget* parent, const QString& titre, const QString& dossier,
                                           const QString& filtres) {
    return QFileDialog::getOpenFileName(parent, titre, dossier, filtres, nullptr,
                                        QFileDialog::DontUseNativeDialog);
}

} // namespace swl
