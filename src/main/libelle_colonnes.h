#pragma once

#include <QLabel>
#include <QPointer>

class QListView;

namespace swl {

// The caption above the main list. Its text is the program's caption, word for word; each
// word is drawn over the first character of the list column it names, in the list's own font,
// so that the caption lines up with the fixed-pitch lines whatever the font, the list's frame
// and margins, and its horizontal scrolling.
class Libelle_Colonnes final : public QLabel {
    Q_OBJECT
public:
    explicit Libelle_Colonnes(QWidget* parent = nullptr);
    Q_DISABLE_COPY_MOVE(Libelle_Colonnes)

    // The list whose columns the caption names.
    void Suit_Liste(QListView* liste);
    // Where the list draws the first character of its lines, in this label's pixels.
    double Debut_Ligne() const;

protected:
    void paintEvent(QPaintEvent* evenement) override;
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    QPointer<QListView> liste_;
};

} // namespace swl
