#pragma once

// What differs between the log's contents before and after a change: the lines taken out and
// the lines put in, found by what both start and end with. What follows the log (the index of
// what is new, the clips, the report store) reads a change through it, never the whole log.
#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

#include <optional>

namespace swl {

struct Difference_Journal {
    QList<QByteArrayView> retirees; // views into the contents before
    QList<QByteArrayView> ajoutees; // views into the contents after
    // The bytes that differ, both sides together: a change of most of the log (another
    // station's log, a large import) is better read whole.
    qsizetype octets = 0;
};

// Both contents must outlive the result (it holds views into them).
Difference_Journal Difference_Lignes(const QByteArray& ancien, const QByteArray& nouveau);

// A station's log from one reading to the next: what each reading changed. Another station's
// log, or the first reading, changed nothing that can be followed.
class Suivi_Journal final {
public:
    // The difference from the last reading (valid until the next call), or nothing.
    std::optional<Difference_Journal> Suit(const QString& station, const QByteArray& contenu);

private:
    QString station_;
    QByteArray ancien_;
    QByteArray contenu_;
};

} // namespace swl
