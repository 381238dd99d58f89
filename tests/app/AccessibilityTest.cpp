#include "app/Form1.h"
#include "output/Dialog.h"
#include "support/ScriptedPrompts.h"
#include "support/TestMain.h"

#include <QAccessible>
#include <QComboBox>
#include <QPushButton>
#include <QTemporaryDir>

using namespace terravia;
using namespace terravia::test;

class AccessibilityTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void mainWindowControls_data();
    void mainWindowControls();
    void listNameIsNotItsEntry();
    void dialogControls_data();
    void dialogControls();
};

void AccessibilityTest::mainWindowControls_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("role");
    QTest::addColumn<QString>("name");
    const auto row = [](const char* control, QAccessible::Role role, const char* name) {
        QTest::newRow(control) << QString::fromLatin1(control) << int(role)
                               << QString::fromLatin1(name);
    };
    row("Form1", QAccessible::Client, "Terravia 1.0");
    row("Command1", QAccessible::Button, "Ready");
    row("Command2", QAccessible::Button, "COC or Land Use?");
    row("Command3", QAccessible::Button, "Select land use");
    row("Command4", QAccessible::Button, "Select COC");
    row("Command5", QAccessible::Button, "Clear all");
    row("Combo1", QAccessible::ComboBox, "Selection mode");
    row("Combo2", QAccessible::ComboBox, "Historical land use");
    row("Combo3", QAccessible::ComboBox, "COC group");
    row("Text1", QAccessible::EditableText, "Path of the conclusions file");
    row("Picture1", QAccessible::Graphic, "Illustration");
}

void AccessibilityTest::mainWindowControls() {
    QFETCH(QString, control);
    QFETCH(int, role);
    QFETCH(QString, name);
    ScriptedPrompts script;
    Form1 form(&script);
    form.show();
    QWidget* widget =
        control == QStringLiteral("Form1") ? &form : form.findChild<QWidget*>(control);
    QVERIFY(widget != nullptr);
    QAccessibleInterface* access = QAccessible::queryAccessibleInterface(widget);
    QVERIFY(access != nullptr);
    QCOMPARE(int(access->role()), role);
    QCOMPARE(access->text(QAccessible::Name), name);
    if (control == QStringLiteral("Picture1"))
        QVERIFY(!access->text(QAccessible::Description).isEmpty());
}

void AccessibilityTest::listNameIsNotItsEntry() {
    ScriptedPrompts script{Yes(QStringLiteral("Has the site history been established?"))};
    Form1 form(&script);
    form.show();
    form.findChild<QPushButton*>(QStringLiteral("Command1"))->click();
    auto* combo = form.findChild<QComboBox*>(QStringLiteral("Combo1"));
    combo->setCurrentIndex(1);
    QAccessibleInterface* access = QAccessible::queryAccessibleInterface(combo);
    QCOMPARE(access->text(QAccessible::Name), QStringLiteral("Selection mode"));
    QCOMPARE(access->text(QAccessible::Value), QStringLiteral("Define historical land use"));
    VERIFY_SCRIPT(script);
}

void AccessibilityTest::dialogControls_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("role");
    QTest::addColumn<QString>("name");
    const auto row = [](const char* control, QAccessible::Role role, const char* name) {
        QTest::newRow(control) << QString::fromLatin1(control) << int(role)
                               << QString::fromLatin1(name);
    };
    row("Dialog", QAccessible::Dialog, "Conclusions file");
    row("OKButton", QAccessible::Button, "OK");
    row("Drive1", QAccessible::ComboBox, "Drive");
    row("Dir1", QAccessible::Tree, "Directory");
    row("File1", QAccessible::List, "Files");
    row("Text1", QAccessible::EditableText, "File name");
}

void AccessibilityTest::dialogControls() {
    QFETCH(QString, control);
    QFETCH(int, role);
    QFETCH(QString, name);
    QTemporaryDir dir;
    Dialog dialog(nullptr, dir.path());
    dialog.setWindowTitle(QStringLiteral("Conclusions file"));
    dialog.show();
    QWidget* widget =
        control == QStringLiteral("Dialog") ? &dialog : dialog.findChild<QWidget*>(control);
    QVERIFY(widget != nullptr);
    QAccessibleInterface* access = QAccessible::queryAccessibleInterface(widget);
    QVERIFY(access != nullptr);
    QCOMPARE(int(access->role()), role);
    QCOMPARE(access->text(QAccessible::Name), name);
}

TERRAVIA_TEST_MAIN(AccessibilityTest)
#include "AccessibilityTest.moc"
