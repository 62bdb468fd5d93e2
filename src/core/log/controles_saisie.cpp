#include "core/log/controles_saisie.h"

#include "core/base/texte_1252.h"

namespace swl {

using namespace Qt::Literals::StringLiterals;

namespace {

bool Chiffre(QChar c) {
    return c >= u'0' && c <= u'9';
}

// The number of two digits at `i` (0-based); the caller has checked they are digits.
int Nombre(QStringView t, qsizetype i) {
    return (t[i].unicode() - '0') * 10 + (t[i + 1].unicode() - '0');
}

// The checks of a field's own rule, in their order.
QString Regle_Du_Champ(Champ_Saisie champ, QStringView t) {
    const qsizetype n = t.size();
    switch (champ) {
    case Champ_Saisie::Indicatif:
        if (n == 0) {
            return u"Entrez un indicatif"_s;
        }
        return n > 12 ? u"12 caracteres maxi pour l'indicatif"_s : QString();
    case Champ_Saisie::Departement:
        return n > 2 ? u"2 caracteres maxi pour le Departement"_s : QString();
    case Champ_Saisie::Report:
        if (n == 0) {
            return u"Entrez un Report"_s;
        }
        if (n > 3) {
            return u"3 caracteres maxi pour le Report"_s;
        }
        // A first character that is not a digit cannot be an R from 0 to 5 either.
        if (!Chiffre(t[0]) || t[0] > u'5') {
            return u"R (de RST)doit etre compris entre 0 et 5"_s;
        }
        return {};
    case Champ_Saisie::Prenom:
        return n > 15 ? u"15 caracteres maxi pour le Prenom"_s : QString();
    case Champ_Saisie::QTH:
        return n > 30 ? u"30 caracteres maxi pour le QTH"_s : QString();
    case Champ_Saisie::Date:
        if (n == 0) {
            return u"Entrez une date"_s;
        }
        if (n != 8) {
            return u"8 caracteres pour la date ex 01/06/08"_s;
        }
        return Controle_Date(t) ? u"Le format de la date doit etre JJ/MM/AA"_s : QString();
    case Champ_Saisie::Heure:
        if (n == 0) {
            return u"Entrez une Heure"_s;
        }
        if (n != 5) {
            return u"5 caracteres l'heure ex 15:25"_s;
        }
        return Controle_Heure(t) ? u"Le format de l'heure doit etre HH:MM"_s : QString();
    case Champ_Saisie::Mode:
        if (n == 0) {
            return u"Entrez un Mode"_s;
        }
        return n > 6 ? u"6 caracteres maxi pour le Mode"_s : QString();
    case Champ_Saisie::Bande:
        if (n == 0) {
            return u"Entrez une QRG"_s;
        }
        return n > 7 ? u"7 caracteres maxi pour la QRG"_s : QString();
    }
    return {};
}

} // namespace

int Controle_Date(QStringView t) {
    int resultat = 0;
    for (qsizetype i : {0, 1, 3, 4, 6, 7}) {
        if (i >= t.size() || !Chiffre(t[i])) {
            resultat = 1;
        }
    }
    for (qsizetype i : {2, 5}) {
        if (i >= t.size() || t[i] != u'/') {
            resultat = 1;
        }
    }
    if (resultat == 0 && (Nombre(t, 0) > 31 || Nombre(t, 3) > 12)) {
        resultat = 1;
    }
    return resultat;
}

int Controle_Heure(QStringView t) {
    int resultat = 0;
    for (qsizetype i : {0, 1, 3, 4}) {
        if (i >= t.size() || !Chiffre(t[i])) {
            resultat = 1;
        }
    }
    if (t.size() < 3 || t[2] != u':') {
        resultat = 1;
    }
    if (resultat == 0 && (Nombre(t, 0) > 23 || Nombre(t, 3) > 59)) {
        resultat = 1;
    }
    return resultat;
}

QString Controle_Saisie(Champ_Saisie champ, QStringView texte) {
    QString message = Regle_Du_Champ(champ, texte);
    if (!message.isEmpty()) {
        return message;
    }
    // The log is Windows-1252 text, one QSO a line; first name and QTH are checked as they
    // will be stored, in capitals.
    const bool capitales = champ == Champ_Saisie::Prenom || champ == Champ_Saisie::QTH;
    const QString stocke = capitales ? Majuscules_1252(texte) : texte.toString();
    const qsizetype interdit = Premier_Caractere_Interdit(stocke);
    if (interdit >= 0) {
        return Message_Caractere_Interdit(stocke, interdit);
    }
    // The log keeps 3 columns for the mode: a longer one would be cut.
    if (champ == Champ_Saisie::Mode && texte.size() > 3) {
        return u"Le journal ne garde que 3 caractères pour le mode\u00A0: «\u00A0"_s + texte +
               u"\u00A0» serait coupé.\r\nEntrez 3 caractères au plus (par exemple DIG pour un mode numérique)."_s;
    }
    return {};
}

QString Controle_Fiche_Complete(const Fiche_QSO& fiche) {
    QStringList manque;
    if (fiche.Indicatif_A.trimmed().isEmpty()) {
        manque << u"l'indicatif de la station A"_s;
    }
    if (fiche.Date.trimmed().isEmpty()) {
        manque << u"la date"_s;
    }
    if (fiche.Heure.trimmed().isEmpty()) {
        manque << u"l'heure"_s;
    }
    if (manque.isEmpty()) {
        return {};
    }
    QString liste = manque.takeLast();
    if (!manque.isEmpty()) {
        liste = manque.join(u", "_s) + u" et "_s + liste;
    }
    return u"Ce QSO ne peut pas être enregistré\u00A0: il manque "_s + liste +
           u".\r\nCliquez sur \"Annuler saisie en cours\" puis saisissez le QSO depuis l'indicatif de la station A."_s;
}

QString Message_Indicatif_Station_Absent() {
    return u"\r\n         Premiere installation, vous devez entrer votre Indicatif\r\n\r\n"
           u"Pour cela dans la barre des menus allez dans Station puis Nouvel Indicatif."_s;
}

} // namespace swl
