// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/Form1.h"
#include "support/ModalDriver.h"
#include "support/TestMain.h"
#include "support/Texts.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileSystemModel>
#include <QTemporaryDir>
#include <QTreeView>

using namespace terravia;
using namespace terravia::test;

namespace {

// Keys go to the focus of the window that takes input: the open modal window if there is
// one, the main window otherwise. As a window manager would, this gives the window back its
// activation after a box has closed.
QWidget* KeyTarget() {
    QWidget* window = QApplication::activeModalWidget();
    if (window == nullptr) {
        for (QWidget* topLevel : QApplication::topLevelWidgets()) {
            if (topLevel->isVisible() && topLevel->objectName() == u"Form1"_s)
                window = topLevel;
        }
    }
    if (window == nullptr)
        return nullptr;
    if (!window->isActiveWindow()) {
        window->activateWindow();
        (void)QTest::qWaitForWindowActive(window, Deadline);
    }
    return window->focusWidget() != nullptr ? window->focusWidget() : window;
}

void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    if (QWidget* target = KeyTarget())
        QTest::keyClick(target, key, modifiers);
}

void Type(const QString& text) {
    for (const QChar c : text) {
        if (QWidget* target = KeyTarget())
            QTest::keyClicks(target, QString(c));
    }
}

} // namespace

class KeyboardRunTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void wholeRunWithTheKeyboardAlone() {
#if defined(Q_OS_WIN)
        // The dialog opens on c:\, where a user may make a folder, though not a file.
        QTemporaryDir folder(u"c:/reports-XXXXXX"_s);
        const QString reports = folder.path();
#else
        QTemporaryDir home;
        QVERIFY(QDir(home.path()).mkdir(u"reports"_s));
        qputenv("HOME", QFile::encodeName(home.path()));
        const QString reports = QDir(home.path()).filePath(u"reports"_s);
#endif

        answer(Info, true); // the site history is established
        expect(TonnageTitle, [] { Key(Qt::Key_Escape); });
        expect(Info, [] { Key(Qt::Key_Return); }); // "Please enter a numerical value"
        reply(TonnageTitle, u"250"_s);
        answer(Info, true); // solid
        reply(ConcentrationTitle, u"500"_s);
        answer(Info, false);
        answer(Info, true); // gasoline range
        reply(RespirationTitle, u"0.5"_s);
        reply(SoilPhTitle, u"7"_s);
        reply(BulkDensityTitle, u"1.2"_s);
        reply(WaterHoldingTitle, u"30"_s);
        expect(ValidTitle, [] { Key(Qt::Key_Return); });
        reply(CfuDegradersTitle, u"50000"_s);
        reply(CfuHeterotrophsTitle, u"2000"_s);
        reply(BioaugmentationTitle, u"0.1"_s);
        reply(BiodegradationTitle, u"150"_s);
        reply(CarbonTitle, u"123"_s);
        reply(CoContaminantsTitle, u"500"_s);
        for (const bool yes : {true, true, false, true, false}) // assays; residual soil; targets
            answer(Info, yes);
        expect(Caption, [this, reports] {
            auto* tree = QApplication::activeModalWidget()->findChild<QTreeView*>(u"Dir1"_s);
            // The tree fills in the background: the subdirectory must be there to be typed to.
            const auto listed = [tree, reports] {
                const QAbstractItemModel* model = tree->model();
                return !model
                            ->match(model->index(0, 0, tree->currentIndex()),
                                    QFileSystemModel::FilePathRole, reports, 1,
                                    Qt::MatchFixedString)
                            .isEmpty();
            };
            if (!QTest::qWaitFor(listed, Deadline))
                return driver_.fail(u"the directory tree never listed reports"_s);
            Key(Qt::Key_Tab); // Drive1
            Key(Qt::Key_Tab); // Dir1
            Type(u"rep"_s);
            if (tree->currentIndex().data(QFileSystemModel::FilePathRole).toString() != reports)
                driver_.fail(u"type-ahead did not reach reports"_s);
            Key(Qt::Key_Tab); // File1
            Key(Qt::Key_Tab); // Text1
            Type(u"keyboard-run"_s);
            Key(Qt::Key_Return); // OK is the default button
        });
        expect(CompleteTitle, [] { Key(Qt::Key_Return); });

        Form1 form;
        form.show();
        QApplication::setActiveWindow(&form);
        QVERIFY(QTest::qWaitForWindowActive(&form, Deadline));
        // Tab order from the first control: Ready, the mode list, "COC or Land Use?", and so on.
        form.findChild<QWidget*>(u"Command1"_s)->setFocus();
        Key(Qt::Key_Space); // Ready: the screening runs inside this key press, and ends on Combo1
        Key(Qt::Key_Down);  // "Define chemicals of concern (COCs)"
        Key(Qt::Key_Down);  // "Define historical land use"
        Key(Qt::Key_Tab);   // COC or Land Use?
        Key(Qt::Key_Space); // which ends on Combo2
        Type(u"Dry"_s);
        Key(Qt::Key_Tab);   // Select land use
        Key(Qt::Key_Space); // the whole run happens inside this key press

        QVERIFY2(driver_.failures().isEmpty(), qPrintable(driver_.failures().join(u'\n')));
        QCOMPARE(form.session().LandUseName, DryCleaners);
        QFile written(QDir(reports).filePath(u"keyboard-run.txt"_s));
        QVERIFY(written.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = written.readAll().split('\n');
        QCOMPARE(lines.size(), 2496 + 14 + 1);
        QCOMPARE(lines.first(), QByteArray("Ranked 1 for permissibility & certainty\r"));
    }

private:
    // The next modal window must carry this title; the keys answer it.
    void expect(const QString& title, std::function<void()> keys);
    void answer(const QString& title, bool yes);
    void reply(const QString& title, const QString& text);

    ModalDriver driver_;
};

void KeyboardRunTest::expect(const QString& title, std::function<void()> keys) {
    driver_.then([this, title, keys](QWidget* window) {
        if (window->windowTitle() != title)
            return driver_.fail(
                u"expected \"%1\", came \"%2\""_s.arg(title, window->windowTitle()));
        keys();
        // A mnemonic key clicks its button with a short animation.
        (void)QTest::qWaitFor([window] { return !window->isVisible(); }, Deadline);
    });
}

void KeyboardRunTest::answer(const QString& title, bool yes) {
    expect(title, [yes] { Key(yes ? Qt::Key_Y : Qt::Key_N); });
}

void KeyboardRunTest::reply(const QString& title, const QString& text) {
    expect(title, [text] {
        Type(text);
        Key(Qt::Key_Return);
    });
}

TERRAVIA_TEST_MAIN(KeyboardRunTest)
#include "KeyboardRunTest.moc"
