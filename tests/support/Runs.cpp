#include "support/Runs.h"

#include <QComboBox>
#include <QPushButton>

namespace terravia::test {

std::vector<Step> PositiveScreening() {
    return {Yes(QStringLiteral("Has the site history been established?"))};
}

std::vector<Step> TonnageAndMedium(const QString& tonnage) {
    return {Input(QStringLiteral("Tonnage"),
                  QStringLiteral("Enter the tonnage of contaminated material"), tonnage),
            Yes(QStringLiteral("Soil, Sediment, Bedrock and Sludge Treatment Technologies?"))};
}

std::vector<Step> RedStopTail() {
    return {};
}

void Click(QWidget& form, const char* button) {
    auto* control = form.findChild<QPushButton*>(QLatin1StringView(button));
    if (control == nullptr)
        qFatal("no button %s", button);
    control->click();
}

QComboBox* List(QWidget& form, const char* combo) {
    auto* control = form.findChild<QComboBox*>(QLatin1StringView(combo));
    if (control == nullptr)
        qFatal("no list %s", combo);
    return control;
}

void Pick(QWidget& form, const char* combo, const QString& text) {
    QComboBox* list = List(form, combo);
    const int index = list->findText(text, Qt::MatchExactly);
    if (index < 0)
        qFatal("no entry %s in %s", qPrintable(text), combo);
    list->setCurrentIndex(index);
}

} // namespace terravia::test
