#include "commercial/Currency.h"
#include "control/Context.h"
#include "control/ErrorStyles.h"
#include "control/Values.h"
#include "platform/SqlText.h"
#include "platform/GermanNumbers.h"

namespace belegadressen {

QString Currency::formatRate(double rate) { return formatGerman(rate, 5); }

double Currency::parseRate(const QString& text) { return parseGerman(text); }

double Currency::HoleWaehrungskurs(const QString& code) {
    auto rs =
        c.svc.connection()->Execute("Select Kurs from Währungen where Währung = " + quoted(code));
    if (rs->Eof()) return -1;
    const QVariant kurs = rs->Value("kurs");
    return kurs.isNull() ? 0.0 : kurs.toDouble();
}

bool Currency::isHomeCurrency(const QString& code) const {
    return code.compare(c.st.mLandeswaehrung, Qt::CaseInsensitive) == 0;
}

void Currency::SetzeWaehrungsanzeige(const QString& code) {
    c.ui.lblWaehrungserfassung->setText(isHomeCurrency(code) ? QStringLiteral("Hauswährung")
                                                             : QStringLiteral("Fremdwährung"));
}

void Currency::showRateFields(bool foreign) {
    for (QWidget* w :
         {static_cast<QWidget*>(c.ui.cdoDKursbehandlung),
          static_cast<QWidget*>(c.ui.lblKursbehandlung),
          static_cast<QWidget*>(c.ui.txtDWechselkurs), static_cast<QWidget*>(c.ui.lblWechselkurs)})
        w->setVisible(foreign);
}

void Currency::zeige(const AdressDaten& r) {
    Ui& u = c.ui;
    skipOnError([&] {
        u.ocxWaehrung->setKeyValue(r.Waehrung.isEmpty() ? QVariant() : QVariant(r.Waehrung));
    });
    skipOnError([&] { SetzeWaehrungsanzeige(r.Waehrung); });
    skipOnError([&] { showRateFields(!isHomeCurrency(r.Waehrung)); });
    skipOnError([&] { u.TxtDHauswaehrung->setText(c.st.mLandeswaehrung); });
    skipOnError([&] { u.txtDKursHauswaehrung->setText(formatRate(r.WechselkursHauswaehrung)); });
    skipOnError([&] { c.svc.listSelection().Select(*u.cdoDKursbehandlung, r.Kursbehandlung); });
}

void Currency::speichere(AdressDaten& r) {
    Ui& u = c.ui;
    const QVariant key = u.ocxWaehrung->KeyValue();
    r.Waehrung = textOf(key);
    r.Waehrungserfassung = isHomeCurrency(r.Waehrung) ? 1 : 2;
    r.WechselkursHauswaehrung = parseRate(u.txtDKursHauswaehrung->text());
    r.Kursbehandlung =
        static_cast<qint16>(c.svc.listSelection().SelectedValue(*u.cdoDKursbehandlung).toInt());
}

void Currency::AddWaehrung(const QString& code) {
    AdressDaten& r = c.st.current();
    ChangeGate gate(c.st);
    r.Waehrung = code.trimmed().isEmpty() ? c.st.mLandeswaehrung : code;
    c.ui.ocxWaehrung->setKeyValue(r.Waehrung);
    const QVariant shownKey = c.ui.ocxWaehrung->KeyValue();
    SetzeWaehrungsanzeige(textOf(shownKey));
}

void Currency::AddWechselkursHauswaehrung(double rate) {
    AdressDaten& r = c.st.current();
    ChangeGate gate(c.st);
    if (rate != 0) {
        r.WechselkursHauswaehrung = rate;
    } else {
        double home = 0;
        skipOnError([&] { home = HoleWaehrungskurs(c.st.mLandeswaehrung); });
        r.WechselkursHauswaehrung = home == -1 ? 0 : home;
    }
    skipOnError([&] { c.ui.txtDKursHauswaehrung->setText(formatRate(r.WechselkursHauswaehrung)); });
    skipOnError([&] { c.ui.TxtDHauswaehrung->setText(c.st.mLandeswaehrung); });
}

void Currency::AddKursbehandlung(qint16 value) {
    AdressDaten& r = c.st.current();
    ChangeGate gate(c.st);
    r.Kursbehandlung = value;
    c.svc.listSelection().Select(*c.ui.cdoDKursbehandlung, value);
}

void Currency::raiseWaehrungchange() {
    const QVariant key = c.ui.ocxWaehrung->KeyValue();
    c.ev.raiseWaehrungchange(textOf(key), parseRate(c.ui.txtDKursHauswaehrung->text()),
                             c.ui.txtDWechselkurs->value(),
                             static_cast<qint16>(c.ui.cdoDKursbehandlung->currentIndex()));
}

} // namespace belegadressen
