#include "platform/qt/view/form_window.h"

#include <QCloseEvent>
#include <QLayout>
#include <QMenuBar>
#include <QScreen>
#include <algorithm>

#include "controls/form.h"
#include "platform/qt/view/appearance.h"
#include "platform/qt/view/client_area.h"
#include "platform/qt/view/menu_bar.h"
#include "presentation/accessible_names.h"

namespace reminder::view {

namespace {

Qt::WindowFlags flagsFor(FormBorder border) {
  const Qt::WindowFlags fixedFrame =
      Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
  switch (border) {
    case FormBorder::FixedSingle:
      return Qt::Window | fixedFrame | Qt::WindowSystemMenuHint;
    case FormBorder::FixedDialog:
      return Qt::Dialog | fixedFrame;
    case FormBorder::FixedToolWindow:
      return Qt::Tool | fixedFrame;
  }
  return Qt::Window | fixedFrame;
}

}  // namespace

FormWindow::FormWindow(Form& form, QWidget* owner)
    // A window outside the task bar is owned by the main window, which keeps it out.
    : QMainWindow(form.showInTaskbar ? nullptr : owner, flagsFor(form.border)), form_(form) {
  setObjectName(QString::fromStdString(form.name()));
  setWindowTitle(QString::fromStdString(form.caption));
  setAccessibleName(QString::fromStdString(presentation::accessibleName(form)));
  if (!form.icon.empty()) {
    setWindowIcon(
        QIcon(QStringLiteral(":/pictures/%1.png").arg(QString::fromStdString(form.icon))));
  }
  setFont(defaultFont());

  if (!form.menuBar().empty()) buildMenuBar(*menuBar(), form.menuBar());
  auto* client = new ClientArea(form, this);
  setCentralWidget(client);
  // The window keeps the size of its definition.
  layout()->setSizeConstraint(QLayout::SetFixedSize);

  form.setObserver([this](Property property) {
    if (property == Property::Visible || property == Property::WindowState) showAsForm();
  });
}

void FormWindow::showAsForm() {
  if (!form_.visible()) {
    hide();
    return;
  }
  placeOnFirstShow();
  if (form_.windowState() == WindowState::Minimized) {
    showMinimized();
  } else {
    if (isMinimized()) showNormal();
    show();
    raise();
    activateWindow();
  }
}

void FormWindow::placeOnFirstShow() {
  if (placed_) return;
  placed_ = true;
  if (form_.startPosition != StartPosition::CenterOwner) return;
  adjustSize();
  const QWidget* owner = parentWidget();
  const QRect area = owner != nullptr && owner->isVisible() ? owner->frameGeometry()
                                                            : screen()->availableGeometry();
  QRect frame = frameGeometry();
  frame.moveCenter(area.center());
  move(std::max(frame.left(), 0), std::max(frame.top(), 0));
}

void FormWindow::closeEvent(QCloseEvent* event) {
  // The window's behaviour decides whether it goes; the frame never destroys it.
  event->ignore();
  form_.requestClose();
}

void FormWindow::changeEvent(QEvent* event) {
  // The user minimised or restored the window through the desktop.
  if (event->type() == QEvent::WindowStateChange) {
    form_.setWindowState(isMinimized() ? WindowState::Minimized : WindowState::Normal);
  }
  QMainWindow::changeEvent(event);
}

}  // namespace reminder::view
