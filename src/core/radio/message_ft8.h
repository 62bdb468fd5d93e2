#pragma once

#include <QString>
#include <QStringView>

#include <optional>

namespace swl {

// One standard FT8/FT4 message as WSJT-X and JTDX print a decode: "CQ [modifier] CALL [GRID]",
// or "CALL1 CALL2" followed by a grid, a report "-12", "R-12", "RRR", "RR73", "73" or nothing.
// CALL2 sends, to CALL1. A callsign may be compound ("F/DL1ABC", "DL1ABC/P") or hashed
// ("<F5ABC>", "<...>" when the decoder did not know it).
struct Message_FT8 {
    enum class Sorte {
        Appel,      // CQ: only `emetteur`
        Indicatifs, // the two callsigns alone
        Locator,
        Rapport,
        R_Rapport,
        RRR,
        RR73,
        Soixante_Treize // "73"
    };
    Sorte sorte = Sorte::Appel;
    QString destinataire;              // CALL1; empty for a CQ or a hashed callsign the decoder did not know
    QString emetteur;                  // CALL2; empty for a hashed callsign the decoder did not know
    bool destinataire_inconnu = false; // "<...>"
    bool emetteur_inconnu = false;
    int rapport = 0; // Rapport, R_Rapport: the report sent, in dB

    // A report or a closing sent: R-report, RRR, RR73 or 73.
    bool Avec_Rapport() const { return sorte == Sorte::Rapport || sorte == Sorte::R_Rapport; }
    bool Cloture() const {
        return sorte == Sorte::R_Rapport || sorte == Sorte::RRR || sorte == Sorte::RR73 ||
               sorte == Sorte::Soixante_Treize;
    }
};

// The standard message of a decode text, or nothing for free text, a message of a form not
// listed above, or a callsign the logbook could not hold (13 characters or more, characters
// other than A-Z, 0-9 and "/"). The decoder's trailing marks ("?", "a1"…"a7") are ignored.
std::optional<Message_FT8> Lit_Message_FT8(QStringView texte);

// A callsign of an FT8 message: letters, digits and "/", 3 to 12 characters, one part (between
// slashes) holding a letter and a digit.
bool Indicatif_FT8(QStringView indicatif);

// "-12", "+05", "-24": an SNR as the log writes a report, in 3 characters (kept within ±99).
QString Texte_Rapport_FT8(int snr);

} // namespace swl
