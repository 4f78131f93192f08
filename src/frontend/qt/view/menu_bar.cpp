#include "frontend/qt/view/menu_bar.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "model/controls/menu_item.h"

namespace reminder::view {

namespace {

QString menuText(const MenuItem& item) {
  return QString::fromStdString(item.caption()).replace(u'&', QStringLiteral("&&"));
}

// A check mark shows only while the item is checked, as on a classic menu.
void showState(QAction& action, const MenuItem& item) {
  action.setCheckable(item.checked());
  action.setChecked(item.checked());
  action.setVisible(item.visible());
  action.setEnabled(item.enabled());
}

void bind(QAction& action, MenuItem& item) {
  action.setObjectName(QString::fromStdString(item.name()));
  showState(action, item);
  item.setObserver([&action, &item](Property) { showState(action, item); });
}

void addItem(QWidget& menu, MenuItem& item) {
  if (item.items().empty()) {
    auto* action = new QAction(menuText(item), &menu);
    if (!item.shortcut().empty()) {
      action->setShortcut(QKeySequence(QString::fromStdString(item.shortcut())));
    }
    bind(*action, item);
    QObject::connect(action, &QAction::triggered, [action, &item] {
      item.click();
      showState(*action, item);  // Qt flips a checkable action by itself; the item decides
    });
    menu.addAction(action);
    return;
  }
  auto* submenu = new QMenu(menuText(item), &menu);
  submenu->setObjectName(QString::fromStdString(item.name()));
  for (MenuItem* child : item.items()) addItem(*submenu, *child);
  bind(*submenu->menuAction(), item);
  menu.addAction(submenu->menuAction());
}

}  // namespace

void buildMenuBar(QMenuBar& bar, const std::vector<MenuItem*>& items) {
  for (MenuItem* item : items) addItem(bar, *item);
}

}  // namespace reminder::view
