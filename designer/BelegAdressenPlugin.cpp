// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#include "BelegAdressenPlugin.h"
#include "control/BelegAdressen.h"
#include <QIcon>
#include <QPainter>
#include <QPixmap>

namespace belegadressen {

namespace {

// A sheet with an address window, drawn rather than shipped as a file.
QIcon drawIcon() {
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(60, 60, 60), 1.5));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(5.5, 2.5, 21, 27));
    p.setBrush(QColor(210, 228, 250));
    p.setPen(QPen(QColor(40, 90, 160), 1));
    p.drawRect(QRectF(8.5, 6.5, 13, 9));
    p.setPen(QPen(QColor(40, 90, 160), 1.5));
    for (qreal y : {9.5, 12.5})
        p.drawLine(QPointF(10.5, y), QPointF(19.5, y));
    p.setPen(QPen(QColor(150, 150, 150), 1.5));
    for (qreal y : {20.5, 23.5, 26.5})
        p.drawLine(QPointF(8.5, y), QPointF(23.5, y));
    return QIcon(pixmap);
}

} // namespace

BelegAdressenPlugin::BelegAdressenPlugin(QObject* parent) : QObject(parent) {}

QString BelegAdressenPlugin::name() const { return QStringLiteral("belegadressen::BelegAdressen"); }
QString BelegAdressenPlugin::group() const { return QStringLiteral("BelegAdressen"); }
QString BelegAdressenPlugin::toolTip() const { return QStringLiteral("Adressblock eines Belegs"); }
QString BelegAdressenPlugin::whatsThis() const {
    return QStringLiteral("Erfasst und zeigt die Adressen eines Belegs: Kunde oder Adresse "
                          "per Nummer, Versand- und Rechnungsanschrift, Kopf- und Fußtexte.");
}
QString BelegAdressenPlugin::includeFile() const {
    return QStringLiteral("control/BelegAdressen.h");
}
QIcon BelegAdressenPlugin::icon() const { return drawIcon(); }
bool BelegAdressenPlugin::isContainer() const { return false; }

QWidget* BelegAdressenPlugin::createWidget(QWidget* parent) {
    auto* control = new BelegAdressen(parent);
    control->setDesignMode(true);
    return control;
}

bool BelegAdressenPlugin::isInitialized() const { return mInitialized; }
void BelegAdressenPlugin::initialize(QDesignerFormEditorInterface*) { mInitialized = true; }

QString BelegAdressenPlugin::domXml() const {
    return QStringLiteral(R"(<ui language="c++" displayname="BelegAdressen">
 <widget class="belegadressen::BelegAdressen" name="belegAdressen"/>
 <customwidgets>
  <customwidget>
   <class>belegadressen::BelegAdressen</class>
   <extends>QWidget</extends>
   <header location="global">control/BelegAdressen.h</header>
  </customwidget>
 </customwidgets>
</ui>
)");
}

} // namespace belegadressen
