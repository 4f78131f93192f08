#include "frontend/qt/view/title_bar.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QToolButton>
#include <QWindow>

namespace reminder::view {

namespace {

constexpr int kHeight = 26;
constexpr int kSmallHeight = 19;
constexpr int kIconSize = 16;
constexpr int kMargin = 4;

}  // namespace

TitleBar::TitleBar(QWidget& window, bool small) : QWidget(&window), window_(window) {
  setObjectName(QStringLiteral("titleBar"));
  setFixedHeight(small ? kSmallHeight : kHeight);
  auto* close = new QToolButton(this);
  close->setAccessibleName(QStringLiteral("Close"));
  close->setIcon(style()->standardIcon(QStyle::SP_TitleBarCloseButton));
  close->setAutoRaise(true);
  close->setFocusPolicy(Qt::NoFocus);
  close->setFixedSize(height() - 2, height() - 2);
  QObject::connect(close, &QToolButton::clicked, &window, &QWidget::close);
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(kMargin, 1, 1, 1);
  layout->addStretch();
  layout->addWidget(close);
  // The caption, the icon and whether the window is active are drawn as they change.
  window.installEventFilter(this);
}

bool TitleBar::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::WindowTitleChange:
    case QEvent::WindowIconChange:
    case QEvent::ActivationChange:
      update();
      break;
    default:
      break;
  }
  return QWidget::eventFilter(watched, event);
}

void TitleBar::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && window_.windowHandle() != nullptr) {
    window_.windowHandle()->startSystemMove();
  }
  QWidget::mousePressEvent(event);
}

void TitleBar::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  const QPalette::ColorGroup group =
      window_.isActiveWindow() ? QPalette::Active : QPalette::Inactive;
  painter.fillRect(rect(), palette().color(group, QPalette::Button));
  painter.setPen(palette().color(group, QPalette::Mid));
  painter.drawLine(rect().bottomLeft(), rect().bottomRight());

  int left = kMargin;
  const QIcon icon = window_.windowIcon();
  if (!icon.isNull() && height() >= kHeight) {
    icon.paint(&painter, QRect(left, (height() - kIconSize) / 2, kIconSize, kIconSize));
    left += kIconSize + kMargin;
  }
  QFont font = painter.font();
  font.setBold(true);
  painter.setFont(font);
  painter.setPen(palette().color(group, QPalette::ButtonText));
  // Centred on the window, clear of the icon and the close button.
  const QRect room(left, 0, width() - 2 * left, height());
  const QString title =
      painter.fontMetrics().elidedText(window_.windowTitle(), Qt::ElideRight, room.width());
  painter.drawText(room, Qt::AlignCenter, title);
}

}  // namespace reminder::view
