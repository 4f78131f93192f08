// A minimal Qt Widgets window: a menu bar, a few widgets and a label that a 100 ms timer
// rewrites on every tick, so it repaints ten times a second.
// --seconds: the label shows the time to the second, as a desk clock does, and so repaints
//            once a second (setting the same text again paints nothing).
// --ticks-only: the timer ticks and the label is left alone: what the ticks alone cost.
// --on-the-second: the label shows the time to the second and the timer wakes only as each
//            second begins: the least a Qt clock with seconds can do.
#include <QApplication>
#include <QCheckBox>
#include <QDateTime>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QTime>
#include <QTimer>

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);

  QMainWindow window;
  window.setWindowTitle(QStringLiteral("Benchmark Reference"));

  QMenu* file = window.menuBar()->addMenu(QStringLiteral("&File"));
  file->addAction(QStringLiteral("&Minimize"), &window, &QWidget::showMinimized);
  file->addAction(QStringLiteral("E&xit"), &application, &QApplication::quit);
  QMenu* options = window.menuBar()->addMenu(QStringLiteral("&Options"));
  options->addAction(QStringLiteral("On"))->setCheckable(true);
  options->addAction(QStringLiteral("Off"))->setCheckable(true);
  window.menuBar()->addAction(QStringLiteral("&Help"));

  auto* central = new QWidget;
  auto* grid = new QGridLayout(central);
  auto* clock = new QLabel;
  grid->addWidget(clock, 0, 0, 1, 2);
  grid->addWidget(new QLabel(QStringLiteral("Minutes")), 1, 0);
  grid->addWidget(new QLineEdit, 1, 1);
  grid->addWidget(new QCheckBox(QStringLiteral("Remind me")), 2, 0, 1, 2);
  grid->addWidget(new QPushButton(QStringLiteral("Start")), 3, 0);
  grid->addWidget(new QPushButton(QStringLiteral("Cancel")), 3, 1);
  window.setCentralWidget(central);

  const QStringList arguments = QApplication::arguments();
  QTimer timer;
  if (arguments.contains(QStringLiteral("--on-the-second"))) {
    timer.setSingleShot(true);
    timer.setTimerType(Qt::PreciseTimer);
    const auto untilNextSecond = [] {
      return 1000 - static_cast<int>(QDateTime::currentMSecsSinceEpoch() % 1000);
    };
    QObject::connect(&timer, &QTimer::timeout, [clock, &timer, untilNextSecond] {
      clock->setText(QTime::currentTime().toString(QStringLiteral("hh:mm:ss")));
      timer.start(untilNextSecond());
    });
    timer.start(untilNextSecond());
  } else {
    const bool ticksOnly = arguments.contains(QStringLiteral("--ticks-only"));
    const QString format = arguments.contains(QStringLiteral("--seconds"))
                               ? QStringLiteral("hh:mm:ss")
                               : QStringLiteral("hh:mm:ss.zzz");
    QObject::connect(&timer, &QTimer::timeout, [clock, format, ticksOnly] {
      if (!ticksOnly) clock->setText(QTime::currentTime().toString(format));
    });
    timer.start(100);
  }

  window.resize(360, 200);
  // Not activated: on a bare X server nothing focuses the line edit, so no caret blinks.
  window.show();
  return QApplication::exec();
}
