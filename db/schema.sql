-- SPDX-FileCopyrightText: 2026 The BelegAdressen developers
-- SPDX-License-Identifier: MIT

-- BelegAdressen database schema, for SQLite and PostgreSQL 15 alike.
--
-- Rules that keep it portable and let a tiny runner apply it:
--  * every statement ends with ';' at the end of a line, nothing else does;
--  * identifiers are unquoted, so PostgreSQL folds them to lower case exactly
--    as it folds the unquoted names in the control's statements (non-ASCII
--    letters in names are always lower case: Straße, Währung, Fußtext);
--  * keys and codes are VARCHAR, free texts TEXT (no length a user could
--    overrun on one engine only), numbers INTEGER, amounts and rates
--    DOUBLE PRECISION, flags SMALLINT holding 0 (false) or -1 (true);
--  * site and equipment numbers are INTEGER: the control compares them both
--    quoted ('3') and unquoted (3), which both engines accept for integers.
-- Tables first, then indexes, so a bulk loader can create the indexes after
-- filling the tables.

-- Customer master.
CREATE TABLE Kundenstamm (
    Kundennummer VARCHAR(20) NOT NULL PRIMARY KEY,
    Anrede VARCHAR(50),
    Vorname TEXT,
    Bez1 TEXT,
    Bez2 TEXT,
    Bez3 TEXT,
    Bez4 TEXT,
    HauptKonto VARCHAR(20),
    MwSt_KZ VARCHAR(3),
    UStIdentNr VARCHAR(20),
    Auftragsrabatt DOUBLE PRECISION,
    Zahlungsart VARCHAR(10),
    KostID INTEGER,
    PostfachPlz TEXT,
    Postfach TEXT,
    ZahlungsbedSchl VARCHAR(10),
    KzDivers SMALLINT NOT NULL DEFAULT 0,
    DruckAufbewahrungsfrist SMALLINT,
    Ort TEXT,
    Straße TEXT,
    Land TEXT,
    PLZ TEXT,
    Versandart VARCHAR(20),
    Währung VARCHAR(3),
    Währungserfassung SMALLINT,
    Liefersperre SMALLINT NOT NULL DEFAULT 0,
    MitUeberweisungen SMALLINT,
    VertreterNr1 VARCHAR(20),
    VertreterNr2 VARCHAR(20),
    VertreterNr3 VARCHAR(20),
    Telefon TEXT,
    Telefon2 TEXT,
    Telefon3 TEXT,
    Telefax TEXT,
    EMail TEXT,
    Hompage TEXT,
    BezTelefon1 TEXT,
    BezTelefon2 TEXT,
    BezTelefon3 TEXT,
    BezTelefax TEXT,
    BezEMail TEXT,
    BezHompage TEXT,
    RG_KdNr VARCHAR(20),
    VS_KdNr VARCHAR(20),
    VS_AdrNr VARCHAR(20),
    RG_AdrNr VARCHAR(20),
    KopftextAN VARCHAR(10),
    KopftextAB VARCHAR(10),
    KopftextLS VARCHAR(10),
    KopftextRG VARCHAR(10),
    KopftextGS VARCHAR(10),
    FußtextAN VARCHAR(10),
    FußtextAB VARCHAR(10),
    FußtextLS VARCHAR(10),
    FußtextRG VARCHAR(10),
    FußtextGS VARCHAR(10),
    Kundeninfo TEXT,
    InterneBemerkung TEXT,
    Kundengruppe VARCHAR(20),
    RechnungPerPDF SMALLINT,
    -- Keys of the duplicate warning, written by the control's code; NULL
    -- until written, and again after another program changed the address.
    -- The street key is the address key's street and number without the place.
    Namensschluessel TEXT,
    Anschriftschluessel TEXT,
    Strassenschluessel TEXT
);

-- General address master.
CREATE TABLE Adressenstamm (
    AdressNummer VARCHAR(20) NOT NULL PRIMARY KEY,
    AnredeHW VARCHAR(50),
    Vorname TEXT,
    Bez1 TEXT,
    Bez2 TEXT,
    Bez3 TEXT,
    Straße TEXT,
    Land TEXT,
    PLZ TEXT,
    Ort TEXT,
    Telefon TEXT,
    Telefon2 TEXT,
    Telefon3 TEXT,
    Telefax TEXT,
    EMail TEXT,
    Homepage TEXT,
    BezTelefon1 TEXT,
    BezTelefon2 TEXT,
    BezTelefon3 TEXT,
    BezTelefax TEXT,
    BezEMail TEXT,
    BezHomepage TEXT,
    Namensschluessel TEXT,
    Anschriftschluessel TEXT,
    Strassenschluessel TEXT
);

-- Customer sites.
CREATE TABLE Standorte (
    Kundennummer VARCHAR(20) NOT NULL,
    Standortnummer INTEGER NOT NULL,
    StandortKdnr VARCHAR(20),
    VertragsNummer VARCHAR(20),
    MonteurNummer VARCHAR(20),
    StandortAnrede VARCHAR(50),
    StandortVorname TEXT,
    StandortBez1 TEXT,
    StandortBez2 TEXT,
    StandortBez3 TEXT,
    StandortBez4 TEXT,
    StandortPostfachPLZ TEXT,
    StandortPostfach TEXT,
    StandortOrt TEXT,
    StandortLand TEXT,
    StandortStraße TEXT,
    StandortPlz TEXT,
    Ansprechpartner TEXT,
    AnsprechpartnerTelefon TEXT,
    AnsprechpartnerMobil TEXT,
    AnsprechpartnerFax TEXT,
    ErloesKontoKennung VARCHAR(20),
    StandortKundenInfo TEXT,
    PRIMARY KEY (Kundennummer, Standortnummer)
);

-- Equipment installed at the sites; LetzteWartung holds a date text.
CREATE TABLE Anlagenstamm (
    Kundennummer VARCHAR(20) NOT NULL,
    Standortnummer INTEGER NOT NULL,
    Anlagenummer INTEGER NOT NULL,
    Bezeichnung TEXT,
    LetzteWartung VARCHAR(20),
    VertragsNummer VARCHAR(20),
    ErloesKontoKennung VARCHAR(20),
    FormularST VARCHAR(50),
    FormularWA VARCHAR(50),
    PRIMARY KEY (Kundennummer, Standortnummer, Anlagenummer)
);

-- Staff: representatives and technicians.
CREATE TABLE Personalstamm (
    PersonalNr VARCHAR(20) NOT NULL PRIMARY KEY,
    Titel TEXT,
    Vorname TEXT,
    NachName TEXT,
    Durchwahl TEXT,
    Kurzzeichen VARCHAR(10)
);

-- Header and footer text modules; SprachKZ 'ÿÿÿ' is the default language.
CREATE TABLE Textbausteine (
    Textart VARCHAR(10) NOT NULL,
    Textnummer VARCHAR(10) NOT NULL,
    SprachKZ VARCHAR(3) NOT NULL,
    ZusatztextNummer VARCHAR(3) NOT NULL,
    Langtext TEXT,
    PRIMARY KEY (Textart, Textnummer, SprachKZ, ZusatztextNummer)
);

-- Currencies with their rate against the home currency.
CREATE TABLE Währungen (
    Währung VARCHAR(3) NOT NULL PRIMARY KEY,
    Langtext TEXT,
    Kurs DOUBLE PRECISION,
    Shiftfaktor INTEGER,
    KZFibu VARCHAR(10)
);

-- Master data behind the selection fields.
CREATE TABLE Anreden (
    Anrede VARCHAR(50) NOT NULL PRIMARY KEY
);

CREATE TABLE Versandtexte (
    Versandart VARCHAR(20) NOT NULL PRIMARY KEY,
    Kurztext TEXT
);

CREATE TABLE MWStKennzeichenKunde (
    MWStKZ VARCHAR(3) NOT NULL PRIMARY KEY,
    Kurztext TEXT
);

CREATE TABLE Zahlungsarten (
    Zahlungsart VARCHAR(10) NOT NULL PRIMARY KEY,
    Kurztext TEXT,
    ZahlungsartFibu VARCHAR(10)
);

CREATE TABLE Zahlungsbedingungen (
    ZahlBedSchl VARCHAR(10) NOT NULL PRIMARY KEY,
    Kurztext TEXT,
    NettoTage INTEGER,
    SkontoTage1 INTEGER,
    SkontoProzent1 DOUBLE PRECISION,
    SkontoTage2 INTEGER,
    SkontoProzent2 DOUBLE PRECISION,
    SkontoTage3 INTEGER,
    SkontoProzent3 DOUBLE PRECISION,
    TextNummer VARCHAR(10),
    AlternativeTextNummer VARCHAR(10)
);

-- Cost centre and cost unit of a customer's KostID.
CREATE TABLE Kostenzuordnung (
    KostID INTEGER NOT NULL PRIMARY KEY,
    Kostenstelle VARCHAR(20),
    Kostentraeger VARCHAR(20)
);

-- Postal directory: a postal code may cover several places and districts,
-- each with its streets, so there is no unique key. Land is the country as
-- the address field holds it (D, A, CH, ...); the same code means another
-- place in another country. OrtWort (first word of the place) and
-- StrasseSuche (the street) are in search spelling, written by the importer,
-- so that a lookup ignores case and umlaut spelling through an index.
CREATE TABLE Postleitzahlen (
    Land VARCHAR(3) NOT NULL DEFAULT 'D',
    Plz VARCHAR(10) NOT NULL,
    Ort TEXT NOT NULL,
    Ortsteil TEXT,
    Strasse TEXT,
    OrtWort TEXT,
    StrasseSuche TEXT
);

-- Searching customers by name and by place.
CREATE INDEX ix_kundenstamm_bez1_ort ON Kundenstamm (Bez1, Ort);
CREATE INDEX ix_kundenstamm_ort_bez1 ON Kundenstamm (Ort, Bez1);
CREATE INDEX ix_adressenstamm_bez1_ort ON Adressenstamm (Bez1, Ort);
-- Finding an existing address before a new one is typed in twice: the
-- sound of the name under a postal code with street and number (all three
-- conditions of the lookup on the index), and place, street and number; the
-- IS NULL arm of the lookup uses the first index as well.
CREATE INDEX ix_kundenstamm_dublette_name_strasse ON Kundenstamm (Namensschluessel, PLZ, Strassenschluessel);
CREATE INDEX ix_kundenstamm_dublette_anschrift ON Kundenstamm (Anschriftschluessel);
CREATE INDEX ix_adressenstamm_dublette_name_strasse ON Adressenstamm (Namensschluessel, PLZ, Strassenschluessel);
CREATE INDEX ix_adressenstamm_dublette_anschrift ON Adressenstamm (Anschriftschluessel);
CREATE INDEX ix_postleitzahlen_plz ON Postleitzahlen (Land, Plz, Ort, Strasse);
CREATE INDEX ix_postleitzahlen_ort ON Postleitzahlen (Land, OrtWort, StrasseSuche);
