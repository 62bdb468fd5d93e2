#pragma once

#include <QString>

namespace swl {

class Boites_Message;
class Horloge;
class Imprimante;
class Navigateur;
class Programme;
class Reglages;

// What every window is given at construction: the platform, and where the files lie.
struct Services {
    Boites_Message& messages;
    Horloge& horloge;
    Reglages& reglages;
    Programme& programme;
    Imprimante& imprimante;
    Navigateur& navigateur;
    QString repertoire; // the program directory
};

} // namespace swl
