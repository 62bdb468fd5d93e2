#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

namespace swl {

// What a log file held at one moment: its length and a hash of its bytes.
struct Empreinte {
    qsizetype taille = -1;
    size_t hachage = 0;
    friend bool operator==(const Empreinte&, const Empreinte&) = default;
};
Empreinte Empreinte_De(QByteArrayView octets);

// What one change did to a log file, so that it can be taken back and made again byte for
// byte: the places where the bytes differ and what each held before and after. Only those
// bytes are kept, never a copy of the log.
class Trace_Journal final {
public:
    Trace_Journal() = default;
    // The change from `avant` to `apres`, at the one place where they differ (what both
    // start and end with is left out).
    static Trace_Journal Entre(QByteArrayView avant, QByteArrayView apres);
    // A change that only added the whole lines numbered `ajoutees` (from 0, in `apres`,
    // ascending), as the import's merge does: one place per run of added lines. When the other
    // lines of `apres` are not byte for byte those of `avant` (line ends rewritten), the
    // change is kept as `Entre` keeps it.
    static Trace_Journal Insertions(QByteArrayView avant, QByteArrayView apres, const QList<int>& ajoutees);
    // A change that only rewrote single bytes, at `positions` (ascending), the file keeping its
    // length (QSOs marked confirmed): one place per byte.
    static Trace_Journal Octets_Changes(QByteArrayView avant, QByteArrayView apres,
                                        const QList<qsizetype>& positions);

    bool Vide() const { return empreinte_apres_.taille < 0; }
    const Empreinte& Avant() const { return empreinte_avant_; }
    const Empreinte& Apres() const { return empreinte_apres_; }
    // The file as it was before the change, made from the file as the change left it; nothing
    // when `apres` is not what the change left.
    std::optional<QByteArray> Defait(QByteArrayView apres) const;
    // The file as the change left it, made from the file as the change found it; nothing when
    // `avant` is not what the change found.
    std::optional<QByteArray> Refait(QByteArrayView avant) const;
    // The bytes this trace keeps.
    qsizetype Memoire() const;

    // The entry to select once the change is undone or made again: its index from 0 in the
    // file of that moment, or -1.
    int ligne_avant = -1;
    int ligne_apres = -1;

private:
    struct Morceau {
        qsizetype position_avant; // where it starts in the file before the change
        qsizetype position_apres; // and after it
        qsizetype taille_avant;
        qsizetype taille_apres;
        qsizetype debut_avant; // where its bytes start in retires_
        qsizetype debut_apres; // and in ajoutes_
    };
    // One side made from the other: `sens_avant` true makes the file before the change.
    std::optional<QByteArray> Reconstruit(QByteArrayView source, bool sens_avant) const;

    QList<Morceau> morceaux_;
    QByteArray retires_; // what the change took away, place after place
    QByteArray ajoutes_; // what it put there
    Empreinte empreinte_avant_;
    Empreinte empreinte_apres_;
};

// The French name of a step, as the menu items show it after "Annuler" or "Rétablir":
// "la suppression du QSO 12 (F5ABC)", "l'import de 1 000 QSO".
enum class Sorte_Etape { Sauvegarde, Modification, Insertion, Suppression };
QString Nom_Etape(Sorte_Etape sorte, int numero, QStringView indicatif);
QString Nom_Etape_Import(int nombre);
// "l'enregistrement de 3 QSO entendus en FT8/FT4".
QString Nom_Etape_QSO_Entendus(int nombre);
// "la confirmation de 12 QSO".
QString Nom_Etape_Confirmations(int nombre);

} // namespace swl
