#include "app/Form1.h"
#include "output/Dialog.h"
#include "support/ScriptedPrompts.h"
#include "support/TestMain.h"

#include <QAccessible>
#include <QComboBox>
#include <QPushButton>
#include <QTemporaryDir>

#include <memory>

using namespace terravia;
using namespace terravia::test;

class AccessibilityTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void controls_data();
    void controls();
    void listNameIsNotItsEntry();
};

void AccessibilityTest::controls_data() {
    QTest::addColumn<bool>("inDialog");
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("role");
    QTest::addColumn<QString>("name");
    const auto row = [](bool inDialog, const char* control, QAccessible::Role role,
                        const char* name) {
        QTest::addRow("%s %s", inDialog ? "Dialog" : "Form1", control)
            << inDialog << QString::fromLatin1(control) << int(role) << QString::fromLatin1(name);
    };
    row(false, "Form1", QAccessible::Client, "Terravia 1.0");
    row(false, "Command1", QAccessible::Button, "Ready");
    row(false, "Command2", QAccessible::Button, "COC or Land Use?");
    row(false, "Command3", QAccessible::Button, "Select land use");
    row(false, "Command4", QAccessible::Button, "Select COC");
    row(false, "Command5", QAccessible::Button, "Clear all");
    row(false, "Combo1", QAccessible::ComboBox, "Selection mode");
    row(false, "Combo2", QAccessible::ComboBox, "Historical land use");
    row(false, "Combo3", QAccessible::ComboBox, "COC group");
    row(false, "Text1", QAccessible::EditableText, "Path of the conclusions file");
    row(false, "Picture1", QAccessible::Graphic, "Illustration");
    row(true, "Dialog", QAccessible::Dialog, "Conclusions file");
    row(true, "OKButton", QAccessible::Button, "OK");
    row(true, "Drive1", QAccessible::ComboBox, "Drive");
    row(true, "Dir1", QAccessible::Tree, "Directory");
    row(true, "File1", QAccessible::List, "Files");
    row(true, "Text1", QAccessible::EditableText, "File name");
}

void AccessibilityTest::controls() {
    QFETCH(bool, inDialog);
    QFETCH(QString, control);
    QFETCH(int, role);
    QFETCH(QString, name);
    ScriptedPrompts script;
    QTemporaryDir dir;
    std::unique_ptr<QWidget> window;
    if (inDialog) {
        window = std::make_unique<Dialog>(nullptr, dir.path());
        window->setWindowTitle(QStringLiteral("Conclusions file"));
    } else {
        window = std::make_unique<Form1>(&script);
    }
    window->show();
    QWidget* widget =
        control == window->objectName() ? window.get() : window->findChild<QWidget*>(control);
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

TERRAVIA_TEST_MAIN(AccessibilityTest)
#include "AccessibilityTest.moc"
