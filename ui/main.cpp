#include "ui/Tarrowind_Char_Planner.h"

#include <QApplication>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tarrowind Character Planner"));
    Tarrowind_Char_Planner window;
    window.show();
    return QApplication::exec();
}
