#pragma once

#include <QList>
#include <QString>
#include <QStringView>

#include <optional>
#include <utility>

namespace swl {

// A small XML reader for the files of other programs, quick on large files and safe on
// hostile ones: elements, attributes, text, CDATA sections, comments and processing
// instructions; the five predefined entities and character references. A DTD, or any other
// entity, is refused: nothing is ever expanded beyond the file's own size. Nesting is bounded.
// Errors are told in French.
class Lecteur_XML final {
public:
    // `texte`: the whole document, decoded. It must outlive the reader and the views it gives.
    explicit Lecteur_XML(QStringView texte);

    enum class Jeton { Debut, Fin, Fin_Du_Document, Erreur };
    // The next start or end of an element; text, comments and instructions are passed over.
    Jeton Suivant();
    // The name of the element just started or ended.
    QStringView Nom() const { return nom_; }
    // An attribute of the element just started, its entities replaced (in `tampon` when there
    // are some), or nothing.
    std::optional<QStringView> Attribut(QStringView nom, QString& tampon);
    // The text of the element just started, its children's text included; the reader then
    // stands after its end. At most `maximum` characters are kept, `longueur` receives the
    // whole length. A view into the document when it holds no entity, else into `tampon`.
    QStringView Texte(qsizetype maximum, qsizetype& longueur, QString& tampon);
    // Passes the element just started, up to its end.
    void Passe();

    bool En_Erreur() const { return !erreur_.isEmpty(); }
    // Why reading stopped, in French.
    const QString& Erreur() const { return erreur_; }
    // Not well-formed; stopped before its end (an element left open, a tag cut); or refused
    // (a DTD, an entity of its own).
    enum class Sorte_Erreur { Mal_Forme, Prematuree, Refus };
    Sorte_Erreur Sorte() const { return sorte_; }
    // The line of the error, or of where the reader stands, from 1.
    qsizetype Ligne() const;
    // Where the reader stands in the document, in characters.
    qsizetype Position() const { return pos_; }

    static constexpr int Profondeur_Maximale = 64;

private:
    enum class Lu { Rien, Debut, Fin, Texte };
    // Reads one piece at the current position: a tag, a text, a comment…
    Lu Lit(QStringView& texte, bool& avec_entites);
    bool Lit_Debut();
    bool Lit_Fin();
    // Replaces the entities of `brut` (appended to `sortie`, at most `maximum` characters in
    // all); false with the error set when one is not allowed.
    bool Remplace_Entites(QStringView brut, QString& sortie, qsizetype maximum, qsizetype& longueur);
    bool Echec(const QString& message, Sorte_Erreur sorte = Sorte_Erreur::Mal_Forme);

    QStringView t_;
    qsizetype pos_ = 0;
    QStringView nom_;
    QList<std::pair<QStringView, QStringView>> attributs_; // raw values, entities not replaced
    QList<QStringView> ouverts_;
    bool vide_ = false;          // the element just started ends with "/>"
    bool vide_a_fermer_ = false; // its end is still to be reported
    bool racine_vue_ = false;
    QString erreur_;
    Sorte_Erreur sorte_ = Sorte_Erreur::Mal_Forme;
};

} // namespace swl
