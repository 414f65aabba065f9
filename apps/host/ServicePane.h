// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
#include <QDate>
#include <QList>
#include <QString>
#include <QWidget>

class DocumentWindow;
class QTreeWidget;
class QLabel;

// One appointment in the host's appointment book.
struct Booking {
    QString monteur;
    QDate tag;
    QString uhrzeit;
    qint16 dauer = 0; // hundredths of an hour
    QString ansprechpartner;
    QString telefon;
    QString betreff;
    QString key; // the order the appointment belongs to
};

// The host's side of service orders: an appointment book that receives the
// control's appointments and shows them per technician and day, a
// technician chooser over the staff table, and a contact chooser over the
// customer's site contacts. The choosers answer through the control's drop
// target and accessors.
class ServicePane : public QWidget {
    Q_OBJECT
public:
    explicit ServicePane(DocumentWindow& window);

    const QList<Booking>& bookings() const { return mBookings; }
    QTreeWidget* scheduler() const { return mTree; }

    // The first free hour of a technician from `from` on (8 to 16 o'clock,
    // working days), as the scheduling assistant proposes it.
    QPair<QDate, QString> freeSlot(const QString& monteur, QDate from, qint16 dauer) const;

private:
    void eintragen(const QString& monteur, const QString& termin, const QString& uhrzeit,
                   qint16 dauer, const QString& ansprechpartner, const QString& telefon,
                   const QString& betreff);
    void assistent(const QString& monteur, const QString& termin, qint16 dauer);
    void loeschen(bool mitAbfrage);
    void chooseTechnician();
    void chooseContact(const QString& kdnr, bool fuerWart);
    void refresh();
    // The order on the window: its document and the site on address 2.
    QString orderKey();

    DocumentWindow& mWindow;
    QTreeWidget* mTree;
    QLabel* mSummary;
    QList<Booking> mBookings;
};

// Adds the pane as a dock of the document window.
void addServicePane(DocumentWindow& window);
