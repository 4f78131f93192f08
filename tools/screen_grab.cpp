// Writes a PNG of the whole screen of the current X display: screen-grab OUTPUT.png
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <iostream>

int main(int argc, char* argv[]) {
  QGuiApplication application(argc, argv);
  if (argc != 2) {
    std::cerr << "usage: screen-grab OUTPUT.png\n";
    return 2;
  }
  QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr || !screen->grabWindow(0).save(QString::fromLocal8Bit(argv[1]))) {
    std::cerr << "screen-grab: could not write " << argv[1] << '\n';
    return 1;
  }
  return 0;
}
