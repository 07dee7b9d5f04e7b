#include "bankfile/Pain002Reasons.h"

#include <QHash>

using namespace Qt::StringLiterals;

namespace Pain002 {

namespace {

const QHash<QString, QString> &reasonTexts()
{
    static const QHash<QString, QString> texts = {
        {u"AB05"_s, u"Isteklo je vrijeme za obradu kod banke primatelja"_s},
        {u"AB06"_s, u"Isteklo je vrijeme za obradu kod banke"_s},
        {u"AB08"_s, u"Banka primatelja nije dostupna"_s},
        {u"AC01"_s, u"Neispravan broj računa (IBAN)"_s},
        {u"AC02"_s, u"Neispravan račun platitelja"_s},
        {u"AC03"_s, u"Neispravan račun primatelja"_s},
        {u"AC04"_s, u"Račun je zatvoren"_s},
        {u"AC06"_s, u"Račun je blokiran"_s},
        {u"AC13"_s, u"Neispravna vrsta računa platitelja"_s},
        {u"AG01"_s, u"Transakcija nije dopuštena na ovom računu"_s},
        {u"AG02"_s, u"Neispravna vrsta plaćanja ili šifra operacije"_s},
        {u"AM01"_s, u"Iznos je nula"_s},
        {u"AM02"_s, u"Iznos je veći od dopuštenog"_s},
        {u"AM03"_s, u"Valuta nije dopuštena"_s},
        {u"AM04"_s, u"Nema dovoljno sredstava na računu"_s},
        {u"AM05"_s, u"Dvostruki nalog (isti nalog je već zaprimljen)"_s},
        {u"AM09"_s, u"Iznos nije ispravan"_s},
        {u"AM10"_s, u"Kontrolni zbroj nije ispravan"_s},
        {u"BE01"_s, u"Naziv primatelja ne odgovara računu"_s},
        {u"BE04"_s, u"Nedostaje ili je neispravna adresa primatelja"_s},
        {u"BE05"_s, u"Nepoznat nalogodavatelj"_s},
        {u"CH03"_s, u"Datum izvršenja je predaleko u budućnosti"_s},
        {u"CH04"_s, u"Datum izvršenja je predaleko u prošlosti"_s},
        {u"CNOR"_s, u"Banka primatelja nije dostupna u platnom sustavu"_s},
        {u"DNOR"_s, u"Banka platitelja nije dostupna u platnom sustavu"_s},
        {u"DT01"_s, u"Neispravan datum"_s},
        {u"DUPL"_s, u"Dvostruka poruka ili nalog (već zaprimljen)"_s},
        {u"ED05"_s, u"Namira nije uspjela"_s},
        {u"FF01"_s, u"Neispravan format datoteke ili naloga"_s},
        {u"FF02"_s, u"Neispravna sintaksa"_s},
        {u"FOCR"_s, u"Povrat na zahtjev za opoziv"_s},
        {u"MD07"_s, u"Vlasnik računa je preminuo"_s},
        {u"MS02"_s, u"Primatelj je odbio nalog bez navedenog razloga"_s},
        {u"MS03"_s, u"Banka je odbila nalog bez navedenog razloga"_s},
        {u"NARR"_s, u"Razlog je opisan u tekstu"_s},
        {u"RC01"_s, u"Neispravna oznaka banke (BIC)"_s},
        {u"RR01"_s,
         u"Nedostaje ili je neispravan račun ili identifikacija platitelja (regulatorni razlog)"_s},
        {u"RR02"_s, u"Nedostaje naziv ili adresa platitelja (regulatorni razlog)"_s},
        {u"RR03"_s, u"Nedostaje naziv ili adresa primatelja (regulatorni razlog)"_s},
        {u"RR04"_s, u"Regulatorni razlog"_s},
        {u"SL01"_s, u"Posebna usluga banke"_s},
        {u"TM01"_s, u"Nalog je zaprimljen nakon krajnjeg roka"_s},
    };
    return texts;
}

} // namespace

QString reasonText(const QString &code)
{
    const auto found = reasonTexts().constFind(code);
    if (found != reasonTexts().constEnd())
        return found.value();
    if (code.isEmpty())
        return u"Razlog nije naveden"_s;
    return u"Razlog %1 (pogledajte popis ISO razloga ili pitajte banku)"_s.arg(code);
}

QString reasonMessage(const QList<Reason> &reasons)
{
    QStringList parts;
    for (const Reason &reason : reasons) {
        QString part = reasonText(reason.code);
        if (!reason.texts.isEmpty())
            part += u": "_s + reason.texts.join(u' ');
        parts.append(part);
    }
    return parts.join(u"; "_s);
}

QString reasonCodes(const QList<Reason> &reasons)
{
    QStringList codes;
    for (const Reason &reason : reasons)
        codes.append(reason.code);
    return codes.join(u',');
}

} // namespace Pain002
