// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/Form1.h"

#include "app/QtPrompts.h"
#include "controls/ListPurpose.h"
#include "controls/Placement.h"
#include "controls/StartUp.h"
#include "screening/Buttons.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionButton>

namespace terravia {
namespace {

// The window's own font, which the buttons take, and the lists' font, in points.
constexpr qreal WindowPoints = 8.25;
constexpr qreal ListPoints = 9.75;
// A caption fits its button when its advance, with this many pixels on either side, fits
// inside the style's frame; a caption that would not is drawn smaller, down to the minimum.
constexpr int CaptionMargin = 2;
constexpr qreal MinimumPoints = 4;

// The window's own font and the lists' font are fixed, as the controls' sizes are: a desktop
// with a larger font would otherwise cut the captions of the fixed-size buttons.
QFont FixedFont(qreal points) {
#if defined(Q_OS_WIN)
    // Windows keeps the old bitmap font for old programs alone, in a few sizes; its outline
    // successor draws at every size, and Segoe UI stands in where that is missing.
    QFont font;
    font.setFamilies({QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Segoe UI")});
#else
    QFont font(QStringLiteral("MS Sans Serif"));
#endif
    font.setPointSizeF(points);
    font.setWeight(QFont::Normal);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

// The open list shows every entry whole, however narrow the closed list is; the screen
// bounds it.
void FitPopup(QComboBox* combo) {
    QAbstractItemView* view = combo->view();
    const int scrollBar = view->verticalScrollBar()->sizeHint().width();
    view->setMinimumWidth(view->sizeHintForColumn(0) + 2 * view->frameWidth() + scrollBar);
}

void PlaceList(QComboBox* combo, const QString& chooses) {
    combo->setGeometry(TwipRect(2040, 240, 4215, 360));
    TellListPurpose(*combo, chooses);
    combo->setFont(FixedFont(ListPoints));
    QObject::connect(combo->model(), &QAbstractItemModel::rowsInserted, combo,
                     [combo] { FitPopup(combo); });
}

// The room the style leaves for a button's caption.
int CaptionRoom(const QPushButton* button) {
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    return button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button).width();
}

// The room its caption needs.
int CaptionWidth(const QPushButton* button) {
    return button->fontMetrics().horizontalAdvance(button->text()) + 2 * CaptionMargin;
}

// Draws the button's caption smaller until it fits.
void FitCaption(QPushButton* button) {
    QFont font = button->font();
    while (CaptionWidth(button) > CaptionRoom(button) && font.pointSizeF() > MinimumPoints) {
        font.setPointSizeF(font.pointSizeF() - 0.25);
        button->setFont(font);
    }
}

void PlaceButton(QPushButton* button, const QRect& place) {
    button->setGeometry(place);
    FitCaption(button);
}

} // namespace

Form1::Form1(Prompts* prompts, QWidget* parent)
    : QWidget(parent)
    , ownPrompts_(prompts == nullptr ? std::make_unique<QtPrompts>(this) : nullptr)
    , wizard_(session_, prompts == nullptr ? *ownPrompts_ : *prompts) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Terravia 1.0"));
    setFont(FixedFont(WindowPoints));
    resize(Twips(12270), Twips(6150));
    CreateControls();
    ConnectButtons(wizard_, this);
    StartUp(wizard_);
}

Form1::~Form1() = default;

void Form1::CreateControls() {
    MainControls& c = wizard_.controls;
    CreateMainControls(this, c);
    for (QPushButton* button : {c.Command1, c.Command2, c.Command3, c.Command4})
        PlaceButton(button, TwipRect(240, 240, 1695, 495));
    PlaceButton(c.Command5, TwipRect(240, 840, 1695, 495));
    PlaceList(c.Combo1, QStringLiteral("Selection mode"));
    PlaceList(c.Combo2, QStringLiteral("Historical land use"));
    PlaceList(c.Combo3, QStringLiteral("COC group"));
    c.Text1->setGeometry(TwipRect(2040, 840, 4215, 375));
    c.Text1->setAccessibleName(QStringLiteral("Path of the conclusions file"));
    Picture1 = MakeControl<QLabel>(this, "Picture1", TwipRect(120, 2280, 12015, 3735));
    Picture1->setPixmap(QPixmap(QStringLiteral(":/picture1.bmp")));
    Picture1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Picture1->setAccessibleName(QStringLiteral("Illustration"));
    Picture1->setAccessibleDescription(
        QStringLiteral("Cross-section of a contaminated site: a treatment pile, a borehole and a "
                       "contaminant plume above the ground water"));

    // Each newer button and list is drawn over the ones before it at the shared place, which
    // the wizard relies on; the tab order is the same.
    QWidget* order[] = {c.Command1, c.Combo1,   c.Command2, c.Combo2, c.Command3,
                        c.Combo3,   c.Command4, c.Command5, c.Text1,  Picture1};
    for (QWidget* control : order)
        control->raise();
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}

} // namespace terravia
