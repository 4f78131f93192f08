#include "model/controls/file_lists.h"

#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QListWidget>
#include <QStyle>
#include <QTreeWidget>

#include "frontend/qt/view/control_widgets.h"
#include "frontend/shared/folder_name.h"

namespace reminder::view {

namespace {

QString folderName(const std::string& path) {
  return QString::fromStdString(presentation::folderName(path));
}

// A folder list draws no expand arrows: every level stays open.
class FolderTree final : public QTreeWidget {
 public:
  using QTreeWidget::QTreeWidget;

 protected:
  void drawBranches(QPainter* /*painter*/, const QRect& /*rect*/,
                    const QModelIndex& /*index*/) const override {}
};

QTreeWidgetItem* folderItem(const std::string& path, bool open) {
  auto* item = new QTreeWidgetItem({folderName(path)});
  item->setData(0, Qt::UserRole, QString::fromStdString(path));
  item->setIcon(0, QApplication::style()->standardIcon(open ? QStyle::SP_DirOpenIcon
                                                            : QStyle::SP_DirClosedIcon));
  return item;
}

}  // namespace

QWidget* makeDriveList(DriveList& list, QWidget* parent) {
  auto* widget = new QComboBox(parent);
  applyCommon(*widget, list);
  widget->setAccessibleName(accessibleNameOf(list));
  const auto showDrive = [widget, &list] {
    const QSignalBlocker quiet(widget);
    widget->setCurrentText(QString::fromStdString(list.drive()));
  };
  const auto showDrives = [widget, &list, showDrive] {
    const QSignalBlocker quiet(widget);
    widget->clear();
    for (const std::string& drive : list.drives()) widget->addItem(QString::fromStdString(drive));
    showDrive();
  };
  showDrives();
  QObject::connect(widget, &QComboBox::activated, [widget, &list](int index) {
    list.setDrive(widget->itemText(index).toStdString());
  });
  list.setObserver([widget, &list, showDrive, showDrives](Property property) {
    if (property == Property::Items) {
      showDrives();
    } else if (property == Property::Selection) {
      showDrive();
    } else {
      syncCommon(*widget, list);
    }
  });
  return widget;
}

// The folders from the root down to the open one, each inside the one above, and the open
// folder's subfolders inside it. Double-click or Enter opens a folder.
QWidget* makeDirList(DirList& list, QWidget* parent) {
  auto* widget = new FolderTree(parent);
  applyCommon(*widget, list);
  widget->setAccessibleName(accessibleNameOf(list));
  widget->setHeaderHidden(true);
  widget->setRootIsDecorated(false);
  widget->setItemsExpandable(false);
  widget->setExpandsOnDoubleClick(false);
  widget->setIndentation(widget->fontMetrics().horizontalAdvance(u'M'));
  const auto show = [widget, &list] {
    const QSignalBlocker quiet(widget);
    widget->clear();
    QTreeWidgetItem* open = nullptr;
    for (const std::string& folder : list.openFolders()) {
      QTreeWidgetItem* item = folderItem(folder, true);
      if (open == nullptr) {
        widget->addTopLevelItem(item);
      } else {
        open->addChild(item);
      }
      open = item;
    }
    if (open == nullptr) return;
    for (const std::string& folder : list.subfolders()) open->addChild(folderItem(folder, false));
    widget->expandAll();
    widget->setCurrentItem(open);
    widget->scrollToItem(open, QAbstractItemView::PositionAtTop);
  };
  show();
  QObject::connect(widget, &QTreeWidget::itemActivated, [widget, &list](QTreeWidgetItem* item) {
    // Opened after the activation has finished: opening rebuilds the list and its items.
    const std::string path = item->data(0, Qt::UserRole).toString().toStdString();
    QMetaObject::invokeMethod(
        widget, [&list, path] { list.setPath(path); }, Qt::QueuedConnection);
  });
  list.setObserver([widget, &list, show](Property property) {
    if (property == Property::Items || property == Property::Path) {
      show();
    } else {
      syncCommon(*widget, list);
    }
  });
  return widget;
}

QWidget* makeFileList(FileList& list, QWidget* parent) {
  auto* widget = new QListWidget(parent);
  applyCommon(*widget, list);
  widget->setAccessibleName(accessibleNameOf(list));
  const auto showSelection = [widget, &list] {
    const QSignalBlocker quiet(widget);
    const auto found = widget->findItems(QString::fromStdString(list.fileName()), Qt::MatchExactly);
    if (found.isEmpty()) {
      widget->setCurrentRow(-1);
    } else {
      widget->setCurrentItem(found.front());
    }
  };
  const auto showFiles = [widget, &list, showSelection] {
    const QSignalBlocker quiet(widget);
    widget->clear();
    for (const std::string& file : list.files()) widget->addItem(QString::fromStdString(file));
    showSelection();
  };
  showFiles();
  // A click, or moving the selection with the keyboard, selects the file.
  QObject::connect(widget, &QListWidget::itemClicked,
                   [&list](QListWidgetItem* item) { list.select(item->text().toStdString()); });
  QObject::connect(widget, &QListWidget::currentItemChanged, [&list](QListWidgetItem* item) {
    if (item != nullptr) list.select(item->text().toStdString());
  });
  list.setObserver([widget, &list, showFiles, showSelection](Property property) {
    if (property == Property::Items) {
      showFiles();
    } else if (property == Property::Selection) {
      showSelection();
    } else if (property != Property::Path) {
      syncCommon(*widget, list);
    }
  });
  return widget;
}

}  // namespace reminder::view
