#include "data/CustomerLoad.h"
#include "contracts/CostAssignment.h"
#include "control/Collaborators.h"
#include "control/Context.h"
#include "control/ErrorStyles.h"
#include "control/LoadGuard.h"
#include "control/Narrowing.h"
#include "control/Values.h"
#include "control/Widgets.h"
#include "data/Statements.h"
#include "windows/RichText.h"

namespace belegadressen {

namespace {

QString text(const Recordset& rs, const char* column) {
    return textOf(rs.Value(QString::fromUtf8(column)));
}

bool flag(const Recordset& rs, const char* column) {
    const QVariant v = rs.Value(QString::fromUtf8(column));
    if (v.isNull()) return false;
    if (v.typeId() == QMetaType::QString) {
        const QString s = v.toString().trimmed();
        if (s.compare("true", Qt::CaseInsensitive) == 0 || s == "t") return true;
        if (s.compare("false", Qt::CaseInsensitive) == 0 || s == "f" || s.isEmpty()) return false;
        return s.toDouble() != 0;
    }
    return v.toBool();
}

} // namespace

void CustomerLoad::connectSignals() {
    Ui& u = c.ui;
    onLeave(u.txtDNummer, u.root, [this] { userLeftNummer(); });
    onKeyRelease(u.txtDNummer, [this](int key, Qt::KeyboardModifiers mods) {
        if (key != Qt::Key_F2 ||
            (mods & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier)))
            return false;
        btnKundeClick();
        return true;
    });
    QObject::connect(u.btnKunde, &QToolButton::clicked, u.btnKunde,
                     [this] { guarded([&] { btnKundeClick(); }); });
}

void CustomerLoad::btnKundeClick() {
    c.ev.raiseBtnKundeClick();
    c.st.mSucheKunde = true;
}

// A failure the load itself does not handle must not leave a half-filled
// address that looks loaded, nor reach the event loop.
void CustomerLoad::userLeftNummer() {
    try {
        nummerVerlassen();
    } catch (...) {
        const QString why = errorText(std::current_exception());
        skipOnError([&] { c.svc.meldung("Die Adresse konnte nicht geladen werden: " + why); });
    }
}

void CustomerLoad::leereUndZeige(int i) {
    AdressDaten& r = c.st.mAdressen.at(static_cast<size_t>(i));
    const qint16 kennzeichen = r.Kennzeichen;
    c.st.leereAdresse(i, false);
    r.Kennzeichen = kennzeichen;
    c.parts.view.ZeigeAdresse();
}

void CustomerLoad::nummerVerlassen() {
    ControlState& st = c.st;
    Ui& u = c.ui;
    if (st.mSucheKunde || st.mSucheAdresse) {
        st.mSucheKunde = st.mSucheAdresse = false;
        return;
    }
    refuseDuringLoad(st, QStringLiteral("fktDragNummer"));
    const LoadGuard loading(st);
    const int i = st.currentIndex();
    AdressDaten& r = st.current();
    const QString nummer = u.txtDNummer->text();
    if (nummer == r.Nummer) return;

    if (nummer.isEmpty()) {
        leereUndZeige(i);
        if (i == 0) c.parts.currency.raiseWaehrungchange();
        c.ev.raiseChange();
        if (i == 0) {
            st.mAdressen[0].Rabatt = 0;
            c.ev.raiseChangeKundenrabatt(0);
        }
        return;
    }

    if (!LeseKunde(nummer)) {
        if (i > 0 && c.parts.addresses.LeseAdresse(nummer)) {
            c.parts.addresses.fill();
            return;
        }
        c.svc.meldung("Die Adressnummer " + nummer + " ist nicht vorhanden.");
        leereUndZeige(i);
        focusIfShown(u.txtDNummer);
        return;
    }

    std::shared_ptr<Recordset> rs = st.mRsKunde;
    try {
        st.mAenderungMelden = false;
        st.leereAdresse(i, false);
        r.Nummer = nummer;
        fill(r, *rs, i);
        c.parts.view.ZeigeAdresse();
        if (i == 0) c.parts.sites.LadeStandort(nummer, false);
        if (i == 1) {
            c.parts.sites.LadeStandort(nummer, true);
            c.parts.view.ZeigeAdresse();
            c.parts.layout.SetzeSeitenLayout(1);
        }
    } catch (...) {
        leereUndZeige(i);
        SchliesseKunde();
        throw;
    }
    if (i == 0) c.parts.currency.raiseWaehrungchange();
    c.ev.raiseChange();
    const QString mwst = st.mAdressen[0].MwstKnz;
    if (i == 0 && !mwst.isEmpty() && mwst != QLatin1String("0")) {
        c.ev.raiseChangeMwstKnz(QString());
        c.ev.raiseChangeMwstKnz(r.MwstKnz);
    }
    st.mAenderungMelden = true;
    skipOnError([&] { showInternalRemark(*rs); });
    SchliesseKunde();
}

void CustomerLoad::fill(AdressDaten& r, Recordset& rs, int i) {
    r.MwstKnz = text(rs, "MWST_KZ");
    r.Anrede = text(rs, "Anrede");
    r.Vorname = text(rs, "Vorname");
    r.Bez1 = text(rs, "Bez1");
    r.Bez2 = text(rs, "Bez2");
    r.Bez3 = text(rs, "Bez3");
    r.Bez4 = text(rs, "Bez4");
    r.HauptKonto = text(rs, "HauptKonto");
    r.UstIdentNr = text(rs, "UstIdentNr");
    const QVariant rabatt = rs.Value("Auftragsrabatt");
    r.Rabatt = rabatt.isNull() ? 0.0 : rabatt.toDouble();
    if (i == 0) c.ev.raiseChangeKundenrabatt(r.Rabatt);
    r.Zahlungsart = text(rs, "Zahlungsart").trimmed();
    r.PostfachPlz = text(rs, "PostfachPlz");
    r.Postfach = text(rs, "Postfach");
    r.Zahlungsbedingungen = text(rs, "ZahlungsbedSchl");
    r.KzDivers = flag(rs, "KzDivers");
    r.DruckAufbewahrungsfrist = flag(rs, "DruckAufbewahrungsfrist");
    r.RechnungPerPDF = flag(rs, "RechnungPerPDF");
    r.MitUeberweisungen = flag(rs, "MitUeberweisungen");
    r.Ort = text(rs, "Ort");
    r.Land = text(rs, "Land");
    r.Strasse = text(rs, "Straße");
    r.Postleitzahl = text(rs, "Plz");
    r.Versandart.clear();
    fillCurrency(r, rs);
    r.Vertreter1 = text(rs, "VertreterNr1");
    r.Vertreter2 = text(rs, "VertreterNr2");
    r.Vertreter3 = text(rs, "VertreterNr3");
    r.Liefersperre = flag(rs, "Liefersperre");
    r.RKD_Nr = text(rs, "RG_KdNr");
    r.VKD_Nr = text(rs, "VS_KdNr");
    r.VAD_Nr = text(rs, "VS_AdrNr");
    r.RAD_Nr = text(rs, "RG_AdrNr");
    r.KAnNr = text(rs, "KopftextAN");
    r.KAuNr = text(rs, "KopftextAB");
    r.KLsNr = text(rs, "KopftextLS");
    r.KReNr = text(rs, "KopftextRG");
    r.KGuNr = text(rs, "KopftextGS");
    r.FAnNr = text(rs, "FußtextAN");
    r.FAuNr = text(rs, "FußtextAB");
    r.FLsNr = text(rs, "FußtextLS");
    r.FReNr = text(rs, "FußtextRG");
    r.FGuNr = text(rs, "FußtextGS");
    const int art = c.st.mBelegart;
    if (i == 0 && (art == 110 || art == 120 || art == 130)) {
        r.WartAnsprechpartnerTelefon = text(rs, "Telefon");
        r.WartAnsprechpartnerFax = text(rs, "Telefax");
        r.WartAnsprechpartnerMobil = text(rs, "Telefon2");
    }
}

void CustomerLoad::fillCurrency(AdressDaten& r, Recordset& rs) {
    Currency& cur = c.parts.currency;
    const QString home = c.st.mLandeswaehrung;
    const QString column = text(rs, "Währung");
    const QString w = column.trimmed();
    r.Waehrung = (w.isEmpty() || w == QLatin1String("0")) ? home : column;
    if (r.Waehrung.trimmed() == home) {
        r.Waehrungserfassung = 1;
        r.Wechselkurs = 0;
    } else {
        r.Waehrungserfassung = 2;
        const double rate = cur.HoleWaehrungskurs(r.Waehrung.trimmed());
        r.Wechselkurs = rate == -1 ? 0 : rate;
    }
    const double homeRate = cur.HoleWaehrungskurs(home);
    r.WechselkursHauswaehrung = homeRate == -1 ? 0 : homeRate;
    r.Kursbehandlung = 2;
}

bool CustomerLoad::LeseKunde(const QString& nummer) {
    ControlState& st = c.st;
    try {
        if (nummer.trimmed().isEmpty()) return false;
        st.mRsKunde = c.svc.connection()->Execute(statements::kundeSelect(nummer));
        st.mKostenstelle.clear();
        st.mKostentraeger.clear();
        st.mKundengruppe.clear();
        if (st.mRsKunde->Eof()) {
            st.mRsKunde.reset();
            return false;
        }
        LeseKostenzuordnung(*st.mRsKunde);
        st.mKundengruppe = text(*st.mRsKunde, "Kundengruppe");
        return true;
    } catch (...) {
        st.mRsKunde.reset();
        reportReaderFailure(c.svc, QStringLiteral("LeseKunde"));
        return false;
    }
}

void CustomerLoad::LeseKostenzuordnung(Recordset& rs) {
    ControlState& st = c.st;
    if (!st.mKostenzuordnung) {
        st.mKostenzuordnung = c.svc.newCostAssignment();
        st.mKostenzuordnung->Init(c.svc.connection());
    }
    const QVariant kostid = rs.Value("kostid");
    if (kostid.isNull() || kostid.toLongLong() == 0) return;
    const std::optional<qint32> id = toInt32(kostid);
    if (!id) {
        c.svc.meldung(QStringLiteral("Die Kostenzuordnung %1 des Kunden liegt außerhalb des "
                                     "gültigen Bereichs und wird nicht gelesen.")
                          .arg(kostid.toString()));
        return;
    }
    if (st.mKostenzuordnung->Suche(*id)) {
        st.mKostentraeger = st.mKostenzuordnung->Kostentraeger();
        st.mKostenstelle = st.mKostenzuordnung->Kostenstelle();
    }
}

void CustomerLoad::showInternalRemark(Recordset& rs) {
    const QString remark = text(rs, "InterneBemerkung").trimmed();
    c.ui.chkRtf->setPlainText(plainFromRichText(remark));
    if (c.ui.chkRtf->toPlainText().isEmpty()) return;
    c.parts.info.prepare(QStringLiteral("1"), text(rs, "Kundennummer"), remark);
    c.ui.Timer1->start();
    if (shown(c.ui.ocxAnrede)) c.ui.ocxAnrede->setFocus(Qt::OtherFocusReason);
}

void CustomerLoad::SchliesseKunde() { c.st.mRsKunde.reset(); }

qint32 CustomerLoad::fktDragNummer(const QString& nummer) {
    return zeroOnError([&]() -> qint32 {
        refuseDuringLoad(c.st, QStringLiteral("fktDragNummer"));
        Ui& u = c.ui;
        if (!u.panSeite[0]->isHidden()) c.parts.pages.switchToPage1Quietly();
        focusIfShown(u.txtDNummer);
        u.txtDNummer->setText(nummer);
        c.st.mSucheKunde = c.st.mSucheAdresse = false;
        nummerVerlassen();
        return -1;
    });
}

} // namespace belegadressen
