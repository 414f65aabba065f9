// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

// Loads the Designer plugin the way Designer does, through QPluginLoader and
// the custom widget interface, without linking the library itself: the
// control must come out of the plugin.
#include "contracts/Error.h"
#include <QApplication>
#include <QFileInfo>
#include <QMetaProperty>
#include <QPluginLoader>
#include <QWidget>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>
#include <cstdio>
#include <gtest/gtest.h>
#include <memory>

namespace {

QString pluginPath;

class DesignerPluginTest : public ::testing::Test {
protected:
    void SetUp() override {
        loader.setFileName(pluginPath);
        ASSERT_TRUE(loader.load()) << loader.errorString().toStdString();
        plugin = qobject_cast<QDesignerCustomWidgetInterface*>(loader.instance());
        ASSERT_NE(plugin, nullptr)
            << "no QDesignerCustomWidgetInterface in " << pluginPath.toStdString();
    }
    void TearDown() override { widget.reset(); }

    QWidget& created() {
        if (!widget) widget.reset(plugin->createWidget(nullptr));
        return *widget;
    }

    QPluginLoader loader;
    QDesignerCustomWidgetInterface* plugin = nullptr;
    std::unique_ptr<QWidget> widget;
};

TEST_F(DesignerPluginTest, DescribesTheControlForTheWidgetBox) {
    EXPECT_EQ(plugin->name(), "belegadressen::BelegAdressen");
    EXPECT_EQ(plugin->includeFile(), "control/BelegAdressen.h");
    EXPECT_FALSE(plugin->isContainer());
    EXPECT_FALSE(plugin->icon().isNull());
    EXPECT_FALSE(plugin->toolTip().isEmpty());
    // uic takes class and header from the widget box entry.
    EXPECT_TRUE(plugin->domXml().contains(R"(class="belegadressen::BelegAdressen")"));
    EXPECT_TRUE(plugin->domXml().contains("<header location=\"global\">control/BelegAdressen.h"));
}

TEST_F(DesignerPluginTest, CreatesTheControlInDesignMode) {
    QWidget& control = created();
    EXPECT_STREQ(control.metaObject()->className(), "belegadressen::BelegAdressen");
    EXPECT_NE(control.findChild<QWidget*>("txtDNummer"), nullptr);
    // Switching the address is a run-time member: refused in design mode.
    try {
        control.setProperty("AktAdresse", 1);
        ADD_FAILURE() << "AktAdresse was accepted in design mode";
    } catch (const belegadressen::Error& e) {
        EXPECT_EQ(e.number(), belegadressen::Error::DesignMode);
    }
    EXPECT_EQ(control.property("AktAdresse").toInt(), 0);
}

// Every stored property is in the property editor with a type the editor
// can edit; the address switch stays out of it because design mode refuses it,
// and so do the held Enabled and Font, beside QWidget's own enabled and font
// that act on the widget.
TEST_F(DesignerPluginTest, ShowsTheStoredPropertiesInThePropertyEditor) {
    QWidget& control = created();
    const QMetaObject* meta = control.metaObject();
    const struct {
        const char* name;
        QMetaType::Type type;
    } stored[] = {
        {"BackColor", QMetaType::Int},
        {"ForeColor", QMetaType::Int},
        {"BackStyle", QMetaType::Int},
        {"BorderStyle", QMetaType::Int},
        {"AnzAdresse", QMetaType::Int},
        {"MitVersandanschrift", QMetaType::Bool},
        {"MitRechnungsanschrift", QMetaType::Bool},
        {"MitKopftext", QMetaType::Bool},
        {"MitFusstext", QMetaType::Bool},
        {"FuerBeleg", QMetaType::Bool},
        {"MitVersandarten", QMetaType::Bool},
        {"MitSachbearbeiter", QMetaType::Bool},
        {"MitAuftragsrabatt", QMetaType::Bool},
        {"MitRechnungPerPDF", QMetaType::Bool},
        {"MitDebitorenkonto", QMetaType::Bool},
        {"MitPostfach", QMetaType::Bool},
        {"MitKundendienst", QMetaType::Bool},
        {"MitWartung", QMetaType::Bool},
    };
    for (const auto& p : stored) {
        SCOPED_TRACE(p.name);
        const int index = meta->indexOfProperty(p.name);
        ASSERT_GE(index, 0);
        const QMetaProperty property = meta->property(index);
        EXPECT_EQ(property.metaType().id(), p.type);
        EXPECT_TRUE(property.isDesignable());
        EXPECT_TRUE(property.isWritable());
    }
    for (const char* hidden : {"AktAdresse", "Enabled", "Font"}) {
        const int index = meta->indexOfProperty(hidden);
        ASSERT_GE(index, 0) << hidden;
        EXPECT_FALSE(meta->property(index).isDesignable()) << hidden;
    }

    // The editor writes what the user changes; a stored flag takes it.
    EXPECT_TRUE(control.setProperty("AnzAdresse", 3));
    EXPECT_EQ(control.property("AnzAdresse").toInt(), 3);
    EXPECT_TRUE(control.setProperty("MitKopftext", true));
    EXPECT_TRUE(control.property("MitKopftext").toBool());
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s PLUGIN_FILE\n", argv[0]);
        return 2;
    }
    pluginPath = QFileInfo(QString::fromLocal8Bit(argv[1])).absoluteFilePath();
    return RUN_ALL_TESTS();
}
