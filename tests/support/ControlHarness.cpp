// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#include "support/ControlHarness.h"
#include "support/EventRecord.h"
#include <QApplication>
#include <QTest>

using namespace belegadressen;

namespace batest {

namespace {

void seed(TestDatabase& db) {
    const char* const rows[] = {
        "INSERT INTO Währungen (Währung, Langtext, Kurs) VALUES ('EUR','Euro',1.0),"
        " ('CHF','Schweizer Franken',0.95), ('USD','US-Dollar',1.1)",
        "INSERT INTO Kostenzuordnung (KostID, Kostenstelle, Kostentraeger) VALUES "
        "(7,'KST100','KTR200')",
        "INSERT INTO Kundenstamm (Kundennummer, Anrede, Vorname, Bez1, Bez2, Straße, PLZ, Ort, "
        "Land,"
        " MwSt_KZ, UStIdentNr, HauptKonto, Auftragsrabatt, Zahlungsart, ZahlungsbedSchl, Währung,"
        " KzDivers, DruckAufbewahrungsfrist, RechnungPerPDF, MitUeberweisungen, Liefersperre,"
        " VertreterNr1, KopftextAN, FußtextRG, KostID, Kundengruppe, Telefon, Telefax, Telefon2,"
        " VS_KdNr, RG_AdrNr)"
        " VALUES ('10001','Firma','Jörg','Müller Haustechnik GmbH','Heizung & "
        "Sanitär','Hauptstraße 1',"
        " '70173','Stuttgart','D','1','DE123456789','10001',12.5,' BAR ','14T','EUR',-1,-1,0,-1,0,"
        " 'V1','001','007',7,'Handwerk','0711-1','0711-2','0170-3','20001','A-7')",
        "INSERT INTO Kundenstamm (Kundennummer, Bez1, Ort, MwSt_KZ, Auftragsrabatt, Währung, "
        "KzDivers,"
        " Liefersperre) VALUES ('10002','Zürcher Bau AG','Zürich','2',NULL,'CHF',0,0)",
        "INSERT INTO Kundenstamm (Kundennummer, Bez1, MwSt_KZ, Währung, KzDivers, Liefersperre)"
        " VALUES ('10003','Ohne Währung','0','0',0,0)",
        "INSERT INTO Kundenstamm (Kundennummer, Bez1, Währung, KzDivers, Liefersperre)"
        " VALUES ('10004','Unbekannte Währung','XYZ',0,0)",
        "INSERT INTO Kundenstamm (Kundennummer, Bez1, Währung, KzDivers, Liefersperre, "
        "InterneBemerkung)"
        " VALUES ('O''Brien','O''Brien & Söhne','',0,0,'{\\rtf1\\ansi Nur gegen Vorkasse\\par}')",
        "INSERT INTO Adressenstamm (AdressNummer, AnredeHW, Vorname, Bez1, Bez2, Bez3, Straße, "
        "PLZ, Ort,"
        " Land) VALUES ('A-100','Herr','Karl','Lieferant Karl Kunz','Lager','Tor 3','Gewerbestraße "
        "9',"
        " '80331','München','D')",
    };
    for (const char* row : rows)
        db.exec(QString::fromUtf8(row));
}

} // namespace

ControlHarness::ControlHarness(Engine engine, int addresses)
    : ControlHarness(std::make_unique<TestDatabase>(engine), addresses) {}

ControlHarness::ControlHarness(const QString& poolerConnInfo, int addresses)
    : ControlHarness(std::make_unique<TestDatabase>(true, poolerConnInfo), addresses) {}

ControlHarness::ControlHarness(std::unique_ptr<TestDatabase> db, int addresses)
    : mDb(std::move(db)), mSql(std::make_shared<RecordingConnection>(mDb->connection())),
      mRec(std::make_shared<RecordingServices>()), mControl(std::make_unique<BelegAdressen>()) {
    seed(*mDb);
    setUp(addresses);
}

ControlHarness::ControlHarness(ControlHarness& colleague, int addresses)
    : mShared(&colleague.database()),
      mSession(std::make_unique<OtherSession>(colleague.database())),
      mSql(std::make_shared<RecordingConnection>(mSession->connection())),
      mRec(std::make_shared<RecordingServices>()), mControl(std::make_unique<BelegAdressen>()) {
    setUp(addresses);
}

void ControlHarness::setUp(int addresses) {
    BelegAdressen& w = *mControl;
    Services services;
    services.messages = mRec;
    services.dialogs = mRec;
    w.setServices(services);
    w.setAppObj(std::make_shared<FakeHost>(mSql));
    w.AddLandeswaehrung(QStringLiteral("EUR"));
    w.AddStandarddauer(100);
    w.setAnzAdresse(static_cast<qint16>(addresses));
    w.SetzeAnzSeiten(1, 2);
    for (int n = 2; n <= addresses; ++n)
        w.SetzeAnzSeiten(static_cast<qint16>(n), 1);
    w.SetzeAnzSeiten(1, 2);
    w.setAktAdresse(1);
    w.show();
    QApplication::setActiveWindow(&w);
    w.activateWindow();
    (void)QTest::qWaitForWindowActive(&w);

    record(w,
           {"Change", "Click", "btnKundeClick", "btnAdresseClick", "btnSeite2Click",
            "Waehrungchange", "Wechselkurschange", "ChangeMwstKnz", "ChangeKundenrabatt",
            "ChangeZahlungsbedingungen", "PropertyChanged"},
           mEvents);
    clearRecords();
}

void ControlHarness::setServices(Services services) {
    services.messages = mRec;
    services.dialogs = mRec;
    mControl->setServices(services);
}

ControlHarness::~ControlHarness() {
    mControl.reset();
    mSql.reset();
    mSession.reset();
}

QLineEdit* ControlHarness::edit(const QString& name) const {
    auto* e = mControl->findChild<QLineEdit*>(name);
    EXPECT_NE(e, nullptr) << name.toStdString();
    return e;
}

QWidget* ControlHarness::widget(const QString& name) const {
    auto* w = mControl->findChild<QWidget*>(name);
    EXPECT_NE(w, nullptr) << name.toStdString();
    return w;
}

void ControlHarness::focus(const QString& name) {
    QWidget* w = widget(name);
    w->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
}

void ControlHarness::typeNumber(const QString& text) {
    // Several clerks: focus moves only inside the active window.
    if (QApplication::activeWindow() != mControl.get()) {
        QApplication::setActiveWindow(mControl.get());
        mControl->activateWindow();
        (void)QTest::qWaitForWindowActive(mControl.get());
    }
    QLineEdit* nummer = edit("txtDNummer");
    nummer->setFocus(Qt::TabFocusReason);
    nummer->selectAll();
    if (text.isEmpty())
        QTest::keyClick(nummer, Qt::Key_Delete);
    else
        QTest::keyClicks(nummer, text);
    focus("txtDAdr_1");
}

QStringList ControlHarness::events() const { return mEvents; }
QStringList ControlHarness::messages() const { return mRec->messages; }
QStringList ControlHarness::informations() const { return mRec->informations; }

QStringList ControlHarness::takeEvents() {
    QStringList e = mEvents;
    mEvents.clear();
    return e;
}

void ControlHarness::clearRecords() {
    mEvents.clear();
    mRec->clear();
    mSql->statements.clear();
}

} // namespace batest
