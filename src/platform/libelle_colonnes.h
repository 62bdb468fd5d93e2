#pragma once

#include <QLabel>
#include <QList>
#include <QPointer>

class QListView;

namespace swl {

// A word of a column caption and the column (from 1) of the list line it stands over.
struct Mot_Colonne {
    QString mot;
    int colonne;
};

// The caption above a list of fixed-column lines. Its text is the program's caption, word for
// word; each word is drawn over the first character of the column it names, in the list's own
// font, so that the caption lines up with the lines whatever the font, the list's frame and
// margins, and its horizontal scrolling.
class Libelle_Colonnes final : public QLabel {
    Q_OBJECT
public:
    // `mots`: the caption's words in their order, each with its column.
    explicit Libelle_Colonnes(QList<Mot_Colonne> mots, QWidget* parent = nullptr);
    Q_DISABLE_COPY_MOVE(Libelle_Colonnes)

    // The list whose columns the caption names.
    void Suit_Liste(QListView* liste);
    // Where the list draws the first character of its lines, in this label's pixels.
    double Debut_Ligne() const;

protected:
    void paintEvent(QPaintEvent* evenement) override;
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    QList<Mot_Colonne> mots_;
    QPointer<QListView> liste_;
};

} // namespace swl
