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
            if (topLevel->isVisible() && topLevel->objectName() == QStringLiteral("Form1"))
                window = topLevel;
        }
    }
    if (window == nullptr)
        return nullptr;
    if (!window->isActiveWindow()) {
        window->activateWindow();
        (void)QTest::qWaitForWindowActive(window, LoadedDeadlineMs);
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
        QTemporaryDir folder(QStringLiteral("c:/reports-XXXXXX"));
        const QString reports = folder.path();
#else
        QTemporaryDir home;
        QVERIFY(QDir(home.path()).mkdir(QStringLiteral("reports")));
        qputenv("HOME", QFile::encodeName(home.path()));
        const QString reports = QDir(home.path()).filePath(QStringLiteral("reports"));
#endif
        const QString info = Info;

        answer(info, true); // the site history is established
        expect(TonnageTitle, [] { Key(Qt::Key_Escape); });
        expect(info, [] { Key(Qt::Key_Return); }); // "Please enter a numerical value"
        reply(TonnageTitle, QStringLiteral("250"));
        answer(info, true); // solid
        reply(ConcentrationTitle, QStringLiteral("500"));
        answer(info, false);
        answer(info, true); // gasoline range
        reply(RespirationTitle, QStringLiteral("0.5"));
        reply(SoilPhTitle, QStringLiteral("7"));
        reply(BulkDensityTitle, QStringLiteral("1.2"));
        reply(WaterHoldingTitle, QStringLiteral("30"));
        expect(ValidTitle, [] { Key(Qt::Key_Return); });
        reply(CfuDegradersTitle, QStringLiteral("50000"));
        reply(CfuHeterotrophsTitle, QStringLiteral("2000"));
        reply(BioaugmentationTitle, QStringLiteral("0.1"));
        reply(BiodegradationTitle, QStringLiteral("150"));
        reply(CarbonTitle, QStringLiteral("123"));
        reply(CoContaminantsTitle, QStringLiteral("500"));
        for (const bool yes : {true, true, false, true, false}) // assays; residual soil; targets
            answer(info, yes);
        expect(Caption, [this, reports] {
            auto* tree =
                QApplication::activeModalWidget()->findChild<QTreeView*>(QStringLiteral("Dir1"));
            // The tree fills in the background: the subdirectory must be there to be typed to.
            const auto listed = [tree, reports] {
                const QAbstractItemModel* model = tree->model();
                return !model
                            ->match(model->index(0, 0, tree->currentIndex()),
                                    QFileSystemModel::FilePathRole, reports, 1,
                                    Qt::MatchFixedString)
                            .isEmpty();
            };
            if (!QTest::qWaitFor(listed, LoadedDeadlineMs))
                return driver_.fail(QStringLiteral("the directory tree never listed reports"));
            Key(Qt::Key_Tab); // Drive1
            Key(Qt::Key_Tab); // Dir1
            Type(QStringLiteral("rep"));
            if (tree->currentIndex().data(QFileSystemModel::FilePathRole).toString() != reports)
                driver_.fail(QStringLiteral("type-ahead did not reach reports"));
            Key(Qt::Key_Tab); // File1
            Key(Qt::Key_Tab); // Text1
            Type(QStringLiteral("keyboard-run"));
            Key(Qt::Key_Return); // OK is the default button
        });
        expect(CompleteTitle, [] { Key(Qt::Key_Return); });

        Form1 form;
        form.show();
        QApplication::setActiveWindow(&form);
        QVERIFY(QTest::qWaitForWindowActive(&form, LoadedDeadlineMs));
        // Tab order from the first control: Ready, the mode list, "COC or Land Use?", and so on.
        form.findChild<QWidget*>(QStringLiteral("Command1"))->setFocus();
        Key(Qt::Key_Space); // Ready: the screening runs inside this key press, and ends on Combo1
        Key(Qt::Key_Down);  // "Define chemicals of concern (COCs)"
        Key(Qt::Key_Down);  // "Define historical land use"
        Key(Qt::Key_Tab);   // COC or Land Use?
        Key(Qt::Key_Space); // which ends on Combo2
        Type(QStringLiteral("Dry"));
        Key(Qt::Key_Tab);   // Select land use
        Key(Qt::Key_Space); // the whole run happens inside this key press

        QVERIFY2(driver_.failures().isEmpty(), qPrintable(driver_.failures().join(u'\n')));
        QCOMPARE(form.session().LandUseName, QStringLiteral("Dry cleaners"));
        QFile written(QDir(reports).filePath(QStringLiteral("keyboard-run.txt")));
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
                QStringLiteral("expected \"%1\", came \"%2\"").arg(title, window->windowTitle()));
        keys();
        // A mnemonic key clicks its button with a short animation.
        (void)QTest::qWaitFor([window] { return !window->isVisible(); }, LoadedDeadlineMs);
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
