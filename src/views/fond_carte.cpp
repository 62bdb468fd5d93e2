// The department map's picture and its markers.
#include "views/fond_carte.h"

#include "platform/emplacements.h"
#include "platform/fenetres.h"

#include <QFile>
#include <QLabel>

namespace swl {

using namespace Qt::Literals::StringLiterals;

void Colore_Case(QLabel* c, const QColor& couleur) {
    QPalette p = c->palette();
    p.setColor(QPalette::Window, couleur);
    c->setPalette(p);
}

Fond_Carte Construit_Fond_Carte(const Services& services, QWidget* parent) {
    Fond_Carte f;
    f.image = new QLabel(parent);
    f.image->setObjectName(u"Picture1"_s);
    f.image->setAccessibleName(u"Carte des départements"_s);
    // The picture and the marker table lie beside the installed program.
    const QStringList dossiers = services.ressources.isEmpty() ? Dossiers_Ressources() : services.ressources;
    const Ressource carte = Trouve_Ressource(Fichier_Carte, dossiers);
    const Ressource marqueurs = Trouve_Ressource(Fichier_Marqueurs, dossiers);
    const QPixmap image(carte.chemin);
    if (image.isNull() || marqueurs.chemin.isEmpty()) {
        // Said in the window, instead of an empty map.
        const QString message = !carte.message.isEmpty() ? carte.message
                                : image.isNull()
                                    ? u"L'image «\u00A0"_s + carte.chemin + u"\u00A0» est illisible."_s
                                    : marqueurs.message;
        Affiche_Valeur(f.image, u"Carte des départements\u00A0:"_s, message);
        f.image->setWordWrap(true);
        f.image->setFixedSize(560, 200);
    } else {
        f.image->setPixmap(image);
        f.image->setFixedSize(image.size());
    }
    QFile table(marqueurs.chemin);
    if (!marqueurs.chemin.isEmpty()) {
        table.open(QIODevice::ReadOnly);
    }
    QFont police(u"Arial"_s);
    police.setPointSizeF(9.75);
    police.setBold(true);
    for (int i = 0; i < Nombre_Marqueurs; ++i) {
        auto* d = new QLabel(Texte_Marqueur(i), f.image);
        d->setObjectName(u"Dep("_s + QString::number(i) + u')');
        d->setFont(police);
        d->setAlignment(Qt::AlignCenter);
        d->setFrameShape(QFrame::Box);
        d->setAutoFillBackground(true);
        d->setGeometry(0, 0, 25, 20);
        d->hide();
        f.marqueurs[static_cast<std::size_t>(i)] = d;
    }
    for (const Marqueur& m : Lit_Marqueurs(table.readAll())) {
        const int i = Index_Marqueur(m.code);
        if (i > 0 && i != 20 && i < 98) {
            f.marqueurs[static_cast<std::size_t>(i)]->move(m.x, m.y);
            f.marqueurs[static_cast<std::size_t>(i)]->show();
        }
    }
    return f;
}

} // namespace swl
