#pragma once

#include <QString>

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
};

class Boites_Message_Qt final : public Boites_Message {
public:
    void Message(const QString& texte) override;
    bool Question(const QString& texte) override;
};

} // namespace swl
