// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/Runs.h"
#include "support/TestForm.h"
#include "support/TestMain.h"
#include "support/Texts.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

using namespace terravia;
using namespace terravia::test;

namespace {

Step SelectionRequired() {
    return Message(Info, u"A selection is required"_s);
}

std::vector<Step> Run() {
    return TonnageAndMedium() + RedStopTail();
}

QPushButton* Button(QWidget& form, const char* name) {
    return form.findChild<QPushButton*>(QLatin1StringView(name));
}

} // namespace

class SelectionTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void modeRequired() {
        ScriptedPrompts script;
        script.add(PositiveScreening());
        TestForm form(&script);
        form.show();
        Click(form, "Command1");
        script.add(SelectionRequired());
        Click(form, "Command2");
        QCOMPARE(List(form, "Combo1")->count(), 2);
        QVERIFY(List(form, "Combo1")->isVisible());
        QVERIFY(!List(form, "Combo2")->isVisible());
        QVERIFY(!List(form, "Combo3")->isVisible());
        VERIFY_SCRIPT(script);
    }

    void landUseMode() {
        ShownForm shown(LandUseMode);
        auto& [script, form] = shown;
        QComboBox* combo1 = List(form, "Combo1");
        QComboBox* combo2 = List(form, "Combo2");
        QVERIFY(!combo1->isVisible());
        QVERIFY(combo1->isEnabled());
        QCOMPARE(combo1->count(), 0);
        QVERIFY(combo2->isVisible() && combo2->isEnabled());
        QCOMPARE(combo2->count(), 52);
        QCOMPARE(combo2->currentText(), QString());
        QCOMPARE(combo2->itemText(0), Airports);
        QCOMPARE(combo2->itemText(50),
                 u"Waste recycling, treatment and disposal sites: solvent recovery works"_s);
        QCOMPARE(combo2->itemText(51),
                 u"Waste recycling, treatment and disposal sites: metal recycling sites"_s);
        QVERIFY(Button(form, "Command3")->isVisible() && Button(form, "Command3")->isEnabled());
        QVERIFY(Button(form, "Command2")->isVisible() && Button(form, "Command2")->isEnabled());
        QVERIFY(!List(form, "Combo3")->isVisible());
        VERIFY_SCRIPT(script);
    }

    void cocMode() {
        ShownForm shown(CocMode);
        auto& [script, form] = shown;
        QComboBox* combo3 = List(form, "Combo3");
        QVERIFY(combo3->isVisible() && combo3->isEnabled());
        QCOMPARE(combo3->count(), 12);
        QCOMPARE(combo3->currentText(), QString());
        QCOMPARE(combo3->itemText(0), u"Metals e.g. Zinc, Copper & Semi Metals/Non metals e.g."_s);
        QCOMPARE(combo3->itemText(8), u"PAH"_s);
        QCOMPARE(combo3->itemText(11), Others);
        QVERIFY(Button(form, "Command4")->isVisible() && Button(form, "Command4")->isEnabled());
        QVERIFY(!List(form, "Combo2")->isVisible());
        VERIFY_SCRIPT(script);
    }

    void selectionRequired_data() {
        QTest::addColumn<QString>("mode");
        QTest::newRow("land use") << LandUseMode;
        QTest::newRow("COC group") << CocMode;
    }

    void selectionRequired() {
        QFETCH(QString, mode);
        ShownForm shown(mode);
        auto& [script, form] = shown;
        script.add(SelectionRequired());
        const bool coc = mode == CocMode;
        Click(form, coc ? "Command4" : "Command3");
        QCOMPARE(List(form, coc ? "Combo3" : "Combo2")->count(), coc ? 12 : 52);
        QCOMPARE(form.session().CocName, QString());
        QCOMPARE(form.session().LandUseName, QString());
        QCOMPARE(form.session().Tonnage, 0.0);
        QCOMPARE(form.session().ConclusionCount, 0);
        VERIFY_SCRIPT(script);
    }

    void cocGroupOfEachText_data() {
        QTest::addColumn<int>("position");
        for (int position = 0; position < 12; ++position)
            QTest::addRow("group %d", position + 1) << position;
    }

    void cocGroupOfEachText() {
        QFETCH(int, position);
        ShownForm shown(CocMode);
        auto& [script, form] = shown;
        List(form, "Combo3")->setCurrentIndex(position);
        script.add(Run());
        Click(form, "Command4");
        QCOMPARE(form.session().CocName, List(form, "Combo3")->itemText(position));
        QCOMPARE(form.session().CocGroup, position + 1);
        QCOMPARE(form.session().Tonnage, 10.0);
        QCOMPARE(form.session().Medium, u"solid"_s);
        VERIFY_SCRIPT(script);
    }

    void typedCocIsStoredAndKeepsTheGroup() {
        ShownForm shown(CocMode);
        auto& [script, form] = shown;
        Pick(form, "Combo3", u"PAH"_s);
        script.add(Run());
        Click(form, "Command4");
        QCOMPARE(form.session().CocGroup, 9);

        QLineEdit* field = List(form, "Combo3")->lineEdit();
        field->clear();
        QTest::keyClicks(field, u"pah"_s);
        script.add(Run());
        Click(form, "Command4");
        QCOMPARE(form.session().CocName, u"pah"_s);
        QCOMPARE(form.session().CocGroup, 9);
        QCOMPARE(List(form, "Combo3")->count(), 12);
        VERIFY_SCRIPT(script);
    }

    void earlierCocNameCarriesIntoLandUseRun() {
        ShownForm shown(CocMode);
        auto& [script, form] = shown;
        Pick(form, "Combo3", u"TPH"_s);
        script.add(Run());
        Click(form, "Command4");
        QCOMPARE(form.session().CocGroup, 8);
        const int firstRunLines = form.session().ConclusionCount;

        // The covered buttons are still there for a keyboard user.
        ChooseMode(form, script, LandUseMode);
        Pick(form, "Combo2", Airports);
        script.add(Run());
        Click(form, "Command3");
        QCOMPARE(form.session().LandUseName, Airports);
        QCOMPARE(form.session().CocName, u"TPH"_s);
        QCOMPARE(form.session().CocGroup, 8);
        QCOMPARE(form.session().ConclusionCount, 2 * firstRunLines);

        Click(form, "Command5");
        QCOMPARE(form.session().CocName, QString());
        QCOMPARE(form.session().CocGroup, 0);
        QCOMPARE(form.session().ConclusionCount, 0);
        ChooseMode(form, script, LandUseMode);
        Pick(form, "Combo2", Airports);
        script.add(Run());
        Click(form, "Command3");
        QCOMPARE(form.session().CocGroup, 0);
        VERIFY_SCRIPT(script);
    }

    void landUseTwiceInARow() {
        ShownForm shown(LandUseMode);
        auto& [script, form] = shown;
        Pick(form, "Combo2", DryCleaners);
        script.add(Run());
        Click(form, "Command3");
        const int firstRunLines = form.session().ConclusionCount;
        const QString lastOfFirstRun = form.session().Conclusions[std::size_t(firstRunLines)];
        script.add(Run());
        Click(form, "Command3");
        QCOMPARE(form.session().ConclusionCount, 2 * firstRunLines);
        QCOMPARE(form.session().Conclusions[std::size_t(firstRunLines)], lastOfFirstRun);
        QCOMPARE(form.session().LandUseName, DryCleaners);
        QVERIFY(List(form, "Combo2")->isVisible());
        QCOMPARE(List(form, "Combo2")->currentText(), DryCleaners);
        VERIFY_SCRIPT(script);
    }

    void clearAllThenTheOtherMode() {
        ShownForm shown(CocMode);
        auto& [script, form] = shown;
        Click(form, "Command5");
        QVERIFY(!List(form, "Combo3")->isVisible());
        QCOMPARE(List(form, "Combo3")->count(), 0);
        QCOMPARE(List(form, "Combo3")->currentText(), QString());
        QVERIFY(!Button(form, "Command4")->isVisible());
        ChooseMode(form, script, LandUseMode);
        QVERIFY(List(form, "Combo2")->isVisible());
        QVERIFY(!List(form, "Combo3")->isVisible());
        QCOMPARE(List(form, "Combo3")->count(), 0);
        VERIFY_SCRIPT(script);
    }
};

TERRAVIA_TEST_MAIN(SelectionTest)
#include "SelectionTest.moc"
