#include "EventLog.h"
#include "control/BelegAdressen.h"
#include <QStringList>

using belegadressen::BelegAdressen;

namespace {

QString arg(const QString& v) { return QLatin1Char('"') + v + QLatin1Char('"'); }
QString arg(double v) { return QString::number(v, 'g', 10); }
QString arg(qint16 v) { return QString::number(v); }
QString arg(qint32 v) { return QString::number(v); }
QString arg(bool v) { return v ? QStringLiteral("True") : QStringLiteral("False"); }
QString arg(float v) { return QString::number(double(v), 'g', 7); }

template <typename... Args> QString line(const char* event, const Args&... args) {
    QStringList parts;
    if constexpr (sizeof...(Args) > 0) (parts << ... << arg(args));
    return QStringLiteral("%1(%2)").arg(QString::fromUtf8(event), parts.join(QStringLiteral(", ")));
}

} // namespace

int connectEventLog(BelegAdressen& c, LogLine log) {
    int n = 0;
    // One connection per event; `name` is the event's name as the host sees it.
    auto on = [&](auto signal, const char* name) {
        QObject::connect(&c, signal, &c,
                         [log, name](const auto&... args) { log(line(name, args...)); });
        ++n;
    };
    on(&BelegAdressen::Change, "Change");
    on(&BelegAdressen::Click, "Click");
    on(&BelegAdressen::btnKundeClick, "btnKundeClick");
    on(&BelegAdressen::btnAdresseClick, "btnAdresseClick");
    on(&BelegAdressen::btnMonteurClick, "btnMonteurClick");
    on(&BelegAdressen::btnAnpWartClick, "btnAnpWartClick");
    on(&BelegAdressen::btnAnpBelClick, "btnAnpBelClick");
    on(&BelegAdressen::btnAnlageClick, "btnAnlageClick");
    on(&BelegAdressen::AufrufAutoMap, "AufrufAutoMap");
    on(&BelegAdressen::Waehrungchange, "Währungchange");
    on(&BelegAdressen::Wechselkurschange, "Wechselkurschange");
    on(&BelegAdressen::btnInfoClick, "btnInfoClick");
    on(&BelegAdressen::btnUebernehme, "btnÜbernehme");
    on(&BelegAdressen::btnAnsprechpartner, "btnAnsprechpartner");
    on(&BelegAdressen::btnAnsprechpartnerReset, "btnAnsprechpartnerReset");
    on(&BelegAdressen::btnSeite2Click, "btnSeite2Click");
    on(&BelegAdressen::btnKopftextClick, "btnKopftextClick");
    on(&BelegAdressen::btnFusstextClick, "btnFußtextClick");
    on(&BelegAdressen::ChangeMwstKnz, "ChangeMwstKnz");
    on(&BelegAdressen::ChangeZahlungsbedingungen, "ChangeZahlungsbedingungen");
    on(&BelegAdressen::ChangeKundenrabatt, "ChangeKundenrabatt");
    on(&BelegAdressen::DblClick, "DblClick");
    on(&BelegAdressen::KeyDown, "KeyDown");
    on(&BelegAdressen::KeyPress, "KeyPress");
    on(&BelegAdressen::KeyUp, "KeyUp");
    on(&BelegAdressen::MouseDown, "MouseDown");
    on(&BelegAdressen::MouseMove, "MouseMove");
    on(&BelegAdressen::MouseUp, "MouseUp");
    on(&BelegAdressen::ChangeBetreff, "ChangeBetreff");
    on(&BelegAdressen::ChangeErloekennung, "ChangeErloekennung");
    on(&BelegAdressen::ChangeStandortNotiz, "ChangeStandortNotiz");
    on(&BelegAdressen::ChangeAnlageFormular, "ChangeAnlageFormular");
    on(&BelegAdressen::ChangeDatumLetzteWartung, "ChangeDatumLetzteWartung");
    on(&BelegAdressen::TerminEintragen, "TerminEintragen");
    on(&BelegAdressen::TerminAssistent, "TerminAssistent");
    on(&BelegAdressen::StammBlatt, "StammBlatt");
    on(&BelegAdressen::LoescheWarttermin, "LoescheWarttermin");
    return n;
}
