#include "windows/InfoSupport.h"
#include <QFile>
#include <QSqlError>
#include <QSqlQuery>
#include <QTest>

using namespace belegadressen;

namespace batest {

int ScriptedHost::exec(QDialog& dialog) {
    shown << dialog.objectName();
    if (mScripts.empty()) return QDialog::Rejected;
    Script script = std::move(mScripts.front());
    mScripts.pop_front();
    dialog.show();
    dialog.activateWindow();
    (void)QTest::qWaitForWindowActive(&dialog);
    const int result = script(dialog);
    dialog.hide();
    return result;
}

QString rtfSample(const QString& name) {
    QFile f(QStringLiteral(BA_RTF_SAMPLES) + "/" + name + ".rtf");
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

QString rtfSampleText(const QString& name) {
    QFile f(QStringLiteral(BA_RTF_SAMPLES) + "/" + name + ".txt");
    QString text = f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
    if (text.endsWith('\n')) text.chop(1);
    return text;
}

SideWindows::SideWindows() {
    QSqlQuery q(h.database().db());
    q.prepare("INSERT INTO Kundenstamm (Kundennummer, Bez1, Währung, KzDivers, Liefersperre, "
              "Kundeninfo, InterneBemerkung) VALUES (?, ?, 'EUR', 0, 0, ?, ?)");
    const QVariant none(QMetaType::fromType<QString>());
    const QList<QVariantList> rows = {
        {"20001", "Formatierte Notiz", "Stammkunde seit 1998.", rtfSample("formatiert")},
        {"20002", "Nur Formatierung", none, rtfSample("leer")},
        {"20003", "Schlichte Notiz", "Info", "  Nur Barzahlung  "},
        {"20004", "Ohne Notiz", none, none},
    };
    for (const QVariantList& row : rows) {
        for (int k = 0; k < row.size(); ++k)
            q.bindValue(k, row[k]);
        if (!q.exec()) ADD_FAILURE() << q.lastError().text().toStdString();
    }
    Services s;
    s.messages = host;
    s.dialogs = host;
    s.windowPositions = host;
    s.siteInformationDialog = [this] {
        return std::shared_ptr<SiteInformationDialog>(host.get(), [](auto*) {});
    };
    BelegAdressen& w = h.control();
    w.setServices(s);
    QObject::connect(&w, &BelegAdressen::btnInfoClick,
                     [this](qint16 i) { events << QStringLiteral("btnInfoClick(%1)").arg(i); });
    QObject::connect(&w, &BelegAdressen::StammBlatt,
                     [this](const QString& n) { events << "StammBlatt(" + n + ")"; });
    QObject::connect(&w, &BelegAdressen::btnUebernehme, [this] { events << "btnUebernehme"; });
    h.clearRecords();
}

QString SideWindows::remarkOf(const QString& nummer, const QString& column) {
    QSqlQuery q(h.database().db());
    q.prepare("SELECT " + column + " FROM Kundenstamm WHERE Kundennummer = ?");
    q.bindValue(0, nummer);
    return q.exec() && q.next() ? q.value(0).toString() : QStringLiteral("<keine Zeile>");
}

QStringList SideWindows::updates() {
    QStringList out;
    for (const QString& s : h.sql().statements)
        if (s.startsWith("update", Qt::CaseInsensitive)) out << s;
    return out;
}

} // namespace batest
