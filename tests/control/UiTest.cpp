#include "control/Ui.h"
#include "control/BelegAdressen.h"
#include "control/Twips.h"
#include <QApplication>
#include <QDir>
#include <QLayout>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace belegadressen {
namespace {

enum class Family { Edit, Check, Button, Label, DropDown, MasterData, Panel, RichText, Timer };

// The child controls by family, separated by blanks; an array carries the
// number of its elements after a colon.
const std::pair<Family, const char*> kInventory[] = {
    {Family::Edit,
     "txtAnsprechpartnerKD txtDAuftragsrabatt txtDKD_Nr:2 txtDAD_Nr:2 txtMobil txtDAnNr:2 "
     "txtDatumLetzteRechnung txtDatumLetzteWartung txtdAuNr:2 txtdLsNr:2 txtdReNr:2 txtDHauptkonto "
     "txtdGuNr:2 txtDNummer txtTermin txtUhrzeit txtDauer txtMonteur:1 txtAnsprechpartner "
     "txtTelefon txtStoerText txtBemerkung txtDWechselkurs txtFax txtDUstIdentNr txtDAdr:7 "
     "txtDPostleitzahl txtDPostfach txtDPlzPostfach"},
    {Family::Check,
     "chkDruckInAnschriftKD chkKnzDivers chkDruckAufbewahrungsfrist chkRechnungPerPDF"},
    {Family::Button, "btnErwAdresse BtnKom btnInfo:2 btnStammblatt btnAktKunde btnSeite:2 "
                     "btnTerminAssistent btnAnsprechpartner btnVergebeTermin btnKunde btnAdresse "
                     "btnMonteur:2 btnAnlage btnAnpWart btnAnpBel btnFuß:5 btnVersandan:2 "
                     "btnLoeTermin btnRechan:2 btnBelegfreigabe btnPlz btnAutoMap btnKopf:5"},
    {Family::Label,
     "txtAnlagenBezeichnung txtAnlage txtVertrag TxtDHauswährung txtStandort lblOrt lblUhrzeit "
     "lblHauswährung lbladrMobil Letztesfeld:2 lblBemerkung lblHauptkonto lblPostfach "
     "lblPlzPostfach lblKursHauswährung lbladr:11 lblDatumLetzteRechnung lblKundennr lblversandan "
     "lblAdressnr lblAnsprechpartnerKD lblAuftragsrabtt lblRechan lblDatumLetzteWartung "
     "img_ButtonDown img_ButtonUp lblKopftext lblBaText:5 lblWährungserfassung lblKursbehandlung "
     "txtDKursHauswährung lblWechselkurs lblFußtext txtMonteurname:1 lblUstIdentNr lblText"},
    {Family::DropDown, "cdoDKursbehandlung cdoDLand"},
    {Family::MasterData, "ocxWaehrung ocxDVersandart ocxMwstKnz ocxVertreter:3 ocxAnrede "
                         "ocxZahlungsart ocxZahlungsbedingungen"},
    {Family::Panel, "panerwadr:1 PanWart2 PanWart panSeite:2"},
    {Family::RichText, "chkRtf"},
    {Family::Timer, "Timer1"},
};

struct Entry {
    QString name;
    Family family;
    int elements = 0;
};

std::vector<Entry> inventory() {
    std::vector<Entry> out;
    for (const auto& [family, names] : kInventory)
        for (const QString& word : QString::fromUtf8(names).split(QLatin1Char(' '))) {
            const QStringList parts = word.split(QLatin1Char(':'));
            out.push_back({parts[0], family, parts.value(1).toInt()});
        }
    return out;
}

QStringList namesOf(const Entry& e) {
    if (e.elements == 0) return {e.name};
    QStringList names;
    for (int i = 0; i < e.elements; ++i)
        names << e.name + QLatin1Char('_') + QString::number(i);
    return names;
}

bool belongsTo(QObject* o, Family f) {
    switch (f) {
    case Family::Edit:
        return qobject_cast<QLineEdit*>(o);
    case Family::Check:
        return qobject_cast<QCheckBox*>(o);
    case Family::Button:
        return qobject_cast<QAbstractButton*>(o) && !qobject_cast<QCheckBox*>(o);
    case Family::Label:
        return qobject_cast<QLabel*>(o);
    case Family::DropDown:
        return qobject_cast<QComboBox*>(o);
    case Family::MasterData:
        return qobject_cast<MasterDataCombo*>(o);
    case Family::Panel:
        return qobject_cast<QFrame*>(o) && !qobject_cast<QLabel*>(o);
    case Family::RichText:
        return qobject_cast<QTextEdit*>(o);
    case Family::Timer:
        return qobject_cast<QTimer*>(o);
    }
    return false;
}

// Whether `w` is a part of a master-data field rather than a control itself.
bool insideMasterData(const QWidget* w) {
    for (const QWidget* p = w->parentWidget(); p; p = p->parentWidget())
        if (qobject_cast<const MasterDataCombo*>(p)) return true;
    return false;
}

struct Built {
    std::unique_ptr<QWidget> root = std::make_unique<QWidget>();
    Ui ui;
    Built() { ui.build(root.get()); }
    QWidget* find(const QString& name) const { return root->findChild<QWidget*>(name); }
};

// The named objects of the control that are controls of their own: the parts
// of a master-data field and Qt's internal helpers are not.
QStringList controlNames(const QWidget* root) {
    QStringList names;
    for (QObject* o : root->findChildren<QObject*>()) {
        const QString name = o->objectName();
        if (name.isEmpty() || name.startsWith(QLatin1String("qt_"))) continue;
        bool part = false;
        for (QObject* p = o->parent(); p && p != root && !part; p = p->parent())
            part = qobject_cast<MasterDataCombo*>(p) != nullptr;
        if (!part) names << name;
    }
    names.sort();
    return names;
}

// The control carries the declared controls, each once and of its class, and
// nothing else: 107, an array counting once.
TEST(Ui, TheControlHasExactlyTheDeclaredChildren) {
    BelegAdressen control;
    QStringList expected;
    for (const Entry& e : inventory())
        for (const QString& name : namesOf(e)) {
            expected << name;
            const auto found = control.findChildren<QObject*>(name);
            ASSERT_EQ(found.size(), 1) << name.toStdString();
            EXPECT_TRUE(belongsTo(found.front(), e.family)) << name.toStdString();
        }
    expected.sort();
    const QStringList actual = controlNames(&control);
    EXPECT_EQ(actual, expected);

    static const QRegularExpression element(QStringLiteral("_\\d+$"));
    QSet<QString> controls;
    for (QString name : actual)
        controls.insert(name.remove(element));
    EXPECT_EQ(controls.size(), 107);
}

// The named control that `w` is or sits in; a master-data field's parts
// count as the field.
QString controlOf(QWidget* w, const QWidget* root) {
    QString name;
    for (; w && w != root; w = w->parentWidget()) {
        if (qobject_cast<MasterDataCombo*>(w)) return w->objectName();
        if (name.isEmpty() && !w->objectName().isEmpty() &&
            !w->objectName().startsWith(QLatin1String("qt_")))
            name = w->objectName();
    }
    return name;
}

// The named controls that Tab visits from the number field, in order.
QStringList tabWalk(Built& b, int steps) {
    b.root->show();
    b.root->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(b.root.get()));
    b.ui.txtDNummer->setFocus(Qt::TabFocusReason);
    QStringList visited{controlOf(QApplication::focusWidget(), b.root.get())};
    for (int i = 0; i < steps; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        const QString name = controlOf(QApplication::focusWidget(), b.root.get());
        if (visited.back() != name) visited << name;
    }
    return visited;
}

QStringList onlyThese(const QStringList& visited, const QStringList& names) {
    QStringList kept;
    for (const QString& n : visited)
        if (names.contains(n)) kept << n;
    return kept;
}

TEST(Ui, TabGoesFromNumberToSalutationToTheAddressLines) {
    Built b;
    const QStringList lines = {"txtDNummer",       "ocxAnrede", "txtDAdr_0", "txtDAdr_1",
                               "txtDAdr_2",        "txtDAdr_3", "txtDAdr_4", "txtDAdr_5",
                               "txtDPostleitzahl", "txtDAdr_6"};
    QStringList expected = lines;
    expected.removeAll("txtDAdr_3");
    expected.removeAll("txtDAdr_4");
    EXPECT_EQ(onlyThese(tabWalk(b, 16), lines), expected);

    b.ui.panerwadr[0]->show();
    EXPECT_EQ(onlyThese(tabWalk(b, 18), lines), lines);
}

// Shows every control of page 1 that a layout flag or the service order can
// show, as the widest case the layout must hold.
void showEverything(Ui& u);

TEST(Ui, AccessKeysOfPage1AreUnique) {
    Built b;
    showEverything(b.ui);
    QMap<QChar, QString> owners;
    for (QWidget* w : b.ui.panSeite[1]->findChildren<QWidget*>()) {
        QString text;
        if (auto* label = qobject_cast<QLabel*>(w); label && label->buddy()) text = label->text();
        if (auto* button = qobject_cast<QAbstractButton*>(w)) text = button->text();
        const qsizetype at = text.indexOf(QRegularExpression(QStringLiteral("&[^&]")));
        if (at < 0) continue;
        const QChar key = text.at(at + 1).toLower();
        EXPECT_FALSE(owners.contains(key))
            << text.toStdString() << " and " << owners.value(key).toStdString() << " share a key";
        owners.insert(key, text);
    }
    EXPECT_GE(owners.size(), 20);
}

void showEverything(Ui& u) {
    for (QWidget* w : u.panSeite[1]->findChildren<QWidget*>()) {
        if (w == u.lblText || w->objectName().isEmpty()) continue;
        if (insideMasterData(w)) continue;
        w->show();
    }
}

QRect onPage(QWidget* w, QWidget* page) { return QRect(w->mapTo(page, QPoint(0, 0)), w->size()); }

// Visible named controls of page 1 that are neither panels nor inside a
// master-data field.
std::vector<QWidget*> visibleControls(Ui& u) {
    QWidget* page = u.panSeite[1];
    std::vector<QWidget*> controls;
    for (QWidget* w : page->findChildren<QWidget*>()) {
        if (w->objectName().isEmpty() || !w->isVisibleTo(page)) continue;
        if (qobject_cast<QFrame*>(w) && !qobject_cast<QLabel*>(w)) continue;
        if (!insideMasterData(w)) controls.push_back(w);
    }
    return controls;
}

void expectNoOverlap(Built& b, const char* shot) {
    QWidget* page = b.ui.panSeite[1];
    b.root->show();
    QTest::qWait(20);
    // The form fits the control's width without squeezing anything.
    EXPECT_LE(page->layout()->minimumSize().width(), page->width());
    const auto controls = visibleControls(b.ui);
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const QRect r = onPage(controls[i], page);
        EXPECT_TRUE(page->rect().contains(r))
            << controls[i]->objectName().toStdString() << " leaves the page";
        for (std::size_t j = i + 1; j < controls.size(); ++j)
            EXPECT_FALSE(r.intersects(onPage(controls[j], page)))
                << controls[i]->objectName().toStdString() << " overlaps "
                << controls[j]->objectName().toStdString();
    }
    // BA_UI_SHOTS=<dir> keeps a picture of the page for a look by eye.
    const QString dir = qEnvironmentVariable("BA_UI_SHOTS");
    if (!dir.isEmpty())
        b.root->grab().save(QDir(dir).filePath(
            QStringLiteral("%1-%2dpi.png")
                .arg(QLatin1String(shot))
                .arg(qRound(b.root->logicalDpiX() * b.root->devicePixelRatioF()))));
}

TEST(UiLayout, NothingOverlapsOnPage1) {
    {
        Built b;
        expectNoOverlap(b, "page1-start");
    }
    Built b;
    EXPECT_EQ(b.root->width(), twipsToPixels(b.root.get(), kNormalWidthTwips));
    showEverything(b.ui);
    b.ui.PanWart2->hide();
    expectNoOverlap(b, "page1-all");
    // The wide display shows the strip beside page 1.
    const int wide = twipsToPixels(b.root.get(), kWideWidthTwips);
    for (QFrame* page : b.ui.panSeite)
        page->setFixedWidth(wide);
    b.root->setFixedWidth(wide);
    b.ui.PanWart2->show();
    expectNoOverlap(b, "page1-wide");
}

TEST(UiLayout, NothingOverlapsOnPage1At144Dpi) {
    if (qEnvironmentVariableIntValue("QT_FONT_DPI") == 144) GTEST_SKIP() << "runs at 144 dpi";
    QProcess run;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_FONT_DPI", "144");
    env.insert("QT_QPA_PLATFORM", "offscreen");
    run.setProcessEnvironment(env);
    run.setProcessChannelMode(QProcess::MergedChannels);
    run.start(QCoreApplication::applicationFilePath(),
              {"--gtest_filter=UiLayout.NothingOverlapsOnPage1"});
    ASSERT_TRUE(run.waitForFinished(60000));
    EXPECT_EQ(run.exitCode(), 0) << run.readAll().toStdString();
}

TEST(UiLayout, HiddenGroupsLeaveNoHoles) {
    struct Group {
        QStringList hidden;
        const char* below;
    };
    const Group groups[] = {
        {{"panerwadr_0"}, "txtDAdr_5"},
        {{"lblPostfach", "txtDPostfach", "lblPlzPostfach", "txtDPlzPostfach"},
         "txtAnsprechpartnerKD"},
        {{"lblHauptkonto", "txtDHauptkonto", "lblUstIdentNr", "txtDUstIdentNr", "ocxMwstKnz"},
         "ocxZahlungsart"},
    };
    for (const Group& g : groups) {
        SCOPED_TRACE(g.below);
        Built b;
        showEverything(b.ui);
        b.root->show();
        QTest::qWait(20);
        QWidget* below = b.find(QString::fromUtf8(g.below));
        const int before = below->mapTo(b.root.get(), QPoint(0, 0)).y();
        int groupTop = INT_MAX, groupBottom = 0;
        for (const QString& n : g.hidden) {
            const QRect r = onPage(b.find(n), b.root.get());
            groupTop = std::min(groupTop, r.top());
            groupBottom = std::max(groupBottom, r.bottom());
            b.find(n)->hide();
        }
        QTest::qWait(20);
        const int after = below->mapTo(b.root.get(), QPoint(0, 0)).y();
        EXPECT_LE(after, before - (groupBottom - groupTop + 1));
    }
}

} // namespace
} // namespace belegadressen
