// SPDX-License-Identifier: GPL-3.0-or-later

#include "screening/TonnageMedium.h"
#include "support/Columns.h"
#include "support/ScriptedPrompts.h"
#include "support/TestMain.h"
#include "support/Texts.h"

using namespace terravia;
using namespace terravia::test;

namespace {} // namespace

namespace {

// The session after the wizard has asked, over the script.
Session Asked(ScriptedPrompts& script, void (*ask)(Wizard&)) {
    Session session;
    ResetSession(session);
    Wizard wizard{session, script};
    ask(wizard);
    return session;
}

} // namespace

class TonnageMediumTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void tonnageRejections_data() {
        QTest::addColumn<std::optional<QString>>("reply");
        QTest::newRow("zero") << std::optional<QString>(u"0"_s);
        QTest::newRow("negative") << std::optional<QString>(u"-3"_s);
        QTest::newRow("text") << std::optional<QString>(u"abc"_s);
        QTest::newRow("empty") << std::optional<QString>(QString());
        QTest::newRow("cancel") << std::optional<QString>();
    }

    void tonnageRejections() {
        QFETCH(std::optional<QString>, reply);
        const Step rejected = reply ? Input(TonnageTitle, TonnagePrompt, *reply)
                                    : Cancel(TonnageTitle, TonnagePrompt);
        ScriptedPrompts script{rejected, Message(Info, Rejection),
                               Input(TonnageTitle, TonnagePrompt, u"7"_s)};
        QCOMPARE(Asked(script, AskTonnage).Tonnage, 7.0);
        VERIFY_SCRIPT(script);
    }

    void tonnageAccepted_data() {
        Columns<QString, double>({"reply", "tonnage"});
        QTest::newRow("half") << u"0.5"_s << 0.5;
        QTest::newRow("thousands") << u"2500"_s << 2500.0;
        QTest::newRow("comma") << u"1,5"_s << 1.0;
        QTest::newRow("with unit") << u"12 t"_s << 12.0;
    }

    void tonnageAccepted() {
        QFETCH(QString, reply);
        QFETCH(double, tonnage);
        ScriptedPrompts script{Input(TonnageTitle, TonnagePrompt, reply)};
        QCOMPARE(Asked(script, AskTonnage).Tonnage, tonnage);
        VERIFY_SCRIPT(script);
    }

    void medium_data() {
        Columns<QString, QString>({"answers", "medium"});
        QTest::newRow("solid") << "S"
                               << "solid";
        QTest::newRow("liquid") << "sL"
                                << "liquid";
        QTest::newRow("neither, then solid") << "sl!S"
                                             << "solid";
        QTest::newRow("neither twice, then liquid") << "sl!sl!sL"
                                                    << "liquid";
    }

    void medium() {
        // S / s: Yes / No to the solid question; L / l: to the liquid one; !: the reminder.
        QFETCH(QString, answers);
        QFETCH(QString, medium);
        ScriptedPrompts script;
        for (const QChar a : answers) {
            if (a == u'!')
                script.add(Message(Info, u"You have to choose solid or liquid"_s));
            else if (a.toLower() == u's')
                script.add(a == u'S' ? Yes(Solid) : No(Solid));
            else
                script.add(a == u'L' ? Yes(Liquid) : No(Liquid));
        }
        QCOMPARE(Asked(script, AskMedium).Medium, medium);
        VERIFY_SCRIPT(script);
    }
};

TERRAVIA_TEST_MAIN(TonnageMediumTest)
#include "TonnageMediumTest.moc"
