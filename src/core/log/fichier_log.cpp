#include "core/log/fichier_log.h"

#include "core/base/fichier_texte.h"
#include "core/base/texte_1252.h"
#include "core/log/fiche_qso.h"

#include <QDir>
#include <QFile>

#include <algorithm>
#include <limits>
#include <optional>

namespace swl {

using namespace Qt::Literals::StringLiterals;

Fichier_Log::Fichier_Log(QString repertoire, QString indicatif)
    : repertoire_(std::move(repertoire)), indicatif_(std::move(indicatif)) {}

QString Fichier_Log::Nom_Log(const QString& indicatif) {
    return indicatif + u"_SWL.log"_s;
}

QString Fichier_Log::Chemin() const {
    return QDir(repertoire_).filePath(Nom_Log(indicatif_));
}

namespace {

QString Message_Trop_Long(const QString& nom) {
    return u"Le journal «\u00A0"_s + nom +
           u"\u00A0» contient plus de 99\u00A0999 QSO\u00A0: ORBEL_SWL ne peut pas les numéroter."_s +
           u"\r\nLe fichier n'a pas été modifié. ORBEL_SWL va se fermer."_s;
}

QString Message_Lecture(const QString& nom, int erreur) {
    return u"Impossible de lire le journal «\u00A0"_s + nom + u"\u00A0» (Erreur N° "_s +
           QString::number(erreur) + u").\r\nRien n'a été modifié."_s;
}

QString Message_Plein() {
    return u"Le journal contient déjà 99\u00A0999 QSO, le plus grand nombre que ORBEL_SWL sait numéroter."_s +
           u"\r\nLe QSO n'a pas été enregistré."_s;
}

// The log's lines, the bytes they are cut from kept alive beside them.
struct Contenu_Log {
    QByteArray octets;
    QList<QByteArrayView> lignes;
};

std::optional<Contenu_Log> Lit_Contenu(const QString& chemin, const QString& nom, Resultat& echec) {
    Lecture_Fichier l = Lit_Fichier(chemin);
    if (l.erreur == Fichier_Introuvable) {
        l = {};
    } else if (l.erreur != Lecture_Reussie) {
        echec = Resultat::Echec(Message_Lecture(nom, l.erreur));
        return std::nullopt;
    }
    Contenu_Log c{std::move(l.contenu), {}};
    c.lignes = Decoupe_Lignes(c.octets);
    return c;
}

// A log line as bytes, or the message naming a character the log cannot hold.
std::optional<QByteArray> Encode_Ligne(const QString& ligne, Resultat& echec) {
    const qsizetype i = Premier_Caractere_Interdit(ligne);
    if (i >= 0) {
        echec =
            Resultat::Echec(Message_Caractere_Interdit(ligne, i) + u"\r\nLe QSO n'a pas été enregistré."_s);
        return std::nullopt;
    }
    return Encode_1252(ligne);
}

// Index of the line to act on: `numero` (from 1) when that line reads `cible` or shows as
// `ligne_liste` in the list (a damaged line does not survive the trip through its list line),
// else the first line that reads `cible`, else -1.
qsizetype Trouve_Ligne(const QList<QByteArrayView>& lignes, QByteArrayView cible, int numero,
                       QStringView ligne_liste) {
    if (numero >= 1 && numero <= lignes.size()) {
        const QByteArrayView ligne = lignes[numero - 1];
        if (ligne == cible ||
            (!ligne_liste.isEmpty() && Forme_Ligne_Liste(Decode_1252(ligne), numero) == ligne_liste)) {
            return numero - 1;
        }
    }
    return lignes.indexOf(cible);
}

} // namespace

std::optional<qint64> Moment_QSO(QByteArrayView ligne) {
    if (ligne.size() < 61) {
        return std::nullopt;
    }
    const auto nombre = [&ligne](qsizetype i) -> int {
        const char a = ligne[i - 1];
        const char b = ligne[i];
        if (a < '0' || a > '9' || b < '0' || b > '9') {
            return -1;
        }
        return (a - '0') * 10 + (b - '0');
    };
    const int jour = nombre(48), mois = nombre(51), an = nombre(54), heure = nombre(57), minute = nombre(60);
    if (jour < 0 || mois < 0 || an < 0 || heure < 0 || minute < 0) {
        return std::nullopt;
    }
    const int annee = an >= 50 ? 1900 + an : 2000 + an;
    return ((((qint64(annee) * 100 + mois) * 100 + jour) * 100 + heure) * 100) + minute;
}

Lignes_Log::Lignes_Log(QByteArray contenu)
    : contenu_(std::move(contenu)), lignes_(Decoupe_Lignes(contenu_)) {}

QString Texte_Illisibles(const Illisibles_Journal& illisibles, const Lignes_Log& log) {
    if (illisibles.nombre == 0) {
        return {};
    }
    QStringList nommees;
    for (const int i : illisibles.premieres) {
        if (i >= 0 && i < log.Nombre()) {
            nommees << u"QSO "_s + QString::number(i + 1) + u" «\u00A0"_s +
                           Extrait_Visible(Decode_1252(log.Octets(i)).trimmed(), 60) + u"\u00A0»"_s;
        }
    }
    const bool une = illisibles.nombre == 1;
    return Nombre_Francais(illisibles.nombre) +
           (une ? u" ligne illisible (date, heure ou bande), jamais comptée\u00A0: "_s
                : u" lignes illisibles (date, heure ou bande), jamais comptées\u00A0: "_s) +
           nommees.join(u", "_s) + (illisibles.nombre > nommees.size() ? u"…"_s : QString());
}

QString Lignes_Log::Ligne_Log(int index) const {
    return index >= 0 && index < lignes_.size() ? Decode_1252(lignes_[index]) : QString();
}

QString Lignes_Log::Ligne_Liste(int index) const {
    return index >= 0 && index < lignes_.size() ? Forme_Ligne_Liste(Decode_1252(lignes_[index]), index + 1)
                                                : QString();
}

Fichier_Log::Lecture Fichier_Log::Lit_Log() const {
    Lecture resultat;
    Lecture_Fichier l = Lit_Fichier(Chemin());
    if (l.erreur != Lecture_Reussie) {
        resultat.erreur = l.erreur;
        return resultat;
    }
    Lignes_Log lignes(std::move(l.contenu));
    if (lignes.Nombre() > Numero_Maximal) {
        resultat.message = Message_Trop_Long(Nom_Log(indicatif_));
        return resultat;
    }
    resultat.lignes = std::move(lignes);
    return resultat;
}

Resultat Fichier_Log::Cree_Log() const {
    Lecture_Fichier modele = Lit_Fichier(QDir(repertoire_).filePath(Nom_Modele_Log));
    if (modele.erreur == Fichier_Introuvable) {
        const Resultat r = Ecrit_Fichier_Atomique(repertoire_, Nom_Temporaire, Nom_Modele_Log, {});
        if (!r) {
            return r;
        }
        modele = {};
    } else if (modele.erreur != Lecture_Reussie) {
        return Resultat::Echec(u"Impossible de lire le modèle de journal «\u00A0"_s + Nom_Modele_Log +
                               u"\u00A0» (Erreur N° "_s + QString::number(modele.erreur) + u")."_s);
    }
    return Ecrit_Fichier_Atomique(repertoire_, Nom_Temporaire, Nom_Log(indicatif_), modele.contenu);
}

Resultat Fichier_Log::Ajoute_QSO_Log(const QString& ligne, Trace_Journal* trace) const {
    Resultat echec;
    const auto octets = Encode_Ligne(ligne, echec);
    if (!octets) {
        return echec;
    }
    const auto log = Lit_Contenu(Chemin(), Nom_Log(indicatif_), echec);
    if (!log) {
        return echec;
    }
    if (log->lignes.size() >= Numero_Maximal) {
        return Resultat::Echec(Message_Plein());
    }
    const Resultat r = Ajoute_Au_Fichier(Chemin(), *octets + "\r\n");
    if (r && trace) {
        // The file gains a line end first when its last line had none.
        const bool fin = log->octets.isEmpty() || log->octets.endsWith('\n');
        const QByteArray apres = log->octets + (fin ? "" : "\r\n") + *octets + "\r\n";
        *trace = Trace_Journal::Entre(log->octets, apres);
        trace->ligne_apres = static_cast<int>(log->lignes.size());
        trace->ligne_avant = trace->ligne_apres - 1;
    }
    return r;
}

Resultat Fichier_Log::Insere_QSO_Log(const QString& ligne, Trace_Journal* trace) const {
    Resultat echec;
    const auto octets = Encode_Ligne(ligne, echec);
    if (!octets) {
        return echec;
    }
    const auto cle = Moment_QSO(*octets);
    if (!cle) {
        return Resultat::Echec(
            u"La date ou l'heure du QSO ne peut pas être lue\u00A0: le QSO n'a pas été enregistré."_s);
    }
    auto log = Lit_Contenu(Chemin(), Nom_Log(indicatif_), echec);
    if (!log) {
        return echec;
    }
    if (log->lignes.size() >= Numero_Maximal) {
        return Resultat::Echec(Message_Plein());
    }
    // Before the first line of the same moment or later; lines after it are not looked at.
    qsizetype position = log->lignes.size();
    for (qsizetype i = 0; i < log->lignes.size(); ++i) {
        const auto moment = Moment_QSO(log->lignes[i]);
        if (!moment) {
            return Resultat::Echec(
                u"La ligne "_s + QString::number(i + 1) +
                u" du journal est endommagée\u00A0: sa date ou son heure ne peut pas être lue."_s +
                u"\r\nLe QSO n'a pas été enregistré et le journal n'a pas été modifié."_s);
        }
        if (*moment >= *cle) {
            position = i;
            break;
        }
    }
    log->lignes.insert(position, *octets);
    return Ecrit_Avec_Trace(Nom_Temporaire_Insertion, log->octets, Joint_Lignes(log->lignes), trace,
                            static_cast<int>(qMin(position, log->lignes.size() - 2)),
                            static_cast<int>(position));
}

Resultat Fichier_Log::Remplace_QSO_Log(const QString& nouvelle, const QString& ancienne, int numero,
                                       const QString& ligne_liste, Trace_Journal* trace) const {
    Resultat echec;
    const auto octets = Encode_Ligne(nouvelle, echec);
    if (!octets) {
        return echec;
    }
    auto log = Lit_Contenu(Chemin(), Nom_Log(indicatif_), echec);
    if (!log) {
        return echec;
    }
    const QByteArray cible = Encode_1252(ancienne);
    qsizetype i = Trouve_Ligne(log->lignes, cible, numero, ligne_liste);
    if (i >= 0) {
        log->lignes[i] = *octets;
    } else {
        if (log->lignes.size() >= Numero_Maximal) {
            return Resultat::Echec(Message_Plein());
        }
        i = log->lignes.size();
        log->lignes.append(*octets);
    }
    return Ecrit_Avec_Trace(Nom_Temporaire, log->octets, Joint_Lignes(log->lignes), trace,
                            static_cast<int>(qMin(i, log->lignes.size() - 1)), static_cast<int>(i));
}

Resultat Fichier_Log::Fusionne_QSO_Log(const Lignes_Log& actuelles, const QList<QByteArray>& nouvelles,
                                       Trace_Journal* trace,
                                       const std::function<void()>& avant_ecriture) const {
    if (actuelles.Nombre() + nouvelles.size() > Numero_Maximal) {
        return Resultat::Echec(
            u"Le journal contiendrait "_s + Nombre_Francais(actuelles.Nombre() + nouvelles.size()) +
            u" QSO, plus que les 99\u00A0999 que ORBEL_SWL sait numéroter.\r\nRien n'a été "
            u"ajouté au journal."_s);
    }
    // The new lines by moment, the file's order kept for the same moment.
    struct Nouvelle {
        qint64 moment;
        qsizetype index;
    };
    QList<Nouvelle> ordre;
    ordre.reserve(nouvelles.size());
    for (qsizetype i = 0; i < nouvelles.size(); ++i) {
        const auto m = Moment_QSO(nouvelles[i]);
        if (!m) {
            return Resultat::Echec(
                u"La date ou l'heure d'un QSO à ajouter ne peut pas être lue\u00A0: rien n'a été "
                u"ajouté au journal."_s);
        }
        ordre.append({*m, i});
    }
    std::stable_sort(ordre.begin(), ordre.end(),
                     [](const Nouvelle& a, const Nouvelle& b) { return a.moment < b.moment; });
    // A new line goes before the first line whose moment is the same or later: the first where
    // the running maximum of the moments reaches it. A damaged line before that place stops all.
    QList<QByteArrayView> resultat;
    resultat.reserve(actuelles.Nombre() + nouvelles.size());
    QList<int> ajoutees; // where the new lines stand in the result
    ajoutees.reserve(nouvelles.size());
    qsizetype n = 0;
    qint64 maximum = std::numeric_limits<qint64>::min();
    for (int i = 0; i < actuelles.Nombre(); ++i) {
        const auto m = Moment_QSO(actuelles.Octets(i));
        if (!m && n < ordre.size()) {
            return Resultat::Echec(
                u"La ligne "_s + QString::number(i + 1) +
                u" du journal est endommagée\u00A0: sa date ou son heure ne peut pas être lue."_s +
                u"\r\nRien n'a été ajouté au journal."_s);
        }
        maximum = qMax(maximum, m.value_or(maximum));
        while (n < ordre.size() && ordre[n].moment <= maximum) {
            ajoutees.append(static_cast<int>(resultat.size()));
            resultat.append(nouvelles[ordre[n++].index]);
        }
        resultat.append(actuelles.Octets(i));
    }
    while (n < ordre.size()) {
        ajoutees.append(static_cast<int>(resultat.size()));
        resultat.append(nouvelles[ordre[n++].index]);
    }
    const QByteArray octets = Joint_Lignes(resultat);
    if (avant_ecriture) {
        avant_ecriture();
    }
    const Resultat r =
        Ecrit_Fichier_Atomique(repertoire_, Nom_Temporaire_Insertion, Nom_Log(indicatif_), octets);
    if (r && trace && !ajoutees.isEmpty()) {
        *trace = Trace_Journal::Insertions(actuelles.Octets_Fichier(), octets, ajoutees);
        trace->ligne_apres = ajoutees.first();
        trace->ligne_avant = qMin(ajoutees.first(), actuelles.Nombre() - 1);
    }
    return r;
}

Resultat Fichier_Log::Supprime_QSO_Log(const QString& ligne, int numero, const QString& ligne_liste,
                                       Trace_Journal* trace) const {
    Resultat echec;
    auto log = Lit_Contenu(Chemin(), Nom_Log(indicatif_), echec);
    if (!log) {
        return echec;
    }
    const qsizetype i = Trouve_Ligne(log->lignes, Encode_1252(ligne), numero, ligne_liste);
    if (i < 0) {
        return Resultat::Echec(u"Ce QSO n'a pas été trouvé dans le journal «\u00A0"_s + Nom_Log(indicatif_) +
                               u"\u00A0»\u00A0: rien n'a été supprimé."_s);
    }
    log->lignes.removeAt(i);
    return Ecrit_Avec_Trace(Nom_Temporaire, log->octets, Joint_Lignes(log->lignes), trace,
                            static_cast<int>(i), static_cast<int>(qMin(i, log->lignes.size() - 1)));
}

Resultat Fichier_Log::Marque_QSL_Log(const Lignes_Log& actuelles, const QList<int>& lignes,
                                     Trace_Journal* trace,
                                     const std::function<void()>& avant_ecriture) const {
    const QByteArray& avant = actuelles.Octets_Fichier();
    QByteArray apres = avant;
    QList<qsizetype> positions;
    QList<int> tri = lignes;
    std::sort(tri.begin(), tri.end());
    tri.erase(std::unique(tri.begin(), tri.end()), tri.end());
    for (const int i : tri) {
        if (i < 0 || i >= actuelles.Nombre()) {
            continue;
        }
        const QByteArrayView l = actuelles.Octets(i);
        if (l.size() < Largeur_Ligne_Log || l[Largeur_Ligne_Log - 1] == '*') {
            continue;
        }
        const qsizetype p = (l.data() - avant.constData()) + Largeur_Ligne_Log - 1;
        apres[p] = '*';
        positions << p;
    }
    if (positions.isEmpty()) {
        return Resultat::Succes();
    }
    if (avant_ecriture) {
        avant_ecriture();
    }
    const Resultat r = Ecrit_Fichier_Atomique(repertoire_, Nom_Temporaire, Nom_Log(indicatif_), apres);
    if (r && trace) {
        *trace = Trace_Journal::Octets_Changes(avant, apres, positions);
        trace->ligne_avant = trace->ligne_apres = tri.first();
    }
    return r;
}

Resultat Fichier_Log::Ecrit_Avec_Trace(const QString& temporaire, const QByteArray& avant,
                                       const QByteArray& apres, Trace_Journal* trace, int ligne_avant,
                                       int ligne_apres) const {
    const Resultat r = Ecrit_Fichier_Atomique(repertoire_, temporaire, Nom_Log(indicatif_), apres);
    if (r && trace) {
        *trace = Trace_Journal::Entre(avant, apres);
        trace->ligne_avant = ligne_avant;
        trace->ligne_apres = ligne_apres;
    }
    return r;
}

Resultat Fichier_Log::Rejoue(const Trace_Journal& trace, bool refait, bool* change_ailleurs) const {
    if (change_ailleurs) {
        *change_ailleurs = false;
    }
    Lecture_Fichier l = Lit_Fichier(Chemin());
    if (l.erreur == Fichier_Introuvable) {
        l = {};
    } else if (l.erreur != Lecture_Reussie) {
        return Resultat::Echec(Message_Lecture(Nom_Log(indicatif_), l.erreur));
    }
    const std::optional<QByteArray> octets = refait ? trace.Refait(l.contenu) : trace.Defait(l.contenu);
    if (!octets) {
        if (change_ailleurs) {
            *change_ailleurs = true;
        }
        return Resultat::Echec(
            u"Le journal «\u00A0"_s + Nom_Log(indicatif_) +
            u"\u00A0» a été modifié en dehors de ORBEL_SWL\u00A0: il n'est plus tel que cette "
            u"opération l'a laissé.\r\nRien n'a été modifié."_s);
    }
    if (Nombre_Lignes(*octets) > Numero_Maximal) {
        return Resultat::Echec(u"Le journal contiendrait plus que les 99\u00A0999 QSO que ORBEL_SWL sait "
                               u"numéroter.\r\nRien n'a été modifié."_s);
    }
    return Ecrit_Fichier_Atomique(repertoire_, Nom_Temporaire, Nom_Log(indicatif_), *octets);
}

Resultat Prepare_Repertoire_Programme(const QString& repertoire) {
    if (!QDir().mkpath(repertoire)) {
        return Resultat::Echec(u"Impossible de créer le dossier de ORBEL_SWL «\u00A0"_s + repertoire +
                               u"\u00A0»."_s);
    }
    for (const QString& nom : {Nom_Modele_Log, Nom_Liste_Prenom}) {
        QFile f(QDir(repertoire).filePath(nom));
        if (!f.exists() && !f.open(QIODevice::WriteOnly)) {
            return Resultat::Echec(u"Impossible de créer "_s + Motif_Echec(nom, f.error()) + u'.');
        }
    }
    return Resultat::Succes();
}

} // namespace swl
