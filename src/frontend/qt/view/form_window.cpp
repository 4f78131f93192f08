#include "frontend/qt/view/form_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLayout>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>
#include <algorithm>

#include "frontend/qt/view/appearance.h"
#include "frontend/qt/view/client_area.h"
#include "frontend/qt/view/menu_bar.h"
#include "frontend/qt/view/x11_window.h"
#include "frontend/shared/accessible_names.h"
#include "model/controls/form.h"

namespace reminder::view {

namespace {

// How long the desktop may take to grant a window's request to be activated; a window still
// inactive then was refused.
constexpr int kActivationGraceMs = 1000;

Qt::WindowFlags frameFlagsFor(FormBorder border) {
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

Qt::WindowFlags flagsFor(const Form& form) {
  Qt::WindowFlags flags = frameFlagsFor(form.border);
  // Qt makes a dialog without a parent transient for the whole program on X11, which ties
  // it to the main window; a window without an owner is a plain window in a dialog's frame.
  if (form.ownerless) flags.setFlag(Qt::Dialog, false).setFlag(Qt::Window);
  if (form.topMost) flags |= Qt::WindowStaysOnTopHint;
  return flags;
}

}  // namespace

FormWindow::FormWindow(Form& form, QWidget* mainWindow)
    // A window outside the task bar is owned by the main window, which keeps it out.
    : QMainWindow(form.showInTaskbar || form.ownerless ? nullptr : mainWindow, flagsFor(form)),
      form_(form),
      mainWindow_(mainWindow) {
  setObjectName(QString::fromStdString(form.name()));
  setWindowTitle(QString::fromStdString(form.caption));
  if (form.caption.empty()) x11::showEmptyTitle(*this);
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
    if (property == Property::Attention) comeForward();
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
    // Without an owner, only the window itself keeps out of the task bar.
    if (!isVisible() && form_.ownerless && !form_.showInTaskbar) x11::keepOutOfTaskbar(*this);
    show();
    raise();
    activateWindow();
  }
}

void FormWindow::comeForward() {
  if (isMinimized()) showNormal();
  raise();
  activateWindow();
  QTimer::singleShot(kActivationGraceMs, this, [this] {
    // Any window of the program active (this one, or the box it brought) is the user's.
    if (!isVisible() || QApplication::activeWindow() != nullptr || mainWindow_ == nullptr) {
      return;
    }
    QApplication::alert(mainWindow_);
  });
}

void FormWindow::placeOnFirstShow() {
  if (placed_) return;
  placed_ = true;
  if (form_.startPosition != StartPosition::CenterOwner) return;
  adjustSize();
  // Over the main window while it is on screen, even for a window it does not own.
  const QWidget* owner = mainWindow_;
  const QRect area = owner != nullptr && owner->isVisible() && !owner->isMinimized()
                         ? owner->frameGeometry()
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
