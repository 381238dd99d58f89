#include "app/Form1.h"

#include "app/QtPrompts.h"
#include "app/StartUp.h"
#include "app/Twips.h"
#include "screening/RiskScreening.h"
#include "screening/Selection.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>

namespace terravia {
namespace {

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption, int top) {
    auto* button = MakeControl<QPushButton>(parent, name, TwipRect(240, top, 1695, 495));
    button->setText(caption);
    return button;
}

QComboBox* MakeList(QWidget* parent, const char* name, const QString& chooses, bool editable) {
    auto* combo = MakeControl<QComboBox>(parent, name, TwipRect(2040, 240, 4215, 360));
    // Screen readers on Linux speak a list's current entry as its name, so what the list
    // chooses goes in the description, which they speak beside the entry.
    combo->setAccessibleDescription(chooses);
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(9.75);
    font.setWeight(QFont::Normal);
    font.setStyleHint(QFont::SansSerif);
    combo->setFont(font);
    if (editable) {
        combo->setEditable(true);
        // A typed text is stored exactly as typed: no completion, and never added to the list.
        combo->setCompleter(nullptr);
        combo->setInsertPolicy(QComboBox::NoInsert);
    }
    return combo;
}

} // namespace

Form1::Form1(Prompts* prompts, QWidget* parent)
    : QWidget(parent)
    , ownPrompts_(prompts == nullptr ? std::make_unique<QtPrompts>(this) : nullptr)
    , wizard_{session_, prompts == nullptr ? *ownPrompts_ : *prompts, {}} {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Terravia 1.0"));
    resize(Twips(12270), Twips(6150));
    CreateControls();
    ConnectControls();
    StartUp(wizard_);
}

Form1::~Form1() = default;

void Form1::CreateControls() {
    MainControls& c = wizard_.controls;
    c.Form1 = this;
    // Created in tab order, which is also the stacking order the wizard relies on: each
    // newer button and list is drawn over the ones before it at the shared place.
    c.Command1 = MakeButton(this, "Command1", QStringLiteral("Ready"), 240);
    c.Combo1 = MakeList(this, "Combo1", QStringLiteral("Selection mode"), false);
    c.Command2 = MakeButton(this, "Command2", QStringLiteral("COC or Land Use?"), 240);
    c.Combo2 = MakeList(this, "Combo2", QStringLiteral("Historical land use"), false);
    c.Command3 = MakeButton(this, "Command3", QStringLiteral("Select land use"), 240);
    c.Combo3 = MakeList(this, "Combo3", QStringLiteral("COC group"), true);
    c.Command4 = MakeButton(this, "Command4", QStringLiteral("Select COC"), 240);
    c.Command5 = MakeButton(this, "Command5", QStringLiteral("Clear all"), 840);
    c.Text1 = MakeControl<QLineEdit>(this, "Text1", TwipRect(2040, 840, 4215, 375));
    c.Text1->setAccessibleName(QStringLiteral("Path of the conclusions file"));
    Picture1 = MakeControl<QLabel>(this, "Picture1", TwipRect(120, 2280, 12015, 3735));
    Picture1->setPixmap(QPixmap(QStringLiteral(":/picture1.bmp")));
    Picture1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Picture1->setAccessibleName(QStringLiteral("Illustration"));
    Picture1->setAccessibleDescription(
        QStringLiteral("Cross-section of a contaminated site: a treatment pile, a borehole and a "
                       "contaminant plume above the ground water"));

    QWidget* order[] = {c.Command1, c.Combo1,   c.Command2, c.Combo2, c.Command3,
                        c.Combo3,   c.Command4, c.Command5, c.Text1,  Picture1};
    for (QWidget* control : order)
        control->raise();
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void Form1::ConnectControls() {
    const MainControls& c = wizard_.controls;
    const auto on = [this](QPushButton* button, void (*procedure)(Wizard&)) {
        connect(button, &QPushButton::clicked, this, [this, procedure] { procedure(wizard_); });
    };
    on(c.Command1, Command1Click);
    on(c.Command2, Command2Click);
    on(c.Command3, Command3Click);
    on(c.Command4, Command4Click);
    on(c.Command5, ClearAll);
}

} // namespace terravia
