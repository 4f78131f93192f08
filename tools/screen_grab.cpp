// Writes a PNG of the screen of the current X display, or of one rectangle of it:
// screen-grab OUTPUT.png [X Y WIDTH HEIGHT]
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <cstdlib>
#include <iostream>

int main(int argc, char* argv[]) {
  QGuiApplication application(argc, argv);
  if (argc != 2 && argc != 6) {
    std::cerr << "usage: screen-grab OUTPUT.png [X Y WIDTH HEIGHT]\n";
    return 2;
  }
  // Without a rectangle, the whole screen (a width and height of -1).
  int area[4] = {0, 0, -1, -1};
  for (int i = 0; i < 4 && argc == 6; ++i) area[i] = std::atoi(argv[2 + i]);
  QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr || !screen->grabWindow(0, area[0], area[1], area[2], area[3])
                                .save(QString::fromLocal8Bit(argv[1]))) {
    std::cerr << "screen-grab: could not write " << argv[1] << '\n';
    return 1;
  }
  return 0;
}
