#include <QAccessibleWidget>
#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>

#include "frontend/qt/view/appearance.h"
#include "frontend/qt/view/control_widgets.h"
#include "model/controls/check_box.h"
#include "model/controls/command_button.h"
#include "model/controls/option_button.h"

namespace reminder::view {

namespace {

// Every button shows the background colour of its definition (the platform's own drawing
// would tint it): flat ones inside a one-pixel line, the others with a raised edge. A button
// that stays pressed while ticked or selected shows it sunk in.
void styleButton(QPushButton& button, const Control& control) {
  const QColor back = control.layout.backColor ? toQColor(*control.layout.backColor)
                                               : button.palette().color(QPalette::Button);
  const QString edge = control.layout.flat
                           ? QStringLiteral("border: 1px solid palette(shadow);")
                           : QStringLiteral(
                                 "border: 2px solid; border-color: palette(light) palette(dark) "
                                 "palette(dark) palette(light);");
  const QString sunk = control.layout.flat
                           ? QStringLiteral("background: %1;").arg(back.darker(115).name())
                           : QStringLiteral(
                                 "border-color: palette(dark) palette(light) palette(light) "
                                 "palette(dark);");
  button.setStyleSheet(
      QStringLiteral("QPushButton { background: %1; %2 padding: 0px; }"
                     "QPushButton:pressed, QPushButton:checked { %3 }"
                     "QPushButton:focus { outline: 1px dotted palette(window-text); }")
          .arg(back.name(), edge, sunk));
}

// An option button drawn as a push button is still one choice of an exclusive group, and
// assistive technology announces it so: a radio button, checked or not, that a press
// selects.
constexpr const char* kOptionButton = "optionButton";

class OptionButtonAccessible final : public QAccessibleWidget {
 public:
  explicit OptionButtonAccessible(QPushButton* button)
      : QAccessibleWidget(button, QAccessible::RadioButton) {}

  [[nodiscard]] QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    state.checkable = true;
    state.checked = button()->isChecked();
    return state;
  }
  [[nodiscard]] QStringList actionNames() const override {
    return QStringList{pressAction(), toggleAction()} + QAccessibleWidget::actionNames();
  }
  void doAction(const QString& action) override {
    if (action == pressAction() || action == toggleAction()) {
      button()->click();
    } else {
      QAccessibleWidget::doAction(action);
    }
  }

 private:
  [[nodiscard]] QPushButton* button() const { return static_cast<QPushButton*>(widget()); }
};

QAccessibleInterface* optionButtonAccessible(const QString&, QObject* object) {
  auto* button = qobject_cast<QPushButton*>(object);
  if (button == nullptr || !button->property(kOptionButton).toBool()) return nullptr;
  return new OptionButtonAccessible(button);
}

void announceAsOptionButton(QPushButton& button) {
  static const bool installed = [] {
    QAccessible::installFactory(optionButtonAccessible);
    return true;
  }();
  (void)installed;
  button.setProperty(kOptionButton, true);
}

void showCaption(QAbstractButton& button, Control& control, const std::string& caption) {
  button.setText(QString::fromStdString(caption));
  button.setAccessibleName(accessibleNameOf(control));
}

// A check box or option button as a widget: a real check box or radio button, or a
// checkable push button for the push-button look.
template <typename Choice>
QAbstractButton* makeChoiceWidget(Choice& choice, QWidget* parent) {
  QAbstractButton* widget = nullptr;
  if (choice.pushButtonLook) {
    auto* button = new QPushButton(parent);
    button->setCheckable(true);
    styleButton(*button, choice);
    if constexpr (std::is_same_v<Choice, OptionButton>) announceAsOptionButton(*button);
    widget = button;
  } else if constexpr (std::is_same_v<Choice, CheckBox>) {
    widget = new QCheckBox(parent);
  } else {
    widget = new QRadioButton(parent);
    widget->setAutoExclusive(false);  // the control model keeps the group
  }
  applyCommon(*widget, choice);
  showCaption(*widget, choice, choice.caption());
  const auto showValue = [widget, &choice] {
    const QSignalBlocker quiet(widget);
    if constexpr (std::is_same_v<Choice, CheckBox>) {
      widget->setChecked(choice.ticked());
    } else {
      widget->setChecked(choice.value());
    }
  };
  showValue();
  // Toggled, not clicked: a screen reader's Toggle action flips the button without a click.
  QObject::connect(widget, &QAbstractButton::toggled, [&choice, showValue] {
    choice.click();
    showValue();  // the button shows what the control holds, whatever the click did
  });
  choice.setObserver([widget, &choice, showValue](Property property) {
    switch (property) {
      case Property::Value:
        showValue();
        break;
      case Property::Caption:
        showCaption(*widget, choice, choice.caption());
        break;
      default:
        syncCommon(*widget, choice);
    }
  });
  return widget;
}

}  // namespace

QWidget* makeCommandButton(CommandButton& button, QWidget* parent) {
  auto* widget = new QPushButton(parent);
  applyCommon(*widget, button);
  styleButton(*widget, button);
  widget->setAutoDefault(false);
  showCaption(*widget, button, button.caption());
  QObject::connect(widget, &QPushButton::clicked, [&button] { button.click(); });
  button.setObserver([widget, &button](Property property) {
    if (property == Property::Caption) {
      showCaption(*widget, button, button.caption());
    } else {
      syncCommon(*widget, button);
    }
  });
  return widget;
}

QWidget* makeCheckBox(CheckBox& box, QWidget* parent) {
  return makeChoiceWidget(box, parent);
}

QWidget* makeOptionButton(OptionButton& option, QWidget* parent) {
  return makeChoiceWidget(option, parent);
}

}  // namespace reminder::view
