#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>

#include "app/cli/select_command.h"

int main(int argc, char* argv[]) {
  QCoreApplication application(argc, argv);
  QTextStream out(stdout);
  QTextStream err(stderr);
  const int status = selvio::RunSelvioCli(QCoreApplication::arguments().mid(1), out, err);
  out.flush();
  err.flush();
  return status;
}
