#pragma once

#include <QLabel>

namespace swl {

// The caption above the main list. Its text is the program's caption, word for word; each
// word is drawn over the list column it names, so that the caption lines up with the
// fixed-pitch lines whatever the font.
class Libelle_Colonnes final : public QLabel {
    Q_OBJECT
public:
    explicit Libelle_Colonnes(QWidget* parent = nullptr);
    Q_DISABLE_COPY_MOVE(Libelle_Colonnes)

    // Pixels between the label's left edge and the first character of a list line.
    void Fixe_Marge(int pixels);

protected:
    void paintEvent(QPaintEvent* evenement) override;

private:
    int marge_ = 0;
};

} // namespace swl
