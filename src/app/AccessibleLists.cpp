#include "app/AccessibleLists.h"

#include <QAccessibleWidget>
#include <QComboBox>
#include <QLineEdit>

namespace terravia {
namespace {

class AccessibleList : public QAccessibleWidget {
public:
    explicit AccessibleList(QComboBox* list)
        : QAccessibleWidget(list, QAccessible::ComboBox) {}

    QString text(QAccessible::Text t) const override {
        auto* list = static_cast<QComboBox*>(widget());
        if (t == QAccessible::Name)
            return list->accessibleName();
        if (t == QAccessible::Value)
            return list->currentText();
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* ListFactory(const QString& className, QObject* object) {
    if (className != QLatin1StringView("QComboBox") || !object->isWidgetType())
        return nullptr;
    auto* list = static_cast<QComboBox*>(object);
    if (list->accessibleName().isEmpty())
        return nullptr;
    return new AccessibleList(list);
}

} // namespace

void InstallAccessibleLists() {
    static const bool installed = [] {
        QAccessible::installFactory(ListFactory);
        return true;
    }();
    (void)installed;
}

} // namespace terravia
