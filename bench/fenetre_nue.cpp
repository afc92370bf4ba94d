// A bare Qt 6 main window: what the window's start-up time is compared with.

#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QMainWindow fenetre;
    fenetre.setWindowTitle(QStringLiteral("Fenetre nue"));
    fenetre.resize(540, 270);
    fenetre.show();
    return application.exec();
}
