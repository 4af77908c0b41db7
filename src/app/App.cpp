#include "app/App.h"

#include <QApplication>
#include <QMainWindow>

namespace lum {

int RunGui(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow w;
    w.show();
    return app.exec();
}

}  // namespace lum
