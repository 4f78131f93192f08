#include <QComboBox>
#include <QListWidget>

#include "controls/file_lists.h"
#include "platform/qt/view/control_widgets.h"

namespace reminder::view {

namespace {

QString lastPart(const std::string& path) {
  const QString p = QString::fromStdString(path);
  const QString trimmed = p.size() > 1 && (p.endsWith(u'/') || p.endsWith(u'\\')) ? p.chopped(1) : p;
  const auto cut = std::max(trimmed.lastIndexOf(u'/'), trimmed.lastIndexOf(u'\\'));
  const QString part = trimmed.mid(cut + 1);
  return part.isEmpty() ? p : part;
}

}  // namespace

QWidget* makeDriveList(DriveList& list, QWidget* parent) {
  auto* widget = new QComboBox(parent);
  applyCommon(*widget, list);
  widget->setAccessibleName(QStringLiteral("Drive"));
  const auto show = [widget, &list] {
    const QSignalBlocker quiet(widget);
    widget->clear();
    for (const std::string& drive : list.drives()) widget->addItem(QString::fromStdString(drive));
    widget->setCurrentText(QString::fromStdString(list.drive()));
  };
  show();
  QObject::connect(widget, &QComboBox::activated, [widget, &list](int index) {
    list.setDrive(widget->itemText(index).toStdString());
  });
  list.setObserver([widget, &list, show](Property property) {
    if (property == Property::Items || property == Property::Selection) {
      show();
    } else {
      syncCommon(*widget, list);
    }
  });
  return widget;
}

QWidget* makeDirList(DirList& list, QWidget* parent) {
  auto* widget = new QListWidget(parent);
  applyCommon(*widget, list);
  widget->setAccessibleName(QStringLiteral("Folder"));
  const auto show = [widget, &list] {
    const QSignalBlocker quiet(widget);
    widget->clear();
    auto* open = new QListWidgetItem(QString::fromStdString(list.path()), widget);
    open->setData(Qt::UserRole, QString::fromStdString(list.path()));
    for (const std::string& folder : list.subfolders()) {
      auto* item = new QListWidgetItem(QStringLiteral("  ") + lastPart(folder), widget);
      item->setData(Qt::UserRole, QString::fromStdString(folder));
    }
    widget->setCurrentRow(0);
  };
  show();
  QObject::connect(widget, &QListWidget::itemActivated, [&list](QListWidgetItem* item) {
    list.setPath(item->data(Qt::UserRole).toString().toStdString());
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
  widget->setAccessibleName(QStringLiteral("File"));
  const auto show = [widget, &list] {
    const QSignalBlocker quiet(widget);
    widget->clear();
    for (const std::string& file : list.files()) widget->addItem(QString::fromStdString(file));
    const auto found = widget->findItems(QString::fromStdString(list.fileName()), Qt::MatchExactly);
    if (!found.isEmpty()) widget->setCurrentItem(found.front());
  };
  show();
  QObject::connect(widget, &QListWidget::itemClicked, [&list](QListWidgetItem* item) {
    list.select(item->text().toStdString());
  });
  list.setObserver([widget, &list, show](Property property) {
    if (property == Property::Items || property == Property::Selection) {
      show();
    } else {
      syncCommon(*widget, list);
    }
  });
  return widget;
}

}  // namespace reminder::view
