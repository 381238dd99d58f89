// SPDX-License-Identifier: GPL-3.0-or-later
// The main window on desktops with other fonts: run by ctest at scales 1, 1.5 and 2 and at a
// font resolution of 144 dpi without scaling, each row a desktop font size.

#include "app/Form1.h"
#include "screening/RiskScreening.h"
#include "screening/Selection.h"
#include "support/TestMain.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QImage>
#include <QPainter>
#include <QPushButton>
#include <QScreen>

using namespace terravia;
using namespace Qt::Literals::StringLiterals;

namespace {

const char* const Buttons[] = {"Command1", "Command2", "Command3", "Command4", "Command5"};
const char* const Lists[] = {"Combo1", "Combo2", "Combo3"};

// The box around the pixels in which two pictures of one size differ.
QRect Difference(const QImage& one, const QImage& other) {
    QRect box;
    for (int y = 0; y < one.height(); ++y)
        for (int x = 0; x < one.width(); ++x)
            if (one.pixel(x, y) != other.pixel(x, y))
                box |= QRect(x, y, 1, 1);
    return box;
}

// The caption as the user's style draws it on the button, in device pixels: what changes
// when the caption is taken away.
QRect DrawnCaption(QPushButton* button) {
    const QImage with = button->grab().toImage();
    const QString caption = button->text();
    button->setText(QString());
    const QImage without = button->grab().toImage();
    button->setText(caption);
    return Difference(with, without);
}

// The caption drawn freely in the button's font, nothing around it to cut it: its width in
// device pixels.
int FreeCaptionWidth(const QPushButton* button, qreal ratio) {
    const QFontMetrics metrics(button->font());
    QImage blank(QSize(metrics.horizontalAdvance(button->text()) + 40, metrics.height() + 20) *
                     ratio,
                 QImage::Format_RGB32);
    blank.setDevicePixelRatio(ratio);
    blank.fill(Qt::white);
    QImage drawn = blank;
    QPainter painter(&drawn);
    painter.setFont(button->font());
    painter.drawText(QPoint(20, 10 + metrics.ascent()), button->text());
    painter.end();
    return Difference(drawn, blank).width();
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
            auto* button = form.findChild<QPushButton*>(QLatin1StringView(Buttons[i]));
            // Whole: as wide as when drawn freely (a pixel of smoothing either way), and
            // clear of the button's edges.
            const qreal ratio = button->devicePixelRatioF();
            const QRect caption = DrawnCaption(button);
            const int freely = FreeCaptionWidth(button, ratio);
            const QRect inside = QRect(QPoint(), button->size() * ratio).adjusted(2, 2, -2, -2);
            QVERIFY2(caption.width() >= freely - 2 && inside.contains(caption),
                     qPrintable(u"%1: \"%2\" is drawn %3 px wide at %4, freely %5, in %6 px"_s
                                    .arg(QLatin1StringView(Buttons[i]), button->text())
                                    .arg(caption.width())
                                    .arg(caption.left())
                                    .arg(freely)
                                    .arg(inside.width() + 4)));
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
