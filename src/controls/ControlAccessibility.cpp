#include "ControlAccessibility.h"

#include "CheckButton.h"
#include "N_Shape.h"
#include "OptionButton.h"

#include <QAccessibleWidget>

namespace {

class ControlInterface : public QAccessibleWidget
{
public:
    ControlInterface(QWidget* widget, QAccessible::Role role)
        : QAccessibleWidget(widget, role)
    {
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind != QAccessible::Name)
            return QAccessibleWidget::text(kind);
        if (auto* button = qobject_cast<N_Shape*>(widget()))
            return button->Caption();
        if (auto* control = qobject_cast<StatePictureControl*>(widget()))
            return control->Caption();
        return {};
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        if (auto* box = qobject_cast<CheckButton*>(widget())) {
            state.checkable = true;
            state.checked = box->Value() == 1;
            state.checkStateMixed = box->Value() == 2;
        } else if (auto* option = qobject_cast<OptionButton*>(widget())) {
            state.checkable = true;
            state.checked = option->Value();
        }
        return state;
    }

    QStringList actionNames() const override
    {
        const QString action = role() == QAccessible::Button ? pressAction() : toggleAction();
        return QStringList {action} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& name) override
    {
        if (name != pressAction() && name != toggleAction()) {
            QAccessibleWidget::doAction(name);
            return;
        }
        if (!widget()->isEnabled())
            return;
        if (auto* button = qobject_cast<N_Shape*>(widget()))
            button->click();
        else if (auto* box = qobject_cast<CheckButton*>(widget()))
            box->click();
        else if (auto* option = qobject_cast<OptionButton*>(widget()))
            option->click();
    }
};

QAccessibleInterface* interfaceFor(const QString& className, QObject* object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    if (className == QLatin1String("N_Shape"))
        return new ControlInterface(widget, QAccessible::Button);
    if (className == QLatin1String("CheckButton"))
        return new ControlInterface(widget, QAccessible::CheckBox);
    if (className == QLatin1String("OptionButton"))
        return new ControlInterface(widget, QAccessible::RadioButton);
    return nullptr;
}

} // namespace

namespace ControlAccessibility {

void install()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    QAccessible::installFactory(interfaceFor);
}

} // namespace ControlAccessibility
