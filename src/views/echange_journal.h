#pragma once

#include "core/exchange/adif.h"
#include "platform/services.h"

#include <QString>

#include <functional>

class QWidget;

namespace swl {

// The log exchanged with other programs: "Exporter le journal…" (ADIF, ADX or CSV) and
// "Importer un journal ADIF…" (ADI or ADX, with its progress and its French summary).
class Echange_Journal final {
public:
    Echange_Journal(const Services& services, QWidget* fenetre);

    void Exporte(const QString& indicatif);
    // What was added (the main list is then to be read again), and the merge's trace.
    // `avant_import` runs once the file is chosen and read, before the log is changed.
    Bilan_Import Importe(const QString& indicatif, const std::function<void()>& avant_import = {});

private:
    const Services& services_;
    QWidget* fenetre_;
};

} // namespace swl
