#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace swl {

// Modal message boxes: title "ORBEL_SWL", no icon.
class Boites_Message {
public:
    virtual ~Boites_Message() = default;
    // OK button alone.
    virtual void Message(const QString& texte) = 0;
    // "Oui" and "Non", "Oui" the default; true for "Oui".
    virtual bool Question(const QString& texte) = 0;
    // The same with "Non" the default, for a question whose "Oui" replaces the user's data.
    virtual bool Question_Non_Par_Defaut(const QString& texte) = 0;

    // Reports a long task's progress (0 to 100); false once the user pressed "Annuler".
    using Avance = std::function<bool(int pour_cent)>;
    // Runs `travail`, showing `texte`, a progress bar and "Annuler" when it lasts.
    virtual void Avec_Progression(const QString& texte,
                                  const std::function<void(const Avance&)>& travail) = 0;
};

class Boites_Message_Qt final : public Boites_Message {
public:
    void Message(const QString& texte) override;
    bool Question(const QString& texte) override;
    bool Question_Non_Par_Defaut(const QString& texte) override;
    void Avec_Progression(const QString& texte, const std::function<void(const Avance&)>& travail) override;
};

} // namespace swl
