// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#include "AddressPreview.h"
#include "DocumentWindow.h"
#include "control/BelegAdressen.h"
#include "platform/GuardedConnect.h"
#include <QDockWidget>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabBar>
#include <QTimer>
#include <QVBoxLayout>

using belegadressen::connectGuarded;

using belegadressen::BelegAdressen;

void addAddressPreview(DocumentWindow& window) {
    auto* dock = new QDockWidget(QStringLiteral("Anschrift im Fensterumschlag"), &window);
    dock->setObjectName(QStringLiteral("dockAnschrift"));
    auto* pane = new QWidget(dock);
    auto* layout = new QVBoxLayout(pane);
    auto* caption = new QLabel(pane);
    caption->setObjectName(QStringLiteral("lblAnschrift"));
    caption->setWordWrap(true);
    auto* lines = new QPlainTextEdit(pane);
    lines->setObjectName(QStringLiteral("txtAnschrift"));
    lines->setReadOnly(true);
    lines->setLineWrapMode(QPlainTextEdit::NoWrap);
    lines->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    // Six lines of 35 characters, the field of the envelope's window.
    const QFontMetrics metrics(lines->font());
    lines->setFixedSize(metrics.horizontalAdvance(QString(37, QLatin1Char('M'))),
                        metrics.lineSpacing() * 7 + 8);
    layout->addWidget(caption);
    layout->addWidget(lines);
    layout->addStretch(1);
    dock->setWidget(pane);
    window.addDockWidget(Qt::RightDockWidgetArea, dock);

    BelegAdressen& c = window.control();
    // Refreshed once the control has settled, not inside its own handlers.
    auto* timer = new QTimer(dock);
    timer->setSingleShot(true);
    timer->setInterval(50);
    connectGuarded(timer, &QTimer::timeout, dock, [&window, &c, lines, caption] {
        try {
            const QStringList shown = c.Anschriftzeilen(c.AktAdresse());
            lines->setPlainText(shown.join(QLatin1Char('\n')));
            int longest = 0;
            for (const QString& l : shown)
                longest = std::max(longest, int(l.size()));
            caption->setText(QStringLiteral("Adresse %1, versandt aus %2: %3 Zeilen, die längste "
                                            "%4 Zeichen (Feld: 6 × 35)")
                                 .arg(c.AktAdresse())
                                 .arg(c.heimatland())
                                 .arg(shown.size())
                                 .arg(longest));
        } catch (const std::exception& e) {
            window.log(QStringLiteral("Anschriftvorschau: %1").arg(QString::fromUtf8(e.what())));
        }
    });
    const auto later = [timer] { timer->start(); };
    connectGuarded(&c, &BelegAdressen::Change, dock, later);
    for (QLineEdit* field : c.findChildren<QLineEdit*>())
        connectGuarded(field, &QLineEdit::textChanged, dock, later);
    for (QTabBar* tabs : window.findChildren<QTabBar*>(QStringLiteral("tabAdressen")))
        connectGuarded(tabs, &QTabBar::currentChanged, dock, later);
    later();
}
