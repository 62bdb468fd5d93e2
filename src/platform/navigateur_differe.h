#pragma once

#include "platform/navigateur.h"

#include <QString>

namespace swl {

// The browsers of the web module (`chemin`), loaded at the first browser asked for, never at
// start-up. A module that cannot be loaded gives a French page saying so instead of a browser,
// and the rest of the window works.
class Fabrique_Navigateur_Differee final : public Fabrique_Navigateur {
public:
    explicit Fabrique_Navigateur_Differee(QString chemin) : chemin_(std::move(chemin)) {}
    Navigateur* Nouveau(QWidget* parent) override;
    // Why the module could not be loaded, in French; empty when it was, or not yet tried.
    QString Erreur() const { return erreur_; }

private:
    QString chemin_;
    Fabrique_Navigateur* module_ = nullptr; // owned by Qt's plugin loader, for the whole run
    QString erreur_;
};

// The web module beside the program: ../lib/orbel-swl/orbel_swl_web.so from its folder.
QString Chemin_Module_Web(const QString& dossier_programme);

} // namespace swl
