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

// The child controls by their names, with the number of elements of an array
// (0: a single control).
struct Entry {
    const char* name;
    Family family;
    int elements = 0;
};

const Entry kInventory[] = {
    {"Timer1", Family::Timer},
    {"txtAnsprechpartnerKD", Family::Edit},
    {"chkDruckInAnschriftKD", Family::Check},
    {"txtDAuftragsrabatt", Family::Edit},
    {"chkKnzDivers", Family::Check},
    {"chkDruckAufbewahrungsfrist", Family::Check},
    {"chkRechnungPerPDF", Family::Check},
    {"btnErwAdresse", Family::Button},
    {"panerwadr", Family::Panel, 1},
    {"txtDKD_Nr", Family::Edit, 2},
    {"txtDAD_Nr", Family::Edit, 2},
    {"txtAnlagenBezeichnung", Family::Label},
    {"txtMobil", Family::Edit},
    {"txtDAnNr", Family::Edit, 2},
    {"txtAnlage", Family::Label},
    {"txtDatumLetzteRechnung", Family::Edit},
    {"txtVertrag", Family::Label},
    {"txtDatumLetzteWartung", Family::Edit},
    {"TxtDHauswährung", Family::Label},
    {"txtStandort", Family::Label},
    {"txtdAuNr", Family::Edit, 2},
    {"txtdLsNr", Family::Edit, 2},
    {"txtdReNr", Family::Edit, 2},
    {"txtDHauptkonto", Family::Edit},
    {"txtdGuNr", Family::Edit, 2},
    {"txtDNummer", Family::Edit},
    {"lblOrt", Family::Label},
    {"lblUhrzeit", Family::Label},
    {"BtnKom", Family::Button},
    {"lblHauswährung", Family::Label},
    {"lbladrMobil", Family::Label},
    {"Letztesfeld", Family::Label, 2},
    {"btnInfo", Family::Button, 2},
    {"btnStammblatt", Family::Button},
    {"btnAktKunde", Family::Button},
    {"txtTermin", Family::Edit},
    {"lblBemerkung", Family::Label},
    {"lblHauptkonto", Family::Label},
    {"lblPostfach", Family::Label},
    {"lblPlzPostfach", Family::Label},
    {"lblKursHauswährung", Family::Label},
    {"chkRtf", Family::RichText},
    {"PanWart2", Family::Panel},
    {"PanWart", Family::Panel},
    {"btnSeite", Family::Button, 2},
    {"btnTerminAssistent", Family::Button},
    {"lbladr", Family::Label, 11},
    {"txtUhrzeit", Family::Edit},
    {"lblDatumLetzteRechnung", Family::Label},
    {"txtDauer", Family::Edit},
    {"btnAnsprechpartner", Family::Button},
    {"lblKundennr", Family::Label},
    {"panSeite", Family::Panel, 2},
    {"lblversandan", Family::Label},
    {"lblAdressnr", Family::Label},
    {"lblAnsprechpartnerKD", Family::Label},
    {"btnVergebeTermin", Family::Button},
    {"lblAuftragsrabtt", Family::Label},
    {"lblRechan", Family::Label},
    {"txtMonteur", Family::Edit, 1},
    {"ocxWaehrung", Family::MasterData},
    {"lblDatumLetzteWartung", Family::Label},
    {"txtAnsprechpartner", Family::Edit},
    {"txtTelefon", Family::Edit},
    {"img_ButtonDown", Family::Label},
    {"txtStoerText", Family::Edit},
    {"img_ButtonUp", Family::Label},
    {"btnKunde", Family::Button},
    {"btnAdresse", Family::Button},
    {"lblKopftext", Family::Label},
    {"btnMonteur", Family::Button, 2},
    {"btnAnlage", Family::Button},
    {"btnAnpWart", Family::Button},
    {"btnAnpBel", Family::Button},
    {"lblBaText", Family::Label, 5},
    {"lblWährungserfassung", Family::Label},
    {"btnFuß", Family::Button, 5},
    {"btnVersandan", Family::Button, 2},
    {"lblKursbehandlung", Family::Label},
    {"btnLoeTermin", Family::Button},
    {"btnRechan", Family::Button, 2},
    {"txtBemerkung", Family::Edit},
    {"txtDKursHauswährung", Family::Label},
    {"cdoDKursbehandlung", Family::DropDown},
    {"lblWechselkurs", Family::Label},
    {"txtDWechselkurs", Family::Edit},
    {"btnBelegfreigabe", Family::Button},
    {"btnPlz", Family::Button},
    {"btnAutoMap", Family::Button},
    {"txtFax", Family::Edit},
    {"lblFußtext", Family::Label},
    {"txtMonteurname", Family::Label, 1},
    {"btnKopf", Family::Button, 5},
    {"ocxDVersandart", Family::MasterData},
    {"ocxMwstKnz", Family::MasterData},
    {"lblUstIdentNr", Family::Label},
    {"txtDUstIdentNr", Family::Edit},
    {"txtDAdr", Family::Edit, 7},
    {"txtDPostleitzahl", Family::Edit},
    {"txtDPostfach", Family::Edit},
    {"txtDPlzPostfach", Family::Edit},
    {"ocxVertreter", Family::MasterData, 3},
    {"ocxAnrede", Family::MasterData},
    {"cdoDLand", Family::DropDown},
    {"ocxZahlungsart", Family::MasterData},
    {"ocxZahlungsbedingungen", Family::MasterData},
    {"lblText", Family::Label},
};

QStringList namesOf(const Entry& e) {
    const QString base = QString::fromUtf8(e.name);
    if (e.elements == 0) return {base};
    QStringList names;
    for (int i = 0; i < e.elements; ++i)
        names << base + QLatin1Char('_') + QString::number(i);
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
    for (const Entry& e : kInventory)
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

TEST(Ui, CaptionsToolTipsAndLists) {
    Built b;
    const Ui& u = b.ui;
    EXPECT_EQ(u.btnSeite[0]->text(), "Seite &2");
    EXPECT_EQ(u.btnSeite[0]->toolTip(), "Weitere Eingaben (z.B. Euro).");
    EXPECT_EQ(u.btnSeite[1]->text(), "Seite &1");
    // Element 0 opens the customer info, element 1 the internal remark.
    EXPECT_EQ(u.btnInfo[0]->text(), "K&undeninfo");
    EXPECT_EQ(u.btnInfo[1]->text(), "Kundennoti&zen");
    EXPECT_EQ(u.btnErwAdresse->text(), "Er&w. Adresse");
    EXPECT_EQ(u.txtDNummer->toolTip(), "Kundennummer. Suchen F2");
    EXPECT_EQ(u.txtDAdr[1]->toolTip(), "Erste Namenszeile. ");
    EXPECT_EQ(u.lblFusstext->text(), "Fußtext");
    EXPECT_EQ(u.lblBaText[2]->text(), "Lieferschein");
    EXPECT_EQ(u.chkRechnungPerPDF->toolTip(),
              "Rechnungen können via EMail  als PDF-Anhang verschickt werden");

    ASSERT_EQ(u.cdoDKursbehandlung->count(), 3);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(u.cdoDKursbehandlung->itemData(i).toInt(), i);
    EXPECT_EQ(u.cdoDKursbehandlung->itemText(2), "Festkurs");
    EXPECT_TRUE(u.cdoDLand->isEditable());
    EXPECT_EQ(u.cdoDLand->count(), 9);
    EXPECT_EQ(u.cdoDLand->itemText(5), "CH");

    EXPECT_EQ(u.txtDAuftragsrabatt->decimals(), 2);
    EXPECT_EQ(u.txtDWechselkurs->decimals(), 5);
    EXPECT_EQ(u.txtDauer->decimals(), 2);
    EXPECT_FALSE(u.Timer1->isActive());

    EXPECT_EQ(u.ocxAnrede->kind(), MasterDataCombo::Kind::ComboEdit);
    EXPECT_EQ(u.ocxDVersandart->kind(), MasterDataCombo::Kind::Edit);
    EXPECT_EQ(u.ocxZahlungsbedingungen->design().captionwidth, 1500);
    EXPECT_FALSE(u.ocxMwstKnz->design().buttonvisible);
    EXPECT_TRUE(u.ocxDVersandart->design().allowemptystring);
    EXPECT_EQ(u.ocxVertreter[0]->design().caption, "Sachbearbeiter");
    EXPECT_TRUE(u.ocxVertreter[1]->design().caption.isEmpty());

    // Page 1 shows first; every input has a name for screen readers.
    EXPECT_FALSE(u.panSeite[1]->isHidden());
    EXPECT_TRUE(u.panSeite[0]->isHidden());
    for (QWidget* w : b.root->findChildren<QWidget*>()) {
        const bool input = qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w) ||
                           qobject_cast<QCheckBox*>(w) || qobject_cast<MasterDataCombo*>(w);
        if (!input || w->objectName().isEmpty() || insideMasterData(w)) continue;
        EXPECT_FALSE(w->accessibleName().isEmpty()) << w->objectName().toStdString();
    }
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
