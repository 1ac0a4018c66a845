// The yardstick of bench/startup.sh: a Qt Widgets program with one empty QMainWindow.
#include <QApplication>
#include <QMainWindow>

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QMainWindow window;
  window.show();
  return QApplication::exec();
}
