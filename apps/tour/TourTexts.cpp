// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#include "DocumentWindow.h"
#include "TextChooser.h"
#include "Tour.h"
#include "control/BelegAdressen.h"
#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>

namespace {

// A mouse move without a pressed button over the middle of `w`, as the
// window system delivers it to a widget with mouse tracking.
void moveMouseOver(QWidget* w) {
    const QPointF local(w->width() / 2.0, w->height() / 2.0);
    QMouseEvent move(QEvent::MouseMove, local, w->mapToGlobal(local), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(w, &move);
}

} // namespace

// Header text chosen through the host's text-module chooser on an invoice,
// then the long text of a footer module previewed under the mouse.
void Tour::runTexts() {
    belegadressen::BelegAdressen& c = mWindow.control();
    auto field = [&c](const char* name) { return c.findChild<QLineEdit*>(QLatin1String(name)); };

    step(QStringLiteral("Kopftext über die Textauswahl (Rechnung)"));
    mWindow.setBelegart(50);
    mWindow.switchAddress(1);
    const QString search = QStringLiteral("Wartung");
    mWindow.dialogs().setAnswer([&](QDialog& dialog) {
        auto* chooser = qobject_cast<TextChooser*>(&dialog);
        if (!chooser) return int(QDialog::Rejected);
        chooser->setSearchText(search);
        chooser->show();
        settle(100);
        shoot(*chooser, QStringLiteral("textauswahl"));
        say(QStringLiteral("   %1: Suche \"%2\": %3 Textbausteine")
                .arg(chooser->windowTitle(), search)
                .arg(chooser->rowCount()));
        chooser->chooseRow(0);
        return chooser->result();
    });
    if (auto* button = c.findChild<QAbstractButton*>(QStringLiteral("btnKopf_0"))) {
        say(QStringLiteral("   klickt btnKopf_0"));
        button->click();
    } else {
        mFindings << QStringLiteral("btnKopf_0 nicht gefunden");
    }
    settle(300);
    mWindow.dialogs().setAnswer({});
    QLineEdit* kopf = field("txtdReNr_0");
    say(QStringLiteral("   txtdReNr_0 = \"%1\"").arg(kopf ? kopf->text() : QString()));
    if (!kopf || kopf->text() != QLatin1String("004"))
        mFindings << QStringLiteral("Kopftext der Rechnung nicht übernommen");
    shoot(QStringLiteral("kopftext-gewaehlt"));

    step(QStringLiteral("Langtext des Fußtexts unter der Maus"));
    const qint32 taken = c.fktDragTextNummerAllgenmein(QStringLiteral("004"), 0);
    say(QStringLiteral("   fktDragTextNummerAllgenmein(\"004\", 0) = %1").arg(taken));
    QLineEdit* fuss = field("txtdReNr_1");
    auto* preview = c.findChild<QLabel*>(QStringLiteral("lblText"));
    if (!fuss || !preview) {
        mFindings << QStringLiteral("Fußtextfeld oder lblText nicht gefunden");
        return;
    }
    moveMouseOver(fuss);
    settle(50);
    say(QStringLiteral("   lblText %1: \"%2\"")
            .arg(preview->isVisible() ? QStringLiteral("sichtbar") : QStringLiteral("verborgen"),
                 preview->text().replace(QLatin1Char('\n'), QStringLiteral(" / "))));
    if (!preview->isVisible()) mFindings << QStringLiteral("Langtext nicht angezeigt");
    shoot(QStringLiteral("langtext-vorschau"));
    if (auto* name = field("txtDAdr_1")) moveMouseOver(name);
    settle(30);
    if (preview->isVisible())
        mFindings << QStringLiteral("Langtext bleibt über einem anderen Feld stehen");
}
