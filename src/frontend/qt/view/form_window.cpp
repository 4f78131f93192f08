#include "frontend/qt/view/form_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLayout>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "frontend/qt/view/appearance.h"
#include "frontend/qt/view/client_area.h"
#include "frontend/qt/view/menu_bar.h"
#include "frontend/qt/view/title_bar.h"
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

Qt::WindowFlags flagsFor(const Form& form, bool drawsTitleBar) {
  Qt::WindowFlags flags = frameFlagsFor(form.border);
  // Qt drops the frameless hint beside any title-bar button hint.
  if (drawsTitleBar) flags = (flags & Qt::WindowType_Mask) | Qt::FramelessWindowHint;
  // Qt makes a dialog without a parent transient for the whole program on X11, which ties
  // it to the main window; a window without an owner is a plain window in a dialog's frame.
  if (form.ownerless) flags.setFlag(Qt::Dialog, false).setFlag(Qt::Window);
  if (form.topMost) flags |= Qt::WindowStaysOnTopHint;
  return flags;
}

}  // namespace

FormWindow::FormWindow(Form& form, QWidget* mainWindow, bool drawsTitleBar)
    // A window outside the task bar is owned by the main window, which keeps it out.
    : QMainWindow(form.showInTaskbar || form.ownerless ? nullptr : mainWindow,
                  flagsFor(form, drawsTitleBar)),
      form_(form),
      mainWindow_(mainWindow),
      drawsTitleBar_(drawsTitleBar) {
  setObjectName(QString::fromStdString(form.name()));
  setWindowTitle(QString::fromStdString(form.caption));
  if (form.caption.empty()) x11::showEmptyTitle(*this);
  setAccessibleName(QString::fromStdString(presentation::accessibleName(form)));
  if (!form.icon.empty()) {
    setWindowIcon(
        QIcon(QStringLiteral(":/pictures/%1.png").arg(QString::fromStdString(form.icon))));
  }
  setFont(defaultFont());

  buildTitleAndMenuBars();
  auto* client = new ClientArea(form, this);
  setCentralWidget(client);
  // The window keeps the size of its definition.
  layout()->setSizeConstraint(QLayout::SetFixedSize);

  form.setObserver([this](Property property) {
    if (property == Property::Visible || property == Property::WindowState) showAsForm();
    if (property == Property::Attention) comeForward();
  });
}

void FormWindow::buildTitleAndMenuBars() {
  if (!drawsTitleBar_) {
    if (!form_.menuBar().empty()) buildMenuBar(*menuBar(), form_.menuBar());
    return;
  }
  // The title bar over the menu bar, and a line around the whole window for its edge.
  auto* top = new QWidget(this);
  auto* column = new QVBoxLayout(top);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  column->addWidget(new TitleBar(*this, form_.border == FormBorder::FixedToolWindow));
  if (!form_.menuBar().empty()) {
    auto* bar = new QMenuBar(top);
    buildMenuBar(*bar, form_.menuBar());
    column->addWidget(bar);
  }
  setMenuWidget(top);
  setContentsMargins(1, 1, 1, 1);
}

void FormWindow::paintEvent(QPaintEvent* event) {
  QMainWindow::paintEvent(event);
  if (!drawsTitleBar_) return;
  QPainter painter(this);
  painter.setPen(palette().color(QPalette::Shadow));
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void FormWindow::showAsForm() {
  if (!form_.visible()) {
    hide();
    return;
  }
  placeOnFirstShow();
  if (form_.windowState() == WindowState::Minimized) {
    // Minimisable while it is minimised, so that every window manager takes the request and
    // none shows a minimise button on it.
    x11::setMinimizable(*this, true);
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
    if (!isMinimized()) x11::setMinimizable(*this, false);
  }
  QMainWindow::changeEvent(event);
}

}  // namespace reminder::view
