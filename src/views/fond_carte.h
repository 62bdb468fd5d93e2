// The department map's picture and its markers, shared by the windows that show it.
#pragma once

#include "core/reports/carte.h"
#include "platform/services.h"

#include <QColor>

#include <array>

class QLabel;
class QWidget;

namespace swl {

struct Fond_Carte {
    QLabel* image = nullptr; // "Picture1": the map, or the message saying why it is missing
    std::array<QLabel*, Nombre_Marqueurs> marqueurs{}; // "Dep(0)" … "Dep(99)", on the picture
};

// The picture and the marker table found beside the program; each marker placed, the hidden
// ones (0, 20, 98, 99) left hidden.
Fond_Carte Construit_Fond_Carte(const Services& services, QWidget* parent);

// A marker's (or any label's) background colour.
void Colore_Case(QLabel* case_, const QColor& couleur);

} // namespace swl
