// SPDX-License-Identifier: GPL-3.0-or-later
// The main window on desktops with other fonts: run by ctest at scales 1, 1.5 and 2 and at a
// font resolution of 144 dpi without scaling, each row a desktop font size.

#include "app/Form1.h"
#include "screening/RiskScreening.h"
#include "screening/Selection.h"
#include "support/TestMain.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionButton>

using namespace terravia;
using namespace Qt::Literals::StringLiterals;

namespace {

const char* const Buttons[] = {"Command1", "Command2", "Command3", "Command4", "Command5"};
const char* const Lists[] = {"Combo1", "Combo2", "Combo3"};

// The room the style leaves for a button's caption, asked of the style itself.
int StyleRoom(const QPushButton* button) {
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    return button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button).width();
}

// Every list with its entries, as the wizard fills them.
void FillLists(Form1& form) {
    OfferSelectionMode(form.wizard());
    FillLandUseList(form.wizard());
    FillCocList(form.wizard());
}

} // namespace

class DesktopFontsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() {
        desktopDefault_ = QApplication::font();
        Form1 form;
        for (const char* name : Buttons) {
            const auto* button = form.findChild<QPushButton*>(QLatin1StringView(name));
            baseline_.append({button->font(), button->geometry()});
        }
        qInfo("scale %g, logical dpi %g", QGuiApplication::primaryScreen()->devicePixelRatio(),
              QGuiApplication::primaryScreen()->logicalDotsPerInchY());
    }

    void cleanup() { QApplication::setFont(desktopDefault_); }

    void desktopFont_data() {
        QTest::addColumn<qreal>("points");
        for (const qreal points : {8.0, 10.0, 11.0, 14.0})
            QTest::addRow("%g pt", points) << points;
    }

    void desktopFont() {
        QFETCH(qreal, points);
        QFont desktop = desktopDefault_;
        desktop.setPointSizeF(points);
        QApplication::setFont(desktop);
        Form1 form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form, Deadline));

        for (std::size_t i = 0; i < std::size(Buttons); ++i) {
            const auto* button = form.findChild<QPushButton*>(QLatin1StringView(Buttons[i]));
            const int needs = QFontMetrics(button->font()).horizontalAdvance(button->text());
            QVERIFY2(needs <= StyleRoom(button),
                     qPrintable(u"%1: \"%2\" needs %3 px, the frame leaves %4"_s
                                    .arg(QLatin1StringView(Buttons[i]), button->text())
                                    .arg(needs)
                                    .arg(StyleRoom(button))));
            QCOMPARE(button->font(), baseline_[qsizetype(i)].first);
            QCOMPARE(button->geometry(), baseline_[qsizetype(i)].second);
        }

        FillLists(form);
        const int screenWidth = form.screen()->availableGeometry().width();
        for (const char* name : Lists) {
            auto* combo = form.findChild<QComboBox*>(QLatin1StringView(name));
            int longest = 0;
            for (int row = 0; row < combo->count(); ++row)
                longest = std::max(
                    longest,
                    combo->view()->sizeHintForIndex(combo->model()->index(row, 0)).width());
            combo->showPopup();
            const int shown = combo->view()->viewport()->width();
            const int decorations = combo->view()->window()->width() - shown;
            combo->hidePopup();
            QVERIFY2(shown >= std::min(longest, screenWidth - decorations),
                     qPrintable(u"%1: the open list is %2 px wide, its longest entry %3"_s
                                    .arg(QLatin1StringView(name))
                                    .arg(shown)
                                    .arg(longest)));
        }
    }

private:
    QFont desktopDefault_;
    // Each button's font and place under the platform's own font.
    QList<std::pair<QFont, QRect>> baseline_;
};

TERRAVIA_TEST_MAIN(DesktopFontsTest)
#include "DesktopFontsTest.moc"
