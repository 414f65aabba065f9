// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

// A remark holding pictures or objects: every way of opening it shows its text
// read-only with a note, and nothing the user does writes it back.
#include "windows/FrmInfo.h"
#include "windows/InfoSupport.h"
#include <QPushButton>
#include <QSqlQuery>
#include <QTextEdit>
#include <QTimer>

using namespace belegadressen;
using namespace batest;

namespace {

// The written sample, the same with a picture of a megabyte, and an embedded object.
QStringList remarksBeyondText() {
    const QString sample = rtfSample("bild");
    QString hex;
    hex.reserve(1 << 20);
    for (int i = 0; i < (1 << 19); ++i)
        hex += QStringLiteral("%1").arg(i % 256, 2, 16, QLatin1Char('0'));
    return {sample,
            "{\\rtf1\\ansi Lageplan anbei.\\par{\\pict\\pngblip\\picw16\\pich16 " + hex + "}}",
            "{\\rtf1\\ansi Vertrag {\\object\\objemb{\\*\\objclass Word.Document}{\\*\\objdata "
            "d0cf11e0a1b11ae1}{\\result Vertragstext}}\\par Ende}"};
}

class UnshownContent : public OnEachEngine<> {
protected:
    void SetUp() override {
        OnEachEngine::SetUp();
        if (IsSkipped()) return;
        s = std::make_unique<SideWindows>(engine());
    }
    void store(const QString& column, const QString& text) {
        QSqlQuery q(s->h.database().db());
        q.prepare("UPDATE Kundenstamm SET " + column + " = ? WHERE Kundennummer = '20003'");
        q.bindValue(0, text);
        ASSERT_TRUE(q.exec());
    }
    // The next window: what it shows, then the user replaces the text and clicks "Zurück".
    void editAndGoBack() {
        s->host->then([this](QDialog& d) {
            auto& w = static_cast<FrmInfo&>(d);
            readOnly = w.txtText->isReadOnly() && !w.complete();
            shown = w.txtText->toPlainText();
            w.txtText->setReadOnly(false); // even an edit that gets through stays unsaved
            w.txtText->setPlainText("nur noch Text");
            w.btnOk->click();
            return d.result();
        });
    }
    std::unique_ptr<SideWindows> s;
    bool readOnly = false;
    QString shown;
};
INSTANTIATE_TEST_SUITE_P(, UnshownContent, engines(), EngineName());

TEST_P(UnshownContent, OpensReadOnlyWithANoteAndIsNeverWrittenBack) {
    const QString note = "Dieser Text enthält Bilder oder eingebettete Objekte";
    auto* timer = s->h.control().findChild<QTimer*>("Timer1");
    // Each way the window opens, with the column it shows.
    const std::pair<const char*, std::function<void()>> ways[] = {
        {"InterneBemerkung", [&] { s->click("btnInfo_1"); }},
        {"Kundeninfo", [&] { s->click("btnInfo_0"); }},
        {"InterneBemerkung", [&] { s->h.control().Anzeige_Kundeninfo("20003"); }},
        {"InterneBemerkung",
         [&] {
             s->h.control().fktDragNummer("20004");
             s->h.control().fktDragNummer("20003");
             EXPECT_TRUE(QTest::qWaitFor([&] { return !timer->isActive(); }, 5000));
         }},
    };
    for (const QString& remark : remarksBeyondText()) {
        for (const auto& [column, open] : ways) {
            // The megabyte goes one way only: the ways do not differ by size.
            if (remark.size() > 100000 && &open != &ways[0].second) continue;
            SCOPED_TRACE(std::string(column) + " " + remark.left(40).toStdString());
            store(column, remark);
            s->h.edit("txtDNummer")->setText("20003");
            s->h.sql().statements.clear();
            shown.clear();
            readOnly = false;
            editAndGoBack();
            open();
            EXPECT_TRUE(readOnly);
            EXPECT_TRUE(shown.startsWith(note)) << shown.left(80).toStdString();
            EXPECT_TRUE(shown.contains(remark.contains("Vertrag")   ? "Vertrag"
                                       : remark.contains("Hund im") ? "Hund im Garten"
                                                                    : "Lageplan anbei."));
            EXPECT_TRUE(s->updates().isEmpty()) << s->updates().join('\n').toStdString();
            EXPECT_EQ(s->remarkOf("20003", column), remark);
        }
    }
}

// A remark of text and formats alone stays editable and is written back.
TEST_P(UnshownContent, ATextOnlyRemarkStaysEditable) {
    store("InterneBemerkung", rtfSample("formatiert"));
    s->h.edit("txtDNummer")->setText("20003");
    editAndGoBack();
    s->click("btnInfo_1");
    EXPECT_FALSE(readOnly);
    EXPECT_EQ(s->remarkOf("20003"), "nur noch Text");
}

} // namespace
