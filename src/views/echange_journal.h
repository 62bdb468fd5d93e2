#pragma once

#include "platform/services.h"

#include <QString>

class QWidget;

namespace swl {

// The log exchanged with other programs: "Exporter le journal…" (ADIF, ADX or CSV) and
// "Importer un journal ADIF…" (ADI or ADX, with its progress and its French summary).
class Echange_Journal final {
public:
    Echange_Journal(const Services& services, QWidget* fenetre);

    void Exporte(const QString& indicatif);
    // True when QSOs were added: the main list is to be read again.
    bool Importe(const QString& indicatif);

private:
    const Services& services_;
    QWidget* fenetre_;
};

} // namespace swl
