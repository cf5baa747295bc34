#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QLabel window("Voltrane　論理シミュレータ — the editor window is being built.");
    window.setWindowTitle("Voltrane　論理シミュレータ - 無題");
    window.setMargin(40);
    window.show();
    return QApplication::exec();
}
